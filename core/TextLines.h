#pragma once

#include <string_view>
#include <vector>

namespace tessaly {

// The lines of a compiled-in text, split at LF; a final LF makes no empty last line.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace tessaly
