#pragma once

#include "Color.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tessaly {

// The two questionnaire screens: Part I holds boxes 1 to 15, Part II boxes 16 to 28.
enum class QuizScreen { Quiz, Quiz2 };

enum class MarkColumn { Most, Least };

inline constexpr int kBoxCount = 28;
inline constexpr int kRowsPerBox = 4;

constexpr int firstBoxOf(QuizScreen s) { return s == QuizScreen::Quiz ? 1 : 16; }
constexpr int lastBoxOf(QuizScreen s) { return s == QuizScreen::Quiz ? 15 : 28; }
constexpr QuizScreen screenOfBox(int box) { return box <= 15 ? QuizScreen::Quiz : QuizScreen::Quiz2; }

struct BoxWord {
    std::string_view caption;
    std::optional<Color> mostColor; // none: a Most mark counts for no colour
    std::optional<Color> leastColor; // none: a Least mark counts against no colour
    int blanksAfterIs; // blanks between "is:" and the definition proper
    std::string_view definition;
};

struct WordBox {
    int number;
    QuizScreen screen;
    std::array<BoxWord, kRowsPerBox> words; // row 1 at the top
};

// The fixed 28 boxes of four words. Built once from the compiled-in table and definitions.
class WordBank {
public:
    static const WordBank& instance();

    std::span<const WordBox> boxes() const { return boxes_; }
    std::span<const WordBox> boxesOf(QuizScreen screen) const;
    const WordBox& box(int number) const; // throws std::out_of_range outside 1..28

private:
    WordBank();
    std::array<WordBox, kBoxCount> boxes_;
};

// The sample box of the instructions screen repeats box 1 with its own definition texts.
const std::array<std::string_view, kRowsPerBox>& sampleDefinitions();

} // namespace tessaly
