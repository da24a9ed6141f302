#include "Completeness.h"

#include <gtest/gtest.h>

using namespace tessaly;

namespace {

constexpr auto M = MarkColumn::Most;
constexpr auto L = MarkColumn::Least;

AnswerSheet completed(QuizScreen screen)
{
    AnswerSheet sheet;
    for (int box = firstBoxOf(screen); box <= lastBoxOf(screen); ++box) {
        sheet.selectMost(box, 1);
        sheet.selectLeast(box, 4);
    }
    return sheet;
}

// A sheet missing the given marks: completed, then the marks taken away through the
// rule (choosing the same word in the other column), or the box left empty.
AnswerSheet withEmptyBoxes(QuizScreen screen, std::initializer_list<int> emptyBoxes)
{
    AnswerSheet sheet;
    for (int box = firstBoxOf(screen); box <= lastBoxOf(screen); ++box) {
        if (std::find(emptyBoxes.begin(), emptyBoxes.end(), box) != emptyBoxes.end())
            continue;
        sheet.selectMost(box, 1);
        sheet.selectLeast(box, 4);
    }
    return sheet;
}

} // namespace

TEST(Completeness, CompleteScreensPass)
{
    EXPECT_FALSE(findMissingChoice(completed(QuizScreen::Quiz), QuizScreen::Quiz));
    EXPECT_FALSE(findMissingChoice(completed(QuizScreen::Quiz2), QuizScreen::Quiz2));
}

TEST(Completeness, ReportsTheFirstMissingMarkInCheckOrder)
{
    struct Case {
        const char* what;
        AnswerSheet sheet;
        QuizScreen screen;
        MissingChoice expected;
    };
    AnswerSheet box13LeastOnly = withEmptyBoxes(QuizScreen::Quiz, {13});
    box13LeastOnly.selectLeast(13, 2);
    AnswerSheet box4And9 = completed(QuizScreen::Quiz);
    box4And9.selectMost(4, 4); // takes box 4's Least away
    box4And9.selectLeast(9, 1); // takes box 9's Most away
    AnswerSheet box4Done = box4And9;
    box4Done.selectLeast(4, 1);
    AnswerSheet box28 = completed(QuizScreen::Quiz2);
    box28.selectMost(28, 4);
    AnswerSheet magnetic = completed(QuizScreen::Quiz);
    magnetic.selectLeast(1, 1);

    const Case cases[] = {
        {"empty Part I", {}, QuizScreen::Quiz, {1, M}},
        {"box 13 empty: Least first", withEmptyBoxes(QuizScreen::Quiz, {13}), QuizScreen::Quiz, {13, L}},
        {"box 13 with Least only", box13LeastOnly, QuizScreen::Quiz, {13, M}},
        {"box 12 empty: Most first", withEmptyBoxes(QuizScreen::Quiz, {12}), QuizScreen::Quiz, {12, M}},
        {"box 4 before box 9", box4And9, QuizScreen::Quiz, {4, L}},
        {"then box 9", box4Done, QuizScreen::Quiz, {9, M}},
        {"box 28 Least", box28, QuizScreen::Quiz2, {28, L}},
        {"empty Part II after a complete Part I", completed(QuizScreen::Quiz), QuizScreen::Quiz2, {16, M}},
        {"a mark taken by the rule", magnetic, QuizScreen::Quiz, {1, M}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(findMissingChoice(c.sheet, c.screen), c.expected);
    }
}

TEST(Completeness, PartOneNeverLooksAtPartTwo)
{
    EXPECT_FALSE(findMissingChoice(completed(QuizScreen::Quiz), QuizScreen::Quiz));
    EXPECT_FALSE(findMissingChoice(completed(QuizScreen::Quiz2), QuizScreen::Quiz2));
    EXPECT_TRUE(findMissingChoice(completed(QuizScreen::Quiz2), QuizScreen::Quiz));
}
