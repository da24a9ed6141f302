#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tessaly {

// The registry as the Windows API offers it, behind an interface so the look-up can be
// exercised anywhere. Result codes: 0 is success.
enum class RegistryRoot : std::uint32_t { LocalMachine = 0x80000002u };
using RegistryKey = std::uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long RegOpenKeyExA(RegistryRoot root, const std::string& subKey, unsigned long options,
                               unsigned long access, RegistryKey& key) = 0;
    virtual long RegQueryValueExA(RegistryKey key, const std::string& valueName, unsigned long reserved,
                                  unsigned long& type, char* data, unsigned long& size) = 0;
    virtual long RegCloseKey(RegistryKey key) = 0;
};

inline constexpr unsigned long kRegistryString = 1; // REG_SZ
// KEY_READ: a standard user may not open HKEY_LOCAL_MACHINE for writing.
inline constexpr unsigned long kKeyRead = 0x20019;

struct KeyValue {
    bool found;
    std::string text; // empty unless the value is a string
};

KeyValue GetKeyValue(Registry& registry, RegistryRoot root, const std::string& keyPath, const std::string& valueName);

// Where the registry says the System Information tool is installed, if anywhere.
std::optional<std::string> systemInfoPathFromRegistry(Registry& registry,
                                                      const std::function<bool(const std::string&)>& fileExists);

} // namespace tessaly
