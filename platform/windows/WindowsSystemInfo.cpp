#include "WindowsSystemInfo.h"

#include "RegistryLookup.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <windows.h>

namespace tessaly {
namespace {

HKEY handleOf(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

class WindowsRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegistryRoot root, const std::string& subKey, unsigned long options, unsigned long access,
                       RegistryKey& key) override
    {
        HKEY handle = nullptr;
        const long result = ::RegOpenKeyExA(handleOf(root), subKey.c_str(), options, access, &handle);
        key = reinterpret_cast<RegistryKey>(handle);
        return result;
    }

    // The API's reserved argument is a pointer that must be null.
    long RegQueryValueExA(RegistryKey key, const std::string& valueName, unsigned long, unsigned long& type, char* data,
                          unsigned long& size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const long result = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr, &valueType,
                                               reinterpret_cast<LPBYTE>(data), &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    long RegCloseKey(RegistryKey key) override { return ::RegCloseKey(reinterpret_cast<HKEY>(key)); }
};

} // namespace

std::optional<std::string> WindowsSystemInfoTool::locate()
{
    WindowsRegistry registry;
    return systemInfoPathFromRegistry(
        registry, [](const std::string& path) { return QFileInfo::exists(QString::fromLocal8Bit(path.c_str())); });
}

bool WindowsSystemInfoTool::launch(const std::string& path)
{
    // Started directly, never through a shell.
    return !path.empty() && QProcess::startDetached(QString::fromLocal8Bit(path.c_str()), {});
}

} // namespace tessaly
