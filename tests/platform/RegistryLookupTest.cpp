#include "RegistryLookup.h"

#include "Messages.h"
#include "ScriptedDialogs.h"
#include "Shell.h"
#include "SystemParts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct StoredValue {
    unsigned long type;
    std::string bytes; // as the registry holds them, terminating zero included where there is one
};

// A registry of a few keys that checks every handle it gives out is closed again.
class FakeRegistry final : public Registry {
public:
    long RegOpenKeyExA(RegistryRoot root, const std::string& subKey, unsigned long options, unsigned long access,
                       RegistryKey& key) override
    {
        EXPECT_EQ(root, RegistryRoot::LocalMachine);
        EXPECT_EQ(options, 0u);
        EXPECT_EQ(access, 0x20019u);
        opened.push_back(subKey);
        if (!keys.contains(subKey))
            return 2; // not found
        key = nextHandle++;
        handles[key] = subKey;
        return 0;
    }

    long RegQueryValueExA(RegistryKey key, const std::string& valueName, unsigned long reserved, unsigned long& type,
                          char* data, unsigned long& size) override
    {
        EXPECT_EQ(reserved, 0u);
        EXPECT_EQ(size, 1024u);
        const auto& values = keys.at(handles.at(key));
        const auto it = values.find(valueName);
        if (it == values.end())
            return 2;
        if (it->second.bytes.size() > size)
            return 234; // more data than the buffer holds
        type = it->second.type;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), data);
        size = static_cast<unsigned long>(it->second.bytes.size());
        return 0;
    }

    long RegCloseKey(RegistryKey key) override
    {
        closed.push_back(key);
        handles.erase(key);
        return 0;
    }

    std::map<std::string, std::map<std::string, StoredValue>> keys;
    std::vector<std::string> opened;
    std::vector<RegistryKey> closed;
    std::map<RegistryKey, std::string> handles; // open now
    RegistryKey nextHandle = 100;
};

StoredValue text(const std::string& s) { return {1, s + '\0'}; }

} // namespace

TEST(SystemInfo, GetKeyValueReadsStringsAndClosesTheKeyEveryTime)
{
    struct Case {
        const char* what;
        std::map<std::string, StoredValue> values; // under the tool key; none: the key is missing
        bool keyPresent;
        KeyValue expected;
    };
    const Case cases[] = {
        {"a string with its terminating zero",
         {{"PATH", text("C:\\Tools\\msinfo32.exe")}},
         true,
         {true, "C:\\Tools\\msinfo32.exe"}},
        {"a string without one", {{"PATH", {1, "C:\\x.exe"}}}, true, {true, "C:\\x.exe"}},
        {"another type gives no text but is found",
         {{"PATH", {4, std::string("\x01\x00\x00\x00", 4)}}},
         true,
         {true, ""}},
        {"an empty value", {{"PATH", {1, ""}}}, true, {true, ""}},
        {"a value too long for the buffer", {{"PATH", text(std::string(1500, 'a'))}}, true, {false, ""}},
        {"no such value", {}, true, {false, ""}},
        {"no such key", {}, false, {false, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        if (c.keyPresent)
            registry.keys[kToolKey] = c.values;
        const KeyValue value = GetKeyValue(registry, RegistryRoot::LocalMachine, kToolKey, "PATH");
        EXPECT_EQ(value.found, c.expected.found);
        EXPECT_EQ(value.text, c.expected.text);
        EXPECT_EQ(registry.closed.size(), 1u);
        EXPECT_TRUE(registry.handles.empty());
    }
}

TEST(SystemInfo, RegistryNamesTheToolOrItsFolder)
{
    struct Case {
        const char* what;
        std::optional<std::string> toolPath;
        std::optional<std::string> folder;
        std::set<std::string> files;
        std::optional<std::string> expected;
        std::size_t keysOpened;
    };
    const Case cases[] = {
        {"the tool's own entry wins",
         "C:\\A\\MSINFO32.EXE",
         "C:\\B",
         {"C:\\B\\MSINFO32.EXE"},
         "C:\\A\\MSINFO32.EXE",
         1},
        {"the folder with the file", std::nullopt, "C:\\B", {"C:\\B\\MSINFO32.EXE"}, "C:\\B\\MSINFO32.EXE", 2},
        {"the folder without the file", std::nullopt, "C:\\B", {}, std::nullopt, 2},
        {"a trailing backslash stays", std::nullopt, "C:\\B\\", {"C:\\B\\\\MSINFO32.EXE"}, "C:\\B\\\\MSINFO32.EXE", 2},
        {"neither entry", std::nullopt, std::nullopt, {}, std::nullopt, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        if (c.toolPath)
            registry.keys[kToolKey]["PATH"] = text(*c.toolPath);
        if (c.folder)
            registry.keys[kFolderKey]["MSINFO"] = text(*c.folder);
        std::vector<std::string> asked;
        const auto path = systemInfoPathFromRegistry(registry, [&](const std::string& p) {
            asked.push_back(p);
            return c.files.contains(p);
        });
        EXPECT_EQ(path, c.expected);
        EXPECT_EQ(registry.opened.size(), c.keysOpened);
        EXPECT_EQ(registry.closed.size(), c.keysOpened);
    }
}

TEST(SystemInfo, ANonStringToolEntryLeadsToTheUnavailableMessage)
{
    FakeRegistry registry;
    registry.keys[kToolKey]["PATH"] = {4, std::string("\x07\x00\x00\x00", 4)};
    const auto path = systemInfoPathFromRegistry(registry, [](const std::string&) { return true; });
    ASSERT_TRUE(path.has_value());
    EXPECT_TRUE(path->empty());

    // The path goes to this system's own launcher, which starts nothing for it.
    class RegistryTool final : public SystemInfoTool {
    public:
        explicit RegistryTool(std::optional<std::string> path) : path_(std::move(path)) {}
        std::optional<std::string> locate() override { return path_; }
        bool launch(const std::string& path) override { return makeSystemParts().systemInfo->launch(path); }

    private:
        std::optional<std::string> path_;
    } tool(path);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(kNoticeBox, "System Information Is Unavailable At This Time");
    EXPECT_FALSE(tool.launch(*path));
    StartSysInfo(tool, dialogs, nullptr);
    dialogs.verify();
}
