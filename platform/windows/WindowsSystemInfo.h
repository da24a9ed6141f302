#pragma once

#include "SystemInfo.h"

namespace tessaly {

// On Windows the System Information tool is found through the registry.
class WindowsSystemInfoTool final : public SystemInfoTool {
public:
    std::optional<std::string> locate() override;
    bool launch(const std::string& path) override;
};

} // namespace tessaly
