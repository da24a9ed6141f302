#include "StyleLibrary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tessaly;

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string heading(Color first, Color second)
{
    const char* adjectives[] = {"Directing", "Socializing", "Relating", "Thinking"};
    const char* nouns[] = {"Director", "Socializer", "Relater", "Thinker"};
    return std::string(colorName(first)) + "/" + std::string(colorName(second)) + " - The " + adjectives[indexOf(first)]
        + " " + nouns[indexOf(second)];
}

} // namespace

TEST(StyleLibrary, EveryOrderedPairOfTwoColoursOnce)
{
    std::set<std::pair<Color, Color>> pairs;
    for (const auto& s : StyleLibrary::all()) {
        EXPECT_NE(s.first, s.second);
        EXPECT_TRUE(pairs.insert({s.first, s.second}).second);
        EXPECT_EQ(s.screen, lower(colorName(s.first)) + lower(colorName(s.second)));
        EXPECT_EQ(s.heading, heading(s.first, s.second));
        EXPECT_EQ(s.nickname.substr(0, 4), "THE ");
        EXPECT_EQ(StyleLibrary::byScreen(s.screen), &s);
        EXPECT_EQ(StyleLibrary::byColors(s.first, s.second), &s);
    }
    EXPECT_EQ(pairs.size(), 12u);
    for (const auto c : kColors)
        EXPECT_EQ(StyleLibrary::byColors(c, c), nullptr);
    EXPECT_EQ(StyleLibrary::byScreen("redred"), nullptr);
}

TEST(StyleLibrary, FollowsTheChooserOrder)
{
    const char* order[] = {"redyellow", "redgreen",   "redblue",     "bluered",  "bluegreen", "blueyellow",
                           "yellowred", "yellowblue", "yellowgreen", "greenred", "greenblue", "greenyellow"};
    ASSERT_EQ(StyleLibrary::all().size(), 12u);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(StyleLibrary::all()[i].screen, order[i]);
    EXPECT_EQ(StyleLibrary::byScreen("greenyellow")->nickname, "THE IMPRESSER");
}
