#include "AnswerSheet.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tessaly;

namespace {

struct Click {
    MarkColumn column;
    int row;
};

struct SelectionCase {
    const char* name;
    std::vector<Click> clicks;
    std::optional<int> most;
    std::optional<int> least;
};

constexpr auto M = MarkColumn::Most;
constexpr auto L = MarkColumn::Least;
// Box 1: row 1 magnetic, 2 brave, 3 reserved, 4 modest.
const SelectionCase kCases[] = {
    {"least on the Most word empties Most", {{M, 1}, {L, 1}}, std::nullopt, 1},
    {"most on the Least word empties Least", {{M, 2}, {L, 4}, {M, 4}}, 4, std::nullopt},
    {"least on another word keeps Most", {{M, 2}, {L, 4}, {L, 1}}, 2, 1},
    {"clicking a filled circle again changes nothing", {{M, 2}, {L, 3}, {M, 2}, {M, 2}}, 2, 3},
    {"a column holds one mark", {{M, 1}, {M, 3}}, 3, std::nullopt},
    {"back and forth on one word", {{M, 1}, {L, 1}, {M, 1}}, 1, std::nullopt},
};

class Selection : public testing::TestWithParam<SelectionCase> {};

} // namespace

TEST_P(Selection, FollowsTheRule)
{
    AnswerSheet sheet;
    for (const auto& c : GetParam().clicks)
        c.column == MarkColumn::Most ? sheet.selectMost(1, c.row) : sheet.selectLeast(1, c.row);
    EXPECT_EQ(sheet.most(1), GetParam().most);
    EXPECT_EQ(sheet.least(1), GetParam().least);
}

INSTANTIATE_TEST_SUITE_P(Box1, Selection, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (auto& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST(AnswerSheet, BoxesAreIndependentEvenWithTheSameCaption)
{
    AnswerSheet sheet;
    sheet.selectMost(14, 4); // patient
    sheet.selectLeast(26, 4); // patient again, another box
    sheet.selectMost(18, 2); // controlled
    sheet.selectLeast(28, 1); // controlled again
    EXPECT_EQ(sheet.most(14), 4);
    EXPECT_EQ(sheet.least(26), 4);
    EXPECT_EQ(sheet.most(18), 2);
    EXPECT_EQ(sheet.least(28), 1);
    EXPECT_FALSE(sheet.least(14));
    EXPECT_FALSE(sheet.most(26));
    for (int box : {1, 13, 15, 16, 27})
        EXPECT_EQ(sheet.marks(box), BoxMarks{});
}

TEST(AnswerSheet, ResettingOneScreenKeepsTheOther)
{
    AnswerSheet sheet;
    sheet.selectMost(15, 1);
    sheet.selectLeast(16, 2);
    sheet.resetScreen(QuizScreen::Quiz);
    EXPECT_FALSE(sheet.most(15));
    EXPECT_EQ(sheet.least(16), 2);
}

TEST(AnswerSheet, RejectsPositionsOutsideTheBank)
{
    AnswerSheet sheet;
    EXPECT_THROW(sheet.selectMost(0, 1), std::out_of_range);
    EXPECT_THROW(sheet.selectLeast(29, 1), std::out_of_range);
    EXPECT_THROW(sheet.selectMost(1, 0), std::out_of_range);
    EXPECT_THROW(sheet.selectLeast(1, 5), std::out_of_range);
}
