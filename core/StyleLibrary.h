#pragma once

#include "Color.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tessaly {

// One of the twelve description screens: an ordered pair of two different colours.
struct StyleDescription {
    std::string_view screen; // first colour's name then second's, lower case: "redblue"
    Color first;
    Color second;
    std::string_view heading;
    std::string_view nickname;
    // The description shown on the screen: UTF-8, lines ending in CR LF.
    std::string_view screenText;
    // The printed form: the four header lines, then the body, one printed line each.
    std::vector<std::string_view> printHeader;
    std::vector<std::string_view> printLines;
};

class StyleLibrary {
public:
    // The twelve records in the order of the chooser's buttons.
    static std::span<const StyleDescription> all();
    static const StyleDescription* byScreen(std::string_view screen);
    static const StyleDescription* byColors(Color first, Color second);
};

} // namespace tessaly
