#include "StyleLibrary.h"

#include "EmbeddedText.h"
#include "TextLines.h"

#include <algorithm>
#include <array>

namespace tessaly {
namespace {

using namespace embedded;

struct Source {
    std::string_view screen;
    Color first;
    Color second;
    std::string_view heading;
    std::string_view nickname;
    std::string_view screenText;
    std::string_view printText;
};

// clang-format off
const std::array<Source, 12> kSources{{
    {"redyellow", Color::Red, Color::Yellow, "Red/Yellow - The Directing Socializer", "THE ENTHUSIAST", redyellowText(), redyellowPrint()},
    {"redgreen", Color::Red, Color::Green, "Red/Green - The Directing Thinker", "THE MASTERMIND", redgreenText(), redgreenPrint()},
    {"redblue", Color::Red, Color::Blue, "Red/Blue - The Directing Relater", "THE GO-GETTER", redblueText(), redbluePrint()},
    {"bluered", Color::Blue, Color::Red, "Blue/Red - The Relating Director", "THE PRODUCER", blueredText(), blueredPrint()},
    {"bluegreen", Color::Blue, Color::Green, "Blue/Green - The Relating Thinker", "THE ADMINISTRATOR", bluegreenText(), bluegreenPrint()},
    {"blueyellow", Color::Blue, Color::Yellow, "Blue/Yellow - The Relating Socializer", "THE HELPER", blueyellowText(), blueyellowPrint()},
    {"yellowred", Color::Yellow, Color::Red, "Yellow/Red - The Socializing Director", "THE ADVENTURER", yellowredText(), yellowredPrint()},
    {"yellowblue", Color::Yellow, Color::Blue, "Yellow/Blue - The Socializing Relater", "THE HARMONIZER", yellowblueText(), yellowbluePrint()},
    {"yellowgreen", Color::Yellow, Color::Green, "Yellow/Green - The Socializing Thinker", "THE ASSESSOR", yellowgreenText(), yellowgreenPrint()},
    {"greenred", Color::Green, Color::Red, "Green/Red - The Thinking Director", "THE PIONEER", greenredText(), greenredPrint()},
    {"greenblue", Color::Green, Color::Blue, "Green/Blue - The Thinking Relater", "THE SPECIALIST", greenblueText(), greenbluePrint()},
    {"greenyellow", Color::Green, Color::Yellow, "Green/Yellow - The Thinking Socializer", "THE IMPRESSER", greenyellowText(), greenyellowPrint()},
}};
// clang-format on

// Made on first use: start-up has no need of the printed texts split into lines.
const std::array<StyleDescription, 12>& styles()
{
    static const std::array<StyleDescription, 12> made = [] {
        std::array<StyleDescription, 12> styles;
        for (std::size_t i = 0; i < kSources.size(); ++i) {
            const Source& s = kSources[i];
            auto printed = splitLines(s.printText);
            const auto headerEnd = printed.begin() + std::min<std::ptrdiff_t>(4, std::ssize(printed));
            styles[i] = {s.screen,
                         s.first,
                         s.second,
                         s.heading,
                         s.nickname,
                         s.screenText,
                         {printed.begin(), headerEnd},
                         {headerEnd, printed.end()}};
        }
        return styles;
    }();
    return made;
}

} // namespace

std::span<const StyleDescription> StyleLibrary::all() { return styles(); }

const StyleDescription* StyleLibrary::byScreen(std::string_view screen)
{
    const auto& library = styles();
    const auto it = std::ranges::find(library, screen, &StyleDescription::screen);
    return it == library.end() ? nullptr : &*it;
}

const StyleDescription* StyleLibrary::byColors(Color first, Color second)
{
    const auto& library = styles();
    const auto it =
        std::ranges::find_if(library, [&](const auto& s) { return s.first == first && s.second == second; });
    return it == library.end() ? nullptr : &*it;
}

} // namespace tessaly
