#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tessaly {

// Every screen, table and printout lists the colours in this order.
enum class Color { Red, Yellow, Blue, Green };

inline constexpr std::array<Color, 4> kColors{Color::Red, Color::Yellow, Color::Blue, Color::Green};

constexpr std::size_t indexOf(Color c) { return static_cast<std::size_t>(c); }

constexpr std::string_view colorName(Color c)
{
    constexpr std::array<std::string_view, 4> names{"Red", "Yellow", "Blue", "Green"};
    return names[indexOf(c)];
}

// One whole number per colour, indexed by Color.
using ColorValues = std::array<int, 4>;

} // namespace tessaly
