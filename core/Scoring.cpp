#include "Scoring.h"

#include <algorithm>
#include <stdexcept>

namespace tessaly {
namespace {

constexpr std::optional<ScoreBand> band(int low, int high) { return ScoreBand{low, high}; }
constexpr std::optional<ScoreBand> only(int raw) { return ScoreBand{raw, raw}; }
constexpr std::optional<ScoreBand> none;

} // namespace

// Value: Red, Yellow, Blue, Green.
constexpr std::array<GraphScaleRow, 28> kGraphScale{{
    {1, {band(kOpenLow, -20), band(kOpenLow, -17), band(kOpenLow, -17), band(kOpenLow, -19)}},
    {2, {band(-19, -17), band(-16, -9), band(-16, -8), band(-18, -12)}},
    {3, {only(-16), band(-8, -7), only(-7), only(-11)}},
    {4, {only(-15), only(-6), band(-6, -5), band(-10, -9)}},
    {5, {none, only(-5), only(-4), only(-8)}},
    {6, {only(-14), none, only(-3), none}},
    {7, {only(-13), only(-4), only(-2), only(-7)}},
    {8, {only(-12), only(-3), only(-1), only(-6)}},
    {9, {only(-11), none, none, only(-5)}},
    {10, {only(-10), only(-2), only(0), none}},
    {11, {only(-9), only(-1), only(1), only(-4)}},
    {12, {only(-8), only(0), only(2), only(-3)}},
    {13, {none, none, only(3), none}},
    {14, {only(-7), only(1), only(4), none}},
    {15, {only(-6), only(2), only(5), only(-2)}},
    {16, {only(-5), none, none, only(-1)}},
    {17, {only(-4), only(3), only(6), none}},
    {18, {only(-3), none, none, only(0)}},
    {19, {only(-2), only(4), only(7), only(1)}},
    {20, {only(-1), only(5), only(8), only(2)}},
    {21, {band(0, 1), none, only(9), only(3)}},
    {22, {only(2), only(6), only(10), only(4)}},
    {23, {only(3), only(7), only(11), none}},
    {24, {band(4, 5), none, none, only(5)}},
    {25, {band(6, 7), only(8), band(12, 13), band(6, 10)}},
    {26, {band(8, 9), only(9), band(14, 21), band(11, 18)}},
    {27, {band(10, 15), band(10, 15), band(22, kOpenHigh), band(19, kOpenHigh)}},
    {28, {band(16, kOpenHigh), band(16, kOpenHigh), none, none}},
}};

namespace {

bool leads(const ColorValues& values, Color color)
{
    const int own = values[indexOf(color)];
    return std::ranges::all_of(kColors, [&](Color other) { return other == color || own > values[indexOf(other)]; });
}

} // namespace

ColorValues scorePart(const AnswerSheet& sheet, QuizScreen screen)
{
    ColorValues scores{};
    for (const auto& box : WordBank::instance().boxesOf(screen)) {
        const auto& marks = sheet.marks(box.number);
        if (marks.most) {
            if (const auto c = box.words[static_cast<std::size_t>(*marks.most - 1)].mostColor)
                ++scores[indexOf(*c)];
        }
        if (marks.least) {
            if (const auto c = box.words[static_cast<std::size_t>(*marks.least - 1)].leastColor)
                --scores[indexOf(*c)];
        }
    }
    return scores;
}

int graphValue(Color color, int raw)
{
    for (const auto& row : kGraphScale) {
        const auto& b = row.bands[indexOf(color)];
        if (b && raw >= b->low && raw <= b->high)
            return row.value;
    }
    throw std::logic_error("graph scale has a gap");
}

ColorValues separateTies(ColorValues v)
{
    auto& red = v[indexOf(Color::Red)];
    auto& yellow = v[indexOf(Color::Yellow)];
    auto& blue = v[indexOf(Color::Blue)];
    auto& green = v[indexOf(Color::Green)];
    // One pass in this order; a tie that a step creates stays.
    if (green == red || green == yellow || green == blue)
        ++green;
    if (red == yellow || red == blue)
        ++red;
    if (yellow == blue)
        ++yellow;
    return v;
}

ColorChoice chooseColors(const ColorValues& values)
{
    auto copy = values;
    Color first = Color::Green;
    for (const auto c : kColors) {
        if (leads(copy, c)) {
            first = c;
            copy[indexOf(c)] = 0;
            break;
        }
    }
    Color second = Color::Red;
    for (const auto c : kColors) {
        if (leads(copy, c)) {
            second = c;
            break;
        }
    }
    return {first, second};
}

ColorScores scoreResults(const ColorValues& partOneRaw, const ColorValues& partTwoRaw)
{
    ColorScores scores{};
    for (const auto c : kColors) {
        const auto i = indexOf(c);
        scores.raw[i] = partOneRaw[i] + partTwoRaw[i];
        scores.value[i] = graphValue(c, scores.raw[i]);
    }
    scores.value = separateTies(scores.value);
    scores.colors = chooseColors(scores.value);
    return scores;
}

} // namespace tessaly
