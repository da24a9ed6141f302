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
    std::string_view mostOption;
    std::string_view leastOption;
    std::string_view definitionButton;
    int blanksAfterIs;
};

struct BoxRows {
    int number;
    std::array<Row, kRowsPerBox> rows;
};

// Box, row, caption, Most adds to, Least takes from, Most circle, Least circle,
// definition button, blanks after "is:".
// clang-format off
constexpr std::array<BoxRows, kBoxCount> kTable{{
    {1, {{
        {"magnetic", Color::Yellow, Color::Yellow, "Option3", "Option8", "Command72", 2},
        {"brave", Color::Red, Color::Red, "Option2", "Option7", "Command71", 2},
        {"reserved", Color::Green, Color::Green, "Option4", "Option6", "Command70", 1},
        {"modest", Color::Blue, Color::Blue, "Option1", "Option5", "Command69", 1},
    }}},
    {2, {{
        {"cautious", Color::Green, Color::Green, "Option12", "Option13", "Command1", 1},
        {"unwavering", Color::Red, Color::Red, "Option11", "Option14", "Command2", 1},
        {"convincing", Color::Yellow, Color::Yellow, "Option9", "Option15", "Command4", 1},
        {"goodnatured", Color::Blue, kNone, "Option10", "Option16", "Command3", 1},
    }}},
    {3, {{
        {"friendly", Color::Yellow, kNone, "Option20", "Option21", "Command5", 2},
        {"accurate", Color::Green, Color::Green, "Option19", "Option22", "Command6", 2},
        {"outspoken", Color::Red, Color::Red, "Option17", "Option23", "Command7", 1},
        {"calm", kNone, Color::Blue, "Option18", "Option24", "Command8", 1},
    }}},
    {4, {{
        {"talkative", Color::Yellow, Color::Yellow, "Option25", "Option32", "Command9", 2},
        {"disciplined", Color::Green, Color::Green, "Option26", "Option31", "Command10", 2},
        {"conventional", Color::Blue, Color::Blue, "Option28", "Option30", "Command11", 2},
        {"persistant", Color::Red, Color::Red, "Option27", "Option29", "Command12", 2},
    }}},
    {5, {{
        {"charming", Color::Yellow, Color::Yellow, "Option76", "Option77", "Command36", 1},
        {"attentive", Color::Green, kNone, "Option75", "Option78", "Command35", 1},
        {"satisfied", Color::Blue, Color::Blue, "Option73", "Option79", "Command34", 1},
        {"forceful", Color::Red, Color::Red, "Option74", "Option80", "Command33", 1},
    }}},
    {6, {{
        {"tactful", Color::Green, Color::Green, "Option68", "Option69", "Command32", 1},
        {"agreeable", Color::Blue, Color::Blue, "Option67", "Option70", "Command31", 1},
        {"enthusiastic", Color::Yellow, Color::Yellow, "Option65", "Option71", "Command30", 2},
        {"insistent", Color::Red, Color::Red, "Option66", "Option72", "Command29", 1},
    }}},
    {7, {{
        {"daring", Color::Red, Color::Red, "Option60", "Option61", "Command28", 2},
        {"inspiring", Color::Yellow, Color::Yellow, "Option59", "Option62", "Command27", 2},
        {"submissive", Color::Blue, Color::Blue, "Option57", "Option63", "Command26", 2},
        {"shy", kNone, Color::Green, "Option58", "Option64", "Command25", 2},
    }}},
    {8, {{
        {"diplomatic", Color::Green, Color::Green, "Option52", "Option53", "Command24", 2},
        {"obliging", Color::Blue, Color::Blue, "Option51", "Option54", "Command23", 2},
        {"strong-willed", Color::Red, Color::Red, "Option49", "Option55", "Command22", 2},
        {"enlivening", Color::Yellow, Color::Yellow, "Option50", "Option56", "Command21", 2},
    }}},
    {9, {{
        {"good-mixer", Color::Yellow, Color::Yellow, "Option81", "Option88", "Command37", 1},
        {"introspective", Color::Green, kNone, "Option82", "Option87", "Command38", 1},
        {"fussy", Color::Red, Color::Red, "Option84", "Option86", "Command39", 1},
        {"considerate", Color::Blue, Color::Blue, "Option83", "Option85", "Command40", 1},
    }}},
    {10, {{
        {"logical", Color::Green, Color::Green, "Option89", "Option96", "Command41", 2},
        {"bold", Color::Red, Color::Red, "Option90", "Option95", "Command42", 2},
        {"loyal", Color::Blue, Color::Blue, "Option92", "Option94", "Command43", 2},
        {"poised", Color::Yellow, Color::Yellow, "Option91", "Option93", "Command44", 2},
    }}},
    {11, {{
        {"sociable", Color::Yellow, Color::Yellow, "Option97", "Option104", "Command45", 2},
        {"lenient", Color::Blue, Color::Blue, "Option98", "Option103", "Command46", 2},
        {"self-reliant", Color::Red, Color::Red, "Option100", "Option102", "Command47", 1},
        {"soft-spoken", Color::Green, Color::Green, "Option99", "Option101", "Command48", 2},
    }}},
    {12, {{
        {"willing", Color::Blue, Color::Blue, "Option105", "Option112", "Command49", 1},
        {"eager", Color::Red, kNone, "Option106", "Option111", "Command50", 1},
        {"respectful", Color::Green, Color::Green, "Option108", "Option110", "Command51", 1},
        {"high-spirited", Color::Yellow, Color::Yellow, "Option107", "Option109", "Command52", 1},
    }}},
    {13, {{
        {"stimulating", Color::Yellow, Color::Yellow, "Option121", "Option128", "Command57", 1},
        {"refined", Color::Green, Color::Green, "Option122", "Option127", "Command58", 1},
        {"impatient", Color::Red, Color::Red, "Option124", "Option126", "Command59", 1},
        {"contented", Color::Blue, Color::Blue, "Option123", "Option125", "Command60", 1},
    }}},
    {14, {{
        {"attractive", Color::Yellow, Color::Yellow, "Option132", "Option133", "Command61", 1},
        {"introverted", Color::Green, Color::Green, "Option131", "Option134", "Command62", 1},
        {"vigorous", Color::Red, Color::Red, "Option129", "Option135", "Command63", 1},
        {"patient", Color::Blue, Color::Blue, "Option130", "Option136", "Command64", 1},
    }}},
    {15, {{
        {"captivating", Color::Yellow, Color::Yellow, "Option140", "Option141", "Command65", 1},
        {"easy-going", Color::Blue, Color::Blue, "Option139", "Option142", "Command66", 1},
        {"demanding", Color::Red, Color::Red, "Option137", "Option143", "Command67", 1},
        {"compliant", Color::Green, Color::Green, "Option138", "Option144", "Command68", 1},
    }}},
    {16, {{
        {"adventurous", Color::Red, Color::Red, "most1", "least1", "Command72", 2},
        {"insightful", Color::Green, Color::Green, "most2", "least2", "Command71", 2},
        {"out-going", Color::Yellow, Color::Yellow, "most3", "least3", "Command70", 1},
        {"moderate", Color::Blue, Color::Blue, "most4", "least4", "Command69", 1},
    }}},
    {17, {{
        {"gentle", Color::Blue, Color::Blue, "most5", "least5", "Command1", 1},
        {"persuasive", Color::Yellow, kNone, "most6", "least6", "Command2", 1},
        {"humble", kNone, Color::Green, "most7", "least7", "Command3", 1},
        {"original", kNone, Color::Red, "most8", "least8", "Command4", 1},
    }}},
    {18, {{
        {"expressive", Color::Yellow, Color::Yellow, "most9", "least9", "Command5", 2},
        {"controlled", Color::Green, Color::Green, "most10", "least10", "Command6", 2},
        {"dominant", Color::Red, Color::Red, "most11", "least11", "Command7", 1},
        {"responsive", kNone, Color::Blue, "most12", "least12", "Command8", 1},
    }}},
    {19, {{
        {"argumentative", Color::Red, Color::Red, "most49", "least49", "Command12", 2},
        {"systematic", Color::Green, Color::Green, "most50", "least50", "Command11", 2},
        {"cooperative", Color::Blue, Color::Blue, "most51", "least51", "Command10", 2},
        {"light-hearted", Color::Yellow, Color::Yellow, "most52", "least52", "Command9", 2},
    }}},
    {20, {{
        {"cheerful", Color::Yellow, Color::Yellow, "most13", "least13", "Command36", 1},
        {"kind", Color::Blue, Color::Blue, "most14", "least14", "Command35", 1},
        {"perceptive", Color::Green, Color::Green, "most15", "least15", "Command34", 1},
        {"independent", Color::Red, Color::Red, "most16", "least16", "Command33", 1},
    }}},
    {21, {{
        {"competitive", Color::Red, Color::Red, "most17", "least17", "Command32", 1},
        {"predictable", Color::Blue, Color::Blue, "most18", "least18", "Command31", 1},
        {"joyful", Color::Yellow, Color::Yellow, "most19", "least19", "Command30", 2},
        {"private", Color::Green, Color::Green, "most20", "least20", "Command29", 1},
    }}},
    {22, {{
        {"fine-tuned", Color::Yellow, Color::Yellow, "most21", "least21", "Command28", 2},
        {"obedient", Color::Blue, Color::Blue, "most22", "least22", "Command27", 2},
        {"firm", Color::Red, Color::Red, "most23", "least23", "Command26", 1},
        {"playful", Color::Green, Color::Green, "most24", "least24", "Command25", 2},
    }}},
    {23, {{
        {"aggressive", Color::Red, Color::Red, "most25", "least25", "Command37", 1},
        {"extroverted", Color::Yellow, Color::Yellow, "most26", "least26", "Command38", 1},
        {"amiable", Color::Blue, Color::Blue, "most27", "least27", "Command39", 1},
        {"fearful", kNone, Color::Green, "most28", "least28", "Command40", 1},
    }}},
    {24, {{
        {"confident", Color::Yellow, Color::Yellow, "most29", "least29", "Command41", 2},
        {"sympathetic", Color::Blue, Color::Blue, "most30", "least30", "Command42", 2},
        {"impartial", kNone, Color::Green, "most31", "least31", "Command43", 2},
        {"assertive", Color::Red, Color::Red, "most32", "least32", "Command44", 1},
    }}},
    {25, {{
        {"thorough", Color::Green, Color::Green, "most33", "least33", "Command45", 2},
        {"generous", Color::Blue, Color::Blue, "most34", "least34", "Command46", 2},
        {"animated", Color::Yellow, Color::Yellow, "most35", "least35", "Command47", 1},
        {"decisive", Color::Red, Color::Red, "most36", "least36", "Command48", 2},
    }}},
    {26, {{
        {"jovial", Color::Yellow, Color::Yellow, "most37", "least37", "Command57", 1},
        {"precise", Color::Green, Color::Green, "most38", "least38", "Command58", 1},
        {"direct", Color::Red, Color::Red, "most39", "least39", "Command59", 2},
        {"patient", Color::Blue, Color::Blue, "most40", "least40", "Command60", 1},
    }}},
    {27, {{
        {"restless", Color::Red, Color::Red, "most41", "least41", "Command61", 1},
        {"neighborly", Color::Blue, Color::Blue, "most42", "least42", "Command62", 1},
        {"appealing", Color::Yellow, Color::Yellow, "most43", "least43", "Command63", 1},
        {"careful", Color::Green, Color::Green, "most44", "least44", "Command64", 1},
    }}},
    {28, {{
        {"controlled", Color::Green, Color::Green, "most45", "least45", "Command65", 1},
        {"pioneering", Color::Red, Color::Red, "most46", "least46", "Command66", 2},
        {"optimistic", Color::Yellow, Color::Yellow, "most47", "least47", "Command67", 2},
        {"helpful", Color::Blue, Color::Blue, "most48", "least48", "Command68", 1},
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
            box.words[r] = {row.caption,     row.mostColor,        row.leastColor,    row.mostOption,
                            row.leastOption, row.definitionButton, row.blanksAfterIs, definitions[b * kRowsPerBox + r]};
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

const BoxWord& WordBank::word(int boxNumber, int row) const
{
    if (row < 1 || row > kRowsPerBox)
        throw std::out_of_range("row out of range");
    return box(boxNumber).words[static_cast<std::size_t>(row - 1)];
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
