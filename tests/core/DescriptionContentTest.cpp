#include "StyleLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace tessaly;

// The texts are compared as UTF-8 bytes; these are the three typographic marks they may hold.
#define RSQUO "\xE2\x80\x99"
#define LDQUO "\xE2\x80\x9C"
#define RDQUO "\xE2\x80\x9D"

namespace {

constexpr std::string_view kTendProbably = "Your tendencies probably include:";
constexpr std::string_view kTendPossibly = "Your tendencies possibly include:";
constexpr std::string_view kGrowth = "Your growth opportunities:";
constexpr std::string_view kGrowthNoColon = "Your growth opportunities";
constexpr std::string_view kStrengthen = "You can significantly strengthen your performance by:";

struct Expected {
    std::string_view screen;
    std::string_view firstLine;
    int lines;
    int characters;
    int opening;
    std::string_view tendencyHeading; // empty: the bullets follow the opening paragraphs directly
    bool blankAfterTendencyHeading;
    int tendencies;
    std::string_view growthHeading;
    int strengthenBullets; // bullets under kStrengthen, between the two advice paragraphs
    std::string_view peoplePrefix;
    int advice; // bullets after the people paragraph
    int closing;
    bool typographicApostrophe;
    int typographicQuotePairs;
    int straightQuotePairs;
};

// clang-format off
const Expected kExpected[] = {
    {"redyellow",   "You are exuberant, bubbly, and well spoken.  Your warmth and charisma are natural",
     53, 3126, 2, kTendProbably, false, 7, kGrowthNoColon, 3, "With People:", 2, 1, true,  0, 0},
    {"redgreen",    "Directing thinkers are creators not followers.  You seek independence from constraints",
     43, 2289, 2, "",            false, 8, kGrowth,        0, "With people:", 5, 0, true,  0, 1},
    {"redblue",     "You" RSQUO "re identified by your busy, industrious approach to tasks.  Constantly active at work",
     34, 1705, 1, kTendProbably, true,  6, kGrowth,        0, "With people:", 2, 1, true,  0, 0},
    {"bluered",     "You" RSQUO "re an industrious go-getter who focuses on goals and proceeds full speed ahead.",
     39, 2036, 2, kTendProbably, true,  7, kGrowth,        0, "With people:", 4, 0, true,  0, 1},
    {"bluegreen",   "You" RSQUO "re the most inward acting of all the behavioral styles.  You like to work independently",
     38, 2172, 1, kTendProbably, true,  8, kGrowth,        0, "With people:", 4, 0, true,  1, 0},
    {"blueyellow",  "You" RSQUO "re a low key and inclusive person who makes others feel comfortable and wanted.",
     37, 1979, 2, kTendProbably, true,  7, kGrowth,        0, "With people:", 4, 0, true,  0, 1},
    {"yellowred",   "You" RSQUO "re propelled by a desire for control and independence.  So while you see people as",
     39, 2090, 2, kTendPossibly, true,  7, kGrowth,        0, "With people:", 3, 0, true,  0, 0},
    {"yellowblue",  "You belong to one of the most accepting off all the personality styles.  You enjoy being",
     39, 2173, 2, kTendProbably, false, 7, kGrowthNoColon, 0, "With people:", 3, 0, false, 0, 0},
    {"yellowgreen", "You" RSQUO "re a highly analytical, quick thinking person who can relate well to people if you want",
     39, 2395, 2, kTendProbably, true,  8, kGrowth,        0, "With people:", 3, 0, true,  0, 0},
    {"greenred",    "Thinking Directors are future oriented people who often become bored with day to day",
     40, 2084, 1, kTendProbably, true,  7, kGrowth,        0, "With people:", 0, 3, false, 0, 0},
    {"greenblue",   "You" RSQUO "re a private person who prefers a limited number of predictable, low key, stable",
     44, 2787, 1, kTendProbably, true,  9, kGrowth,        0, "With people:", 3, 0, true,  0, 2},
    {"greenyellow", "You" RSQUO "re a people oriented thinker with high expectations for yourself and others. You like",
     39, 1959, 2, kTendProbably, true,  8, kGrowth,        0, "With people:", 3, 0, true,  0, 1},
};
// clang-format on

const Expected* expectedFor(std::string_view screen)
{
    const auto it = std::ranges::find(kExpected, screen, &Expected::screen);
    return it == std::end(kExpected) ? nullptr : &*it;
}

// Lines without their CR LF; the final CR LF closes the last line rather than opening another.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 2);
    }
    return lines;
}

// Code points of well-formed UTF-8: every byte except the 0b10xxxxxx continuation bytes.
int codePoints(std::string_view s)
{
    return static_cast<int>(
        std::ranges::count_if(s, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int occurrences(std::string_view text, std::string_view what)
{
    int n = 0;
    for (auto pos = text.find(what); pos != std::string_view::npos; pos = text.find(what, pos + what.size()))
        ++n;
    return n;
}

bool isBlankChar(char c) { return c == ' ' || c == '\t'; }

std::string_view trimEnd(std::string_view line)
{
    while (!line.empty() && isBlankChar(line.back()))
        line.remove_suffix(1);
    return line;
}

enum class Kind { Blank, Bullet, Continuation, Text, Misfit };

Kind classify(std::string_view line)
{
    if (trimEnd(line).empty())
        return Kind::Blank;
    const auto indent = line.find_first_not_of(' ');
    if (indent == 0)
        return isBlankChar(line[0]) ? Kind::Misfit : Kind::Text;
    const auto rest = line.substr(indent);
    if ((indent == 5 || indent == 6) && rest.size() > 3 && rest.starts_with("*  ") && !isBlankChar(rest[3]))
        return Kind::Bullet;
    if (indent >= 9 && indent <= 11 && !isBlankChar(rest[0]))
        return Kind::Continuation;
    return Kind::Misfit;
}

bool isHeading(std::string_view line)
{
    const auto t = trimEnd(line);
    return t == kTendProbably || t == kTendPossibly || t == kGrowth || t == kGrowthNoColon || t == kStrengthen;
}

// A paragraph (its first line), a heading line, or a bullet with its continuation lines.
struct Block {
    enum Type { Paragraph, Heading, Bullet } type;
    std::string_view first;
    bool blankBefore;
};

std::vector<Block> blocksOf(const std::vector<std::string_view>& lines)
{
    std::vector<Block> blocks;
    bool blank = false;
    Kind previous = Kind::Blank;
    for (const auto line : lines) {
        const auto kind = classify(line);
        if (kind == Kind::Blank) {
            blank = true;
        } else if (kind == Kind::Bullet) {
            blocks.push_back({Block::Bullet, line, blank});
        } else if (kind == Kind::Text && isHeading(line)) {
            blocks.push_back({Block::Heading, trimEnd(line), blank});
        } else if (kind == Kind::Text && (previous != Kind::Text || blank || blocks.back().type != Block::Paragraph)) {
            blocks.push_back({Block::Paragraph, line, blank});
        }
        if (kind != Kind::Blank) {
            blank = false;
            previous = kind;
        }
    }
    return blocks;
}

struct Sections {
    int opening = 0;
    std::string_view tendencyHeading;
    bool blankAfterTendencyHeading = false;
    int tendencies = 0;
    std::string_view growthHeading;
    bool tasksParagraph = false;
    int strengthenBullets = 0;
    std::string_view peoplePrefix;
    int advice = 0;
    int closing = 0;
    std::size_t unread = 0; // blocks left over once the layout has been walked
};

Sections sectionsOf(const std::vector<Block>& blocks)
{
    Sections s;
    auto at = blocks.begin();
    const auto next = [&](Block::Type type) { return at != blocks.end() && at->type == type; };
    const auto countOf = [&](Block::Type type) {
        int n = 0;
        for (; next(type); ++at)
            ++n;
        return n;
    };

    s.opening = countOf(Block::Paragraph);
    if (next(Block::Heading) && at->first.starts_with("Your tendencies")) {
        s.tendencyHeading = at->first;
        ++at;
        s.blankAfterTendencyHeading = at != blocks.end() && at->blankBefore;
    }
    s.tendencies = countOf(Block::Bullet);
    if (next(Block::Heading) && at->first.starts_with("Your growth"))
        s.growthHeading = (at++)->first;
    if (next(Block::Paragraph) && at->first.starts_with("With tasks:  ")) {
        s.tasksParagraph = true;
        ++at;
    }
    if (next(Block::Heading) && at->first == kStrengthen) {
        ++at;
        s.strengthenBullets = countOf(Block::Bullet);
    }
    if (next(Block::Paragraph) && (at->first.starts_with("With people:  ") || at->first.starts_with("With People:  ")))
        s.peoplePrefix = (at++)->first.substr(0, 12);
    s.advice = countOf(Block::Bullet);
    s.closing = countOf(Block::Paragraph);
    s.unread = static_cast<std::size_t>(blocks.end() - at);
    return s;
}

} // namespace

TEST(DescriptionContent, TableCoversEveryScreenOnce)
{
    std::set<std::string_view> rows;
    for (const auto& e : kExpected)
        EXPECT_TRUE(rows.insert(e.screen).second) << "second row for " << e.screen;
    ASSERT_EQ(StyleLibrary::all().size(), std::size(kExpected));
    for (const auto& s : StyleLibrary::all())
        EXPECT_NE(expectedFor(s.screen), nullptr) << "no row for " << s.screen;
}

TEST(DescriptionContent, LineEndingsSizeAndFirstLine)
{
    for (const auto& s : StyleLibrary::all()) {
        SCOPED_TRACE(std::string(s.screen));
        const auto* e = expectedFor(s.screen);
        ASSERT_NE(e, nullptr);
        const auto text = s.screenText;

        EXPECT_TRUE(text.ends_with("\r\n"));
        const auto lines = splitLines(text);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string_view::npos) << "lone CR or LF in line " << i + 1;

        EXPECT_EQ(static_cast<int>(lines.size()), e->lines);
        EXPECT_EQ(codePoints(text), e->characters);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), e->firstLine);
    }
}

TEST(DescriptionContent, LinesFitAndIndentsFollowTheBulletLayout)
{
    for (const auto& s : StyleLibrary::all()) {
        SCOPED_TRACE(std::string(s.screen));
        const auto lines = splitLines(s.screenText);
        Kind previous = Kind::Blank;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto kind = classify(lines[i]);
            EXPECT_LE(codePoints(trimEnd(lines[i])), 96) << "line " << i + 1;
            EXPECT_NE(kind, Kind::Misfit) << "line " << i + 1 << ": " << lines[i];
            if (kind == Kind::Continuation) {
                EXPECT_TRUE(previous == Kind::Bullet || previous == Kind::Continuation)
                    << "line " << i + 1 << " is indented like a bullet's continuation but follows no bullet";
            }
            previous = kind;
        }
    }
}

TEST(DescriptionContent, SectionsFollowTheLayout)
{
    for (const auto& s : StyleLibrary::all()) {
        SCOPED_TRACE(std::string(s.screen));
        const auto* e = expectedFor(s.screen);
        ASSERT_NE(e, nullptr);
        const auto got = sectionsOf(blocksOf(splitLines(s.screenText)));

        EXPECT_EQ(got.opening, e->opening);
        EXPECT_EQ(got.tendencyHeading, e->tendencyHeading);
        if (!e->tendencyHeading.empty()) {
            EXPECT_EQ(got.blankAfterTendencyHeading, e->blankAfterTendencyHeading);
        }
        EXPECT_EQ(got.tendencies, e->tendencies);
        EXPECT_EQ(got.growthHeading, e->growthHeading);
        EXPECT_TRUE(got.tasksParagraph);
        EXPECT_EQ(got.strengthenBullets, e->strengthenBullets);
        EXPECT_EQ(got.peoplePrefix, e->peoplePrefix);
        EXPECT_EQ(got.advice, e->advice);
        EXPECT_EQ(got.closing, e->closing);
        EXPECT_EQ(got.unread, 0u) << "content after the closing paragraphs";
    }
}

TEST(DescriptionContent, ApostrophesAndQuotationMarks)
{
    for (const auto& s : StyleLibrary::all()) {
        SCOPED_TRACE(std::string(s.screen));
        const auto* e = expectedFor(s.screen);
        ASSERT_NE(e, nullptr);
        const auto text = s.screenText;

        if (e->typographicApostrophe) {
            EXPECT_GT(occurrences(text, RSQUO), 0);
            EXPECT_EQ(occurrences(text, "'"), 0);
        } else {
            EXPECT_EQ(occurrences(text, RSQUO), 0);
            EXPECT_GT(occurrences(text, "'"), 0);
        }
        EXPECT_EQ(occurrences(text, LDQUO), e->typographicQuotePairs);
        EXPECT_EQ(occurrences(text, RDQUO), e->typographicQuotePairs);
        EXPECT_EQ(occurrences(text, "\""), 2 * e->straightQuotePairs);
        // A quoted word opens and closes on the same line.
        for (const auto line : splitLines(text))
            EXPECT_EQ(occurrences(line, "\"") % 2, 0) << line;
    }
}
