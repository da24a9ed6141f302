#include "StrengthCircleChart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tessaly;

namespace {

struct Sector {
    int x, y, r;
    float start, end;
    Color fill;
};

class RecordingSurface final : public DrawSurface {
public:
    void FillSector(int x, int y, int r, float start, float end, Color fill) override
    {
        sectors.push_back({x, y, r, start, end, fill});
    }
    std::vector<Sector> sectors;
};

std::vector<Sector> draw(const std::array<std::string, 4>& texts)
{
    RecordingSurface surface;
    StrengthCircleChart({chartValue(texts[0]), chartValue(texts[1]), chartValue(texts[2]), chartValue(texts[3])},
                        surface);
    return surface.sectors;
}

void expectAngles(const std::vector<Sector>& sectors, const std::vector<std::pair<float, float>>& angles)
{
    ASSERT_EQ(sectors.size(), angles.size());
    for (std::size_t i = 0; i < angles.size(); ++i) {
        EXPECT_NEAR(sectors[i].start, angles[i].first, 2e-6) << "sector " << i;
        EXPECT_NEAR(sectors[i].end, angles[i].second, 2e-6) << "sector " << i;
        EXPECT_EQ(sectors[i].fill, kColors[i]);
        EXPECT_EQ(sectors[i].x, 2100);
        EXPECT_EQ(sectors[i].y, 1900);
        EXPECT_EQ(sectors[i].r, 1500);
    }
}

} // namespace

TEST(StrengthCircleChart, WorkedExample)
{
    const auto sectors = draw({"10", "5", "3", "2"});
    expectAngles(sectors, {{0.00001F, 3.1416F}, {3.1416F, 4.712395F}, {4.712395F, 5.654872F}, {5.654872F, 6.28318F}});
    EXPECT_EQ(sectors.back().end, 6.28318F); // held exactly at 2 pi
}

TEST(StrengthCircleChart, EqualValuesGiveQuarters)
{
    expectAngles(draw({"7", "7", "7", "7"}),
                 {{0.00001F, 1.570805F}, {1.570805F, 3.1416F}, {3.1416F, 4.712395F}, {4.712395F, 6.28318F}});
}

TEST(StrengthCircleChart, OneLargeValue)
{
    const auto sectors = draw({"28", "1", "1", "1"});
    ASSERT_EQ(sectors.size(), 4u);
    EXPECT_NEAR(sectors[0].end, 5.67514F, 1e-5);
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_NEAR(sectors[i].end - sectors[i].start, 0.2027F, 1e-4);
}

TEST(StrengthCircleChart, TextThatIsNotAUsableNumberIsNone)
{
    const std::string huge(10000, '9');
    const auto none = std::nullopt;
    struct Case {
        std::string text;
        std::optional<float> value;
    };
    const Case cases[] = {
        {"", none},    {"   ", none}, {"abc", none}, {"12abc", none}, {"-5", none}, {"1e40", none}, {"nan", none},
        {"inf", none}, {huge, none},  {"0", 0},      {"20", 20},      {" 20 ", 20}, {"2.5", 2.5F},  {"1e3", 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chartValue(c.text), c.value) << "'" << c.text.substr(0, 20) << "'";
}

TEST(StrengthCircleChart, BadValuesLeaveTheOthersAndAllZeroDrawsNothing)
{
    // Yellow and Blue count as 0: Red and Green share the circle, and no sector is drawn for 0.
    const auto sectors = draw({"10", "nan", "-5", "10"});
    ASSERT_EQ(sectors.size(), 2u);
    EXPECT_EQ(sectors[0].fill, Color::Red);
    EXPECT_NEAR(sectors[0].end, 3.1416F, 2e-6);
    EXPECT_EQ(sectors[1].fill, Color::Green);
    EXPECT_NEAR(sectors[1].start, 3.1416F, 2e-6);
    EXPECT_EQ(sectors[1].end, 6.28318F);

    EXPECT_TRUE(draw({"0", "0", "0", "0"}).empty());
    EXPECT_TRUE(draw({"", "x", std::string(10000, '9'), "1e40"}).empty());
}
