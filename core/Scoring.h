#pragma once

#include "AnswerSheet.h"
#include "Color.h"

#include <array>
#include <limits>
#include <optional>

namespace tessaly {

// The raw scores of one colour that map to one graph value; absent where the printed
// scale skips the value.
struct ScoreBand {
    int low;
    int high;
};

inline constexpr int kOpenLow = std::numeric_limits<int>::min();
inline constexpr int kOpenHigh = std::numeric_limits<int>::max();

struct GraphScaleRow {
    int value;
    std::array<std::optional<ScoreBand>, 4> bands; // indexed by Color
};

// The step tables of the paper graph sheet, columns A to D: raw score to value 1 to 28.
extern const std::array<GraphScaleRow, 28> kGraphScale;

struct ColorChoice {
    Color first;
    Color second;
    friend bool operator==(const ColorChoice&, const ColorChoice&) = default;
};

struct ColorScores {
    ColorValues raw;
    ColorValues value;
    ColorChoice colors;
};

// Most points minus Least points of each colour over the boxes of one screen.
ColorValues scorePart(const AnswerSheet& sheet, QuizScreen screen);

int graphValue(Color color, int raw);

// Raises tied values so the chart and the colour choice can tell them apart.
ColorValues separateTies(ColorValues values);

ColorChoice chooseColors(const ColorValues& values);

// Everything the second part publishes, from the two parts' raw scores.
ColorScores scoreResults(const ColorValues& partOneRaw, const ColorValues& partTwoRaw);

} // namespace tessaly
