#include "WordControls.h"

#include "WordBank.h"

#include <array>
#include <stdexcept>

namespace tessaly {
namespace {

// Box by box, row by row from the top: Most circle, Least circle, definition button.
// clang-format off
constexpr std::array<std::array<WordControls, kRowsPerBox>, kBoxCount> kControls{{
    // 1: magnetic, brave, reserved, modest
    {{{"Option3", "Option8", "Command72"}, {"Option2", "Option7", "Command71"},
      {"Option4", "Option6", "Command70"}, {"Option1", "Option5", "Command69"}}},
    // 2: cautious, unwavering, convincing, goodnatured
    {{{"Option12", "Option13", "Command1"}, {"Option11", "Option14", "Command2"},
      {"Option9", "Option15", "Command4"}, {"Option10", "Option16", "Command3"}}},
    // 3: friendly, accurate, outspoken, calm
    {{{"Option20", "Option21", "Command5"}, {"Option19", "Option22", "Command6"},
      {"Option17", "Option23", "Command7"}, {"Option18", "Option24", "Command8"}}},
    // 4: talkative, disciplined, conventional, persistant
    {{{"Option25", "Option32", "Command9"}, {"Option26", "Option31", "Command10"},
      {"Option28", "Option30", "Command11"}, {"Option27", "Option29", "Command12"}}},
    // 5: charming, attentive, satisfied, forceful
    {{{"Option76", "Option77", "Command36"}, {"Option75", "Option78", "Command35"},
      {"Option73", "Option79", "Command34"}, {"Option74", "Option80", "Command33"}}},
    // 6: tactful, agreeable, enthusiastic, insistent
    {{{"Option68", "Option69", "Command32"}, {"Option67", "Option70", "Command31"},
      {"Option65", "Option71", "Command30"}, {"Option66", "Option72", "Command29"}}},
    // 7: daring, inspiring, submissive, shy
    {{{"Option60", "Option61", "Command28"}, {"Option59", "Option62", "Command27"},
      {"Option57", "Option63", "Command26"}, {"Option58", "Option64", "Command25"}}},
    // 8: diplomatic, obliging, strong-willed, enlivening
    {{{"Option52", "Option53", "Command24"}, {"Option51", "Option54", "Command23"},
      {"Option49", "Option55", "Command22"}, {"Option50", "Option56", "Command21"}}},
    // 9: good-mixer, introspective, fussy, considerate
    {{{"Option81", "Option88", "Command37"}, {"Option82", "Option87", "Command38"},
      {"Option84", "Option86", "Command39"}, {"Option83", "Option85", "Command40"}}},
    // 10: logical, bold, loyal, poised
    {{{"Option89", "Option96", "Command41"}, {"Option90", "Option95", "Command42"},
      {"Option92", "Option94", "Command43"}, {"Option91", "Option93", "Command44"}}},
    // 11: sociable, lenient, self-reliant, soft-spoken
    {{{"Option97", "Option104", "Command45"}, {"Option98", "Option103", "Command46"},
      {"Option100", "Option102", "Command47"}, {"Option99", "Option101", "Command48"}}},
    // 12: willing, eager, respectful, high-spirited
    {{{"Option105", "Option112", "Command49"}, {"Option106", "Option111", "Command50"},
      {"Option108", "Option110", "Command51"}, {"Option107", "Option109", "Command52"}}},
    // 13: stimulating, refined, impatient, contented
    {{{"Option121", "Option128", "Command57"}, {"Option122", "Option127", "Command58"},
      {"Option124", "Option126", "Command59"}, {"Option123", "Option125", "Command60"}}},
    // 14: attractive, introverted, vigorous, patient
    {{{"Option132", "Option133", "Command61"}, {"Option131", "Option134", "Command62"},
      {"Option129", "Option135", "Command63"}, {"Option130", "Option136", "Command64"}}},
    // 15: captivating, easy-going, demanding, compliant
    {{{"Option140", "Option141", "Command65"}, {"Option139", "Option142", "Command66"},
      {"Option137", "Option143", "Command67"}, {"Option138", "Option144", "Command68"}}},
    // 16: adventurous, insightful, out-going, moderate
    {{{"most1", "least1", "Command72"}, {"most2", "least2", "Command71"},
      {"most3", "least3", "Command70"}, {"most4", "least4", "Command69"}}},
    // 17: gentle, persuasive, humble, original
    {{{"most5", "least5", "Command1"}, {"most6", "least6", "Command2"},
      {"most7", "least7", "Command3"}, {"most8", "least8", "Command4"}}},
    // 18: expressive, controlled, dominant, responsive
    {{{"most9", "least9", "Command5"}, {"most10", "least10", "Command6"},
      {"most11", "least11", "Command7"}, {"most12", "least12", "Command8"}}},
    // 19: argumentative, systematic, cooperative, light-hearted
    {{{"most49", "least49", "Command12"}, {"most50", "least50", "Command11"},
      {"most51", "least51", "Command10"}, {"most52", "least52", "Command9"}}},
    // 20: cheerful, kind, perceptive, independent
    {{{"most13", "least13", "Command36"}, {"most14", "least14", "Command35"},
      {"most15", "least15", "Command34"}, {"most16", "least16", "Command33"}}},
    // 21: competitive, predictable, joyful, private
    {{{"most17", "least17", "Command32"}, {"most18", "least18", "Command31"},
      {"most19", "least19", "Command30"}, {"most20", "least20", "Command29"}}},
    // 22: fine-tuned, obedient, firm, playful
    {{{"most21", "least21", "Command28"}, {"most22", "least22", "Command27"},
      {"most23", "least23", "Command26"}, {"most24", "least24", "Command25"}}},
    // 23: aggressive, extroverted, amiable, fearful
    {{{"most25", "least25", "Command37"}, {"most26", "least26", "Command38"},
      {"most27", "least27", "Command39"}, {"most28", "least28", "Command40"}}},
    // 24: confident, sympathetic, impartial, assertive
    {{{"most29", "least29", "Command41"}, {"most30", "least30", "Command42"},
      {"most31", "least31", "Command43"}, {"most32", "least32", "Command44"}}},
    // 25: thorough, generous, animated, decisive
    {{{"most33", "least33", "Command45"}, {"most34", "least34", "Command46"},
      {"most35", "least35", "Command47"}, {"most36", "least36", "Command48"}}},
    // 26: jovial, precise, direct, patient
    {{{"most37", "least37", "Command57"}, {"most38", "least38", "Command58"},
      {"most39", "least39", "Command59"}, {"most40", "least40", "Command60"}}},
    // 27: restless, neighborly, appealing, careful
    {{{"most41", "least41", "Command61"}, {"most42", "least42", "Command62"},
      {"most43", "least43", "Command63"}, {"most44", "least44", "Command64"}}},
    // 28: controlled, pioneering, optimistic, helpful
    {{{"most45", "least45", "Command65"}, {"most46", "least46", "Command66"},
      {"most47", "least47", "Command67"}, {"most48", "least48", "Command68"}}},
}};
// clang-format on

} // namespace

const WordControls& controlsOf(int box, int row)
{
    if (box < 1 || box > kBoxCount || row < 1 || row > kRowsPerBox)
        throw std::out_of_range("no such word on the questionnaire");
    return kControls[static_cast<std::size_t>(box - 1)][static_cast<std::size_t>(row - 1)];
}

} // namespace tessaly
