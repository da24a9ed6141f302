#include "WordBank.h"

#include "EmbeddedText.h"
#include "TextLines.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tessaly {
namespace {

constexpr std::optional<Color> kNone;

struct Row {
    std::string_view caption;
    std::optional<Color> mostColor;
    std::optional<Color> leastColor;
    int blanksAfterIs;
};

struct BoxRows {
    int number;
    std::array<Row, kRowsPerBox> rows;
};

// Box, then each row's caption, what Most adds to, what Least takes from, and the blanks
// after "is:".
// clang-format off
constexpr std::array<BoxRows, kBoxCount> kTable{{
    {1, {{
        {"magnetic", Color::Yellow, Color::Yellow, 2},
        {"brave", Color::Red, Color::Red, 2},
        {"reserved", Color::Green, Color::Green, 1},
        {"modest", Color::Blue, Color::Blue, 1},
    }}},
    {2, {{
        {"cautious", Color::Green, Color::Green, 1},
        {"unwavering", Color::Red, Color::Red, 1},
        {"convincing", Color::Yellow, Color::Yellow, 1},
        {"goodnatured", Color::Blue, kNone, 1},
    }}},
    {3, {{
        {"friendly", Color::Yellow, kNone, 2},
        {"accurate", Color::Green, Color::Green, 2},
        {"outspoken", Color::Red, Color::Red, 1},
        {"calm", kNone, Color::Blue, 1},
    }}},
    {4, {{
        {"talkative", Color::Yellow, Color::Yellow, 2},
        {"disciplined", Color::Green, Color::Green, 2},
        {"conventional", Color::Blue, Color::Blue, 2},
        {"persistant", Color::Red, Color::Red, 2},
    }}},
    {5, {{
        {"charming", Color::Yellow, Color::Yellow, 1},
        {"attentive", Color::Green, kNone, 1},
        {"satisfied", Color::Blue, Color::Blue, 1},
        {"forceful", Color::Red, Color::Red, 1},
    }}},
    {6, {{
        {"tactful", Color::Green, Color::Green, 1},
        {"agreeable", Color::Blue, Color::Blue, 1},
        {"enthusiastic", Color::Yellow, Color::Yellow, 2},
        {"insistent", Color::Red, Color::Red, 1},
    }}},
    {7, {{
        {"daring", Color::Red, Color::Red, 2},
        {"inspiring", Color::Yellow, Color::Yellow, 2},
        {"submissive", Color::Blue, Color::Blue, 2},
        {"shy", kNone, Color::Green, 2},
    }}},
    {8, {{
        {"diplomatic", Color::Green, Color::Green, 2},
        {"obliging", Color::Blue, Color::Blue, 2},
        {"strong-willed", Color::Red, Color::Red, 2},
        {"enlivening", Color::Yellow, Color::Yellow, 2},
    }}},
    {9, {{
        {"good-mixer", Color::Yellow, Color::Yellow, 1},
        {"introspective", Color::Green, kNone, 1},
        {"fussy", Color::Red, Color::Red, 1},
        {"considerate", Color::Blue, Color::Blue, 1},
    }}},
    {10, {{
        {"logical", Color::Green, Color::Green, 2},
        {"bold", Color::Red, Color::Red, 2},
        {"loyal", Color::Blue, Color::Blue, 2},
        {"poised", Color::Yellow, Color::Yellow, 2},
    }}},
    {11, {{
        {"sociable", Color::Yellow, Color::Yellow, 2},
        {"lenient", Color::Blue, Color::Blue, 2},
        {"self-reliant", Color::Red, Color::Red, 1},
        {"soft-spoken", Color::Green, Color::Green, 2},
    }}},
    {12, {{
        {"willing", Color::Blue, Color::Blue, 1},
        {"eager", Color::Red, kNone, 1},
        {"respectful", Color::Green, Color::Green, 1},
        {"high-spirited", Color::Yellow, Color::Yellow, 1},
    }}},
    {13, {{
        {"stimulating", Color::Yellow, Color::Yellow, 1},
        {"refined", Color::Green, Color::Green, 1},
        {"impatient", Color::Red, Color::Red, 1},
        {"contented", Color::Blue, Color::Blue, 1},
    }}},
    {14, {{
        {"attractive", Color::Yellow, Color::Yellow, 1},
        {"introverted", Color::Green, Color::Green, 1},
        {"vigorous", Color::Red, Color::Red, 1},
        {"patient", Color::Blue, Color::Blue, 1},
    }}},
    {15, {{
        {"captivating", Color::Yellow, Color::Yellow, 1},
        {"easy-going", Color::Blue, Color::Blue, 1},
        {"demanding", Color::Red, Color::Red, 1},
        {"compliant", Color::Green, Color::Green, 1},
    }}},
    {16, {{
        {"adventurous", Color::Red, Color::Red, 2},
        {"insightful", Color::Green, Color::Green, 2},
        {"out-going", Color::Yellow, Color::Yellow, 1},
        {"moderate", Color::Blue, Color::Blue, 1},
    }}},
    {17, {{
        {"gentle", Color::Blue, Color::Blue, 1},
        {"persuasive", Color::Yellow, kNone, 1},
        {"humble", kNone, Color::Green, 1},
        {"original", kNone, Color::Red, 1},
    }}},
    {18, {{
        {"expressive", Color::Yellow, Color::Yellow, 2},
        {"controlled", Color::Green, Color::Green, 2},
        {"dominant", Color::Red, Color::Red, 1},
        {"responsive", kNone, Color::Blue, 1},
    }}},
    {19, {{
        {"argumentative", Color::Red, Color::Red, 2},
        {"systematic", Color::Green, Color::Green, 2},
        {"cooperative", Color::Blue, Color::Blue, 2},
        {"light-hearted", Color::Yellow, Color::Yellow, 2},
    }}},
    {20, {{
        {"cheerful", Color::Yellow, Color::Yellow, 1},
        {"kind", Color::Blue, Color::Blue, 1},
        {"perceptive", Color::Green, Color::Green, 1},
        {"independent", Color::Red, Color::Red, 1},
    }}},
    {21, {{
        {"competitive", Color::Red, Color::Red, 1},
        {"predictable", Color::Blue, Color::Blue, 1},
        {"joyful", Color::Yellow, Color::Yellow, 2},
        {"private", Color::Green, Color::Green, 1},
    }}},
    {22, {{
        {"fine-tuned", Color::Yellow, Color::Yellow, 2},
        {"obedient", Color::Blue, Color::Blue, 2},
        {"firm", Color::Red, Color::Red, 1},
        {"playful", Color::Green, Color::Green, 2},
    }}},
    {23, {{
        {"aggressive", Color::Red, Color::Red, 1},
        {"extroverted", Color::Yellow, Color::Yellow, 1},
        {"amiable", Color::Blue, Color::Blue, 1},
        {"fearful", kNone, Color::Green, 1},
    }}},
    {24, {{
        {"confident", Color::Yellow, Color::Yellow, 2},
        {"sympathetic", Color::Blue, Color::Blue, 2},
        {"impartial", kNone, Color::Green, 2},
        {"assertive", Color::Red, Color::Red, 1},
    }}},
    {25, {{
        {"thorough", Color::Green, Color::Green, 2},
        {"generous", Color::Blue, Color::Blue, 2},
        {"animated", Color::Yellow, Color::Yellow, 1},
        {"decisive", Color::Red, Color::Red, 2},
    }}},
    {26, {{
        {"jovial", Color::Yellow, Color::Yellow, 1},
        {"precise", Color::Green, Color::Green, 1},
        {"direct", Color::Red, Color::Red, 2},
        {"patient", Color::Blue, Color::Blue, 1},
    }}},
    {27, {{
        {"restless", Color::Red, Color::Red, 1},
        {"neighborly", Color::Blue, Color::Blue, 1},
        {"appealing", Color::Yellow, Color::Yellow, 1},
        {"careful", Color::Green, Color::Green, 1},
    }}},
    {28, {{
        {"controlled", Color::Green, Color::Green, 1},
        {"pioneering", Color::Red, Color::Red, 2},
        {"optimistic", Color::Yellow, Color::Yellow, 2},
        {"helpful", Color::Blue, Color::Blue, 1},
    }}},
}};
// clang-format on

void checkBox(int number)
{
    if (number < 1 || number > kBoxCount)
        throw std::out_of_range("box number out of range");
}

} // namespace

WordBank::WordBank()
{
    const auto definitions = splitLines(embedded::wordDefinitions());
    if (definitions.size() != kBoxCount * kRowsPerBox)
        throw std::logic_error("the word definitions do not match the word bank");
    for (std::size_t b = 0; b < kTable.size(); ++b) {
        const auto& source = kTable[b];
        auto& box = boxes_[b];
        box.number = source.number;
        box.screen = screenOfBox(source.number);
        for (std::size_t r = 0; r < kRowsPerBox; ++r) {
            const auto& row = source.rows[r];
            box.words[r] = {row.caption, row.mostColor, row.leastColor, row.blanksAfterIs,
                            definitions[b * kRowsPerBox + r]};
        }
    }
}

const WordBank& WordBank::instance()
{
    static const WordBank bank;
    return bank;
}

std::span<const WordBox> WordBank::boxesOf(QuizScreen screen) const
{
    const auto first = static_cast<std::size_t>(firstBoxOf(screen) - 1);
    const auto count = static_cast<std::size_t>(lastBoxOf(screen) - firstBoxOf(screen) + 1);
    return std::span<const WordBox>(boxes_).subspan(first, count);
}

const WordBox& WordBank::box(int number) const
{
    checkBox(number);
    return boxes_[static_cast<std::size_t>(number - 1)];
}

const std::array<std::string_view, kRowsPerBox>& sampleDefinitions()
{
    static const auto texts = [] {
        const auto lines = splitLines(embedded::sampleDefinitions());
        if (lines.size() != kRowsPerBox)
            throw std::logic_error("the sample box needs four definitions");
        std::array<std::string_view, kRowsPerBox> result;
        std::copy(lines.begin(), lines.end(), result.begin());
        return result;
    }();
    return texts;
}

} // namespace tessaly
