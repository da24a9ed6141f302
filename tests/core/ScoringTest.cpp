#include "Scoring.h"

#include <gtest/gtest.h>

using namespace tessaly;

namespace {

constexpr auto R = Color::Red;
constexpr auto Y = Color::Yellow;
constexpr auto B = Color::Blue;
constexpr auto G = Color::Green;

AnswerSheet topMostBottomLeast()
{
    AnswerSheet sheet;
    for (int box = 1; box <= 28; ++box) {
        sheet.selectMost(box, 1);
        sheet.selectLeast(box, 4);
    }
    return sheet;
}

} // namespace

TEST(Scoring, WorkedExample)
{
    const auto sheet = topMostBottomLeast();
    const auto partOne = scorePart(sheet, QuizScreen::Quiz);
    const auto partTwo = scorePart(sheet, QuizScreen::Quiz2);
    EXPECT_EQ(partOne, (ColorValues{-2, 6, -4, 1}));
    EXPECT_EQ(partTwo, (ColorValues{1, 4, -3, -2}));

    const auto scores = scoreResults(partOne, partTwo);
    EXPECT_EQ(scores.raw, (ColorValues{-1, 10, -7, -1}));
    EXPECT_EQ(scores.value, (ColorValues{20, 27, 3, 16}));
    EXPECT_EQ(scores.colors, (ColorChoice{Y, R}));
}

TEST(Scoring, WordsThatCountInOneColumnOnly)
{
    struct Case {
        const char* what;
        int box;
        std::optional<int> most;
        std::optional<int> least;
        ColorValues expected;
    };
    const Case cases[] = {
        {"Most on calm, Least on friendly", 3, 4, 1, {0, 0, 0, 0}},
        {"Least on calm", 3, 1, 4, {0, 1, -1, 0}},
        {"both marks in box 23: aggressive and amiable", 23, 1, 3, {1, 0, -1, 0}},
        {"Least on playful", 22, 1, 4, {0, 1, 0, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnswerSheet sheet;
        if (c.most)
            sheet.selectMost(c.box, *c.most);
        if (c.least)
            sheet.selectLeast(c.box, *c.least);
        EXPECT_EQ(scorePart(sheet, screenOfBox(c.box)), c.expected);
    }
}

TEST(Scoring, TheSameCaptionInTwoBoxesScoresTwice)
{
    AnswerSheet sheet;
    sheet.selectMost(14, 4); // patient
    sheet.selectMost(26, 4); // patient
    EXPECT_EQ(scorePart(sheet, QuizScreen::Quiz), (ColorValues{0, 0, 1, 0}));
    EXPECT_EQ(scorePart(sheet, QuizScreen::Quiz2), (ColorValues{0, 0, 1, 0}));
}

TEST(Scoring, ScaleIsCompleteAndRising)
{
    for (const auto c : kColors) {
        SCOPED_TRACE(std::string(colorName(c)));
        int expectedLow = kOpenLow;
        int lastValue = 0;
        for (const auto& row : kGraphScale) {
            const auto& band = row.bands[indexOf(c)];
            if (!band)
                continue;
            EXPECT_EQ(band->low, expectedLow);
            EXPECT_LE(band->low, band->high);
            EXPECT_GT(row.value, lastValue);
            lastValue = row.value;
            expectedLow = band->high == kOpenHigh ? kOpenHigh : band->high + 1;
        }
        EXPECT_EQ(expectedLow, kOpenHigh);
    }
}

TEST(Scoring, GraphValuesAtTheBandEdges)
{
    struct Case {
        Color color;
        int raw;
        int value;
    };
    // clang-format off
    const Case cases[] = {
        {R, -20, 1}, {R, -19, 2}, {R, -27, 1}, {R, 0, 21}, {R, 1, 21}, {R, 15, 27}, {R, 16, 28}, {R, 27, 28},
        {Y, -17, 1}, {Y, -16, 2}, {Y, 15, 27}, {Y, 16, 28}, {Y, -26, 1}, {Y, 28, 28},
        {B, -8, 2}, {B, -7, 3}, {B, 21, 26}, {B, 22, 27}, {B, 26, 27},
        {G, -12, 2}, {G, -11, 3}, {G, -10, 4}, {G, -9, 4}, {G, 19, 27}, {G, 24, 27},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(graphValue(c.color, c.raw), c.value) << colorName(c.color) << " " << c.raw;
}

TEST(Scoring, TiesAreSeparatedOnceInOrderAndChooseTheColours)
{
    struct Case {
        ColorValues values;
        ColorValues separated;
        ColorChoice colors;
    };
    // clang-format off
    const Case cases[] = {
        {{21, 21, 10, 21}, {22, 21, 10, 22}, {G, R}},
        {{20, 10, 10, 11}, {20, 11, 10, 11}, {R, R}},
        {{28, 28, 12, 5}, {29, 28, 12, 5}, {R, Y}},
        {{12, 12, 12, 12}, {13, 13, 12, 13}, {G, R}},
        {{20, 27, 3, 16}, {20, 27, 3, 16}, {Y, R}},
        {{5, 3, 3, 20}, {5, 4, 3, 20}, {G, R}},
        {{5, 6, 20, 3}, {5, 6, 20, 3}, {B, Y}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto separated = separateTies(c.values);
        EXPECT_EQ(separated, c.separated);
        EXPECT_EQ(chooseColors(separated), c.colors);
    }
}

TEST(Scoring, ChoosingColoursFromRawValues)
{
    struct Case {
        ColorValues values;
        ColorChoice colors;
    };
    // Applied to values that were never separated, as the description choice does.
    // clang-format off
    const Case cases[] = {
        {{20, 12, 8, 5}, {R, Y}},
        {{5, 9, 20, 9}, {B, R}},
        {{10, 10, 5, 3}, {G, R}},
        {{20, 7, 7, 3}, {R, R}},
        {{15, 10, 5, 20}, {G, R}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(chooseColors(c.values), c.colors);
}
