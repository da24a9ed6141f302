#pragma once

#include <optional>
#include <string>

namespace tessaly {

// Finding and starting the system's information tool.
class SystemInfoTool {
public:
    virtual ~SystemInfoTool() = default;
    virtual std::optional<std::string> locate() = 0;
    // Starts the program detached, in a window of its own; false when it could not start.
    virtual bool launch(const std::string& path) = 0;
};

} // namespace tessaly
