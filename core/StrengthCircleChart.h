#pragma once

#include "Color.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessaly {

// Anything the Strength Circle can be drawn on: the chart box of the screen or a printer
// page. Coordinates are layout units from the surface's top-left corner; angles are
// radians, counter-clockwise from 3 o'clock.
class DrawSurface {
public:
    virtual ~DrawSurface() = default;
    // A closed pie slice outlined in black and filled solid with the colour.
    virtual void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill) = 0;
};

inline constexpr int kChartCentreX = 2100;
inline constexpr int kChartCentreY = 1900;
inline constexpr int kChartRadius = 1500;

// The number a value box's text stands for: a finite, non-negative number in single precision.
// Anything else (empty, letters, negative, too large for single precision) is none.
std::optional<float> chartValue(std::string_view text);

// Draws the four sectors, Red, Yellow, Blue, Green, counter-clockwise from 3 o'clock, each
// as large as its share of the sum. A value that is none counts as 0, so the chart never draws
// with undefined angles. Nothing is drawn when the sum is 0, and a value of 0 draws no sector.
void StrengthCircleChart(const std::array<std::optional<float>, 4>& values, DrawSurface& surface);

} // namespace tessaly
