#include "StyleLibrary.h"

#include "EmbeddedText.h"

#include <algorithm>
#include <array>

namespace tessaly {
namespace {

using namespace embedded;

const std::array<StyleDescription, 12> kStyles{{
    {"redyellow", Color::Red, Color::Yellow, "Red/Yellow - The Directing Socializer", "THE ENTHUSIAST", redyellowText()},
    {"redgreen", Color::Red, Color::Green, "Red/Green - The Directing Thinker", "THE MASTERMIND", redgreenText()},
    {"redblue", Color::Red, Color::Blue, "Red/Blue - The Directing Relater", "THE GO-GETTER", redblueText()},
    {"bluered", Color::Blue, Color::Red, "Blue/Red - The Relating Director", "THE PRODUCER", blueredText()},
    {"bluegreen", Color::Blue, Color::Green, "Blue/Green - The Relating Thinker", "THE ADMINISTRATOR", bluegreenText()},
    {"blueyellow", Color::Blue, Color::Yellow, "Blue/Yellow - The Relating Socializer", "THE HELPER", blueyellowText()},
    {"yellowred", Color::Yellow, Color::Red, "Yellow/Red - The Socializing Director", "THE ADVENTURER", yellowredText()},
    {"yellowblue", Color::Yellow, Color::Blue, "Yellow/Blue - The Socializing Relater", "THE HARMONIZER", yellowblueText()},
    {"yellowgreen", Color::Yellow, Color::Green, "Yellow/Green - The Socializing Thinker", "THE ASSESSOR", yellowgreenText()},
    {"greenred", Color::Green, Color::Red, "Green/Red - The Thinking Director", "THE PIONEER", greenredText()},
    {"greenblue", Color::Green, Color::Blue, "Green/Blue - The Thinking Relater", "THE SPECIALIST", greenblueText()},
    {"greenyellow", Color::Green, Color::Yellow, "Green/Yellow - The Thinking Socializer", "THE IMPRESSER", greenyellowText()},
}};

} // namespace

std::span<const StyleDescription> StyleLibrary::all() { return kStyles; }

const StyleDescription* StyleLibrary::byScreen(std::string_view screen)
{
    const auto it = std::ranges::find(kStyles, screen, &StyleDescription::screen);
    return it == kStyles.end() ? nullptr : &*it;
}

const StyleDescription* StyleLibrary::byColors(Color first, Color second)
{
    const auto it = std::ranges::find_if(kStyles, [&](const auto& s) { return s.first == first && s.second == second; });
    return it == kStyles.end() ? nullptr : &*it;
}

} // namespace tessaly
