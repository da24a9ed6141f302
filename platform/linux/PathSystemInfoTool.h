#pragma once

#include "SystemInfo.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaly {

// Where there is no registry: the first of the known information tools found on PATH.
class PathSystemInfoTool final : public SystemInfoTool {
public:
    explicit PathSystemInfoTool(std::vector<std::string> candidates = defaultCandidates());
    std::optional<std::string> locate() override;
    bool launch(const std::string& path) override;

    static std::vector<std::string> defaultCandidates();

private:
    std::vector<std::string> candidates_;
};

} // namespace tessaly
