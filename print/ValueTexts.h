#pragma once

#include <QString>

#include <array>

namespace tessaly {

// The four value texts, one per colour in Color order, exactly as a screen holds them.
using ValueTexts = std::array<QString, 4>;

} // namespace tessaly
