#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tessaly {

// Every screen, table and printout lists the colours in this order.
enum class Color { Red, Yellow, Blue, Green };

inline constexpr std::array<Color, 4> kColors{Color::Red, Color::Yellow, Color::Blue, Color::Green};

constexpr std::size_t indexOf(Color c) { return static_cast<std::size_t>(c); }

// Display colours are 24-bit values with red in the low byte.
using ColorRef = std::uint32_t;

constexpr ColorRef displayColor(Color c)
{
    constexpr std::array<ColorRef, 4> values{255u, 65535u, 16711680u, 65280u};
    return values[indexOf(c)];
}

// The darker green of the description screens, tutorial circles and the Green value box,
// and the green used for text.
inline constexpr ColorRef kDarkGreen = 49152u;
inline constexpr ColorRef kTextGreen = 32768u;

struct Rgb {
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb toRgb(ColorRef value)
{
    return {static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
            static_cast<int>((value >> 16) & 0xFFu)};
}

constexpr std::string_view colorName(Color c)
{
    constexpr std::array<std::string_view, 4> names{"Red", "Yellow", "Blue", "Green"};
    return names[indexOf(c)];
}

// One whole number per colour, indexed by Color.
using ColorValues = std::array<int, 4>;

} // namespace tessaly
