#include "WordBank.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace tessaly;

namespace {

const WordBank& bank() { return WordBank::instance(); }

// The word on a row of a box, rows counted from 1.
const BoxWord& word(int box, int row) { return bank().box(box).words.at(static_cast<std::size_t>(row - 1)); }

std::map<Color, int> countColors(bool most)
{
    std::map<Color, int> counts;
    for (const auto& box : bank().boxes()) {
        for (const auto& w : box.words) {
            if (const auto c = most ? w.mostColor : w.leastColor)
                ++counts[*c];
        }
    }
    return counts;
}

// The name a definition message gives its word.
std::string messageName(std::string_view caption)
{
    if (caption == "persistant")
        return "Persistent";
    if (caption == "good-mixer")
        return "Good-Mixer";
    std::string name(caption);
    if (caption != "joyful")
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

} // namespace

TEST(WordBank, BoxesAreNumberedAndSplitBetweenTheTwoScreens)
{
    ASSERT_EQ(bank().boxes().size(), 28u);
    for (int n = 1; n <= 28; ++n) {
        EXPECT_EQ(bank().box(n).number, n);
        EXPECT_EQ(bank().box(n).screen, n <= 15 ? QuizScreen::Quiz : QuizScreen::Quiz2);
    }
    EXPECT_EQ(bank().boxesOf(QuizScreen::Quiz).size(), 15u);
    EXPECT_EQ(bank().boxesOf(QuizScreen::Quiz2).front().number, 16);
    EXPECT_THROW(bank().box(0), std::out_of_range);
    EXPECT_THROW(bank().box(29), std::out_of_range);
}

TEST(WordBank, NoBoxCountsTwiceForOneColourInOneColumn)
{
    for (const auto& box : bank().boxes()) {
        std::set<Color> most, least;
        for (const auto& w : box.words) {
            if (w.mostColor) {
                EXPECT_TRUE(most.insert(*w.mostColor).second) << "box " << box.number;
            }
            if (w.leastColor) {
                EXPECT_TRUE(least.insert(*w.leastColor).second) << "box " << box.number;
            }
        }
    }
}

TEST(WordBank, ColumnCountsGiveTheScoreRanges)
{
    const std::map<Color, int> most{{Color::Yellow, 28}, {Color::Red, 27}, {Color::Blue, 26}, {Color::Green, 24}};
    const std::map<Color, int> least{{Color::Red, 27}, {Color::Blue, 27}, {Color::Yellow, 26}, {Color::Green, 26}};
    EXPECT_EQ(countColors(true), most);
    EXPECT_EQ(countColors(false), least);
}

TEST(WordBank, ThirteenWordsCountInOneColumnOnly)
{
    std::set<std::string_view> noMost, noLeast;
    int same = 0;
    for (const auto& box : bank().boxes()) {
        for (const auto& w : box.words) {
            if (!w.mostColor)
                noMost.insert(w.caption);
            else if (!w.leastColor)
                noLeast.insert(w.caption);
            else if (w.mostColor == w.leastColor)
                ++same;
        }
    }
    EXPECT_EQ(same, 99);
    EXPECT_EQ(noMost,
              (std::set<std::string_view>{"calm", "shy", "humble", "original", "responsive", "fearful", "impartial"}));
    EXPECT_EQ(
        noLeast,
        (std::set<std::string_view>{"goodnatured", "friendly", "attentive", "introspective", "eager", "persuasive"}));
}

TEST(WordBank, DefinitionsFollowTheMessagePattern)
{
    for (const auto& box : bank().boxes()) {
        for (const auto& w : box.words) {
            const std::string head =
                "Definition of " + messageName(w.caption) + " is:" + std::string(w.blanksAfterIs, ' ');
            SCOPED_TRACE(std::string(w.caption));
            ASSERT_GT(w.definition.size(), head.size());
            EXPECT_EQ(w.definition.substr(0, head.size()), head);
            EXPECT_NE(w.definition[head.size()], ' ');
            EXPECT_GE(w.definition.size(), 40u);
            EXPECT_LE(w.definition.size(), 196u);
            EXPECT_EQ(w.definition.find('\r'), std::string_view::npos);
        }
    }
}

TEST(WordBank, DefinitionsQuotedByTheCompanyAreKeptWordForWord)
{
    struct Case {
        int box, row;
        std::string_view text;
    };
    const Case cases[] = {
        {6, 4, "Definition of Insistent is: insisting on"},
        {4, 4, "Definition of Persistent is:  persisting stubbornly; insistent; lasting or enduring tenaciously"},
        {21, 3, "Definition of joyful is:  full of joy; glad; delighted"},
        {9, 1, "Definition of Good-Mixer is: a person with a reference to sociability"},
        {28, 1, "Definition of Controlled is: to hold oneself in check"},
        {18, 2, "Definition of Controlled is:  to hold oneself in check"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(word(c.box, c.row).definition, c.text);
}

TEST(WordBank, SampleBoxHasItsOwnMisspeltDefinitions)
{
    const auto& sample = sampleDefinitions();
    const char* names[] = {"Magnetic", "Brave", "Reserved", "Modest"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sample[row].substr(0, 13), "Defintion of ");
        EXPECT_NE(sample[row], word(1, row + 1).definition);
        EXPECT_NE(sample[row].find(names[row]), std::string_view::npos);
    }
    EXPECT_EQ(sample[1], "Defintion of Brave is:  possessing or exhibiting courage or courageous endurance");
}
