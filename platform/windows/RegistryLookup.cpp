#include "RegistryLookup.h"

#include <array>

namespace tessaly {

KeyValue GetKeyValue(Registry& registry, RegistryRoot root, const std::string& keyPath, const std::string& valueName)
{
    RegistryKey key = 0;
    KeyValue result{false, {}};
    if (registry.RegOpenKeyExA(root, keyPath, 0, kKeyRead, key) == 0) {
        std::array<char, 1024> buffer{};
        unsigned long size = buffer.size();
        unsigned long type = 0;
        if (registry.RegQueryValueExA(key, valueName, 0, type, buffer.data(), size) == 0) {
            result.found = true;
            // The size counts a terminating zero when the value has one.
            const std::size_t length = size == 0 ? 0 : (buffer[size - 1] == '\0' ? size - 1 : size);
            if (type == kRegistryString)
                result.text.assign(buffer.data(), length);
        }
    }
    // Closed in every case, also after a failed open.
    registry.RegCloseKey(key);
    return result;
}

std::optional<std::string> systemInfoPathFromRegistry(Registry& registry,
                                                      const std::function<bool(const std::string&)>& fileExists)
{
    const KeyValue direct =
        GetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (direct.found)
        return direct.text;
    const KeyValue folder =
        GetKeyValue(registry, RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    if (!folder.found)
        return std::nullopt;
    // Joined as it stands: a folder ending in a backslash gives two of them.
    const std::string path = folder.text + "\\MSINFO32.EXE";
    if (!fileExists(path))
        return std::nullopt;
    return path;
}

} // namespace tessaly
