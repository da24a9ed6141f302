#pragma once

#include "WordBank.h"

#include <array>
#include <optional>

namespace tessaly {

// The two marks of one box. A word is never both the Most and the Least choice:
// choosing it in one column empties the other column if it held the same word.
struct BoxMarks {
    std::optional<int> most;
    std::optional<int> least;

    void select(MarkColumn column, int row);
    friend bool operator==(const BoxMarks&, const BoxMarks&) = default;
};

class AnswerSheet {
public:
    // The box's mark in the column moves to the row, and leaves the other column if it was
    // there.
    void selectMost(int box, int row);
    void selectLeast(int box, int row);

    std::optional<int> most(int box) const { return marks(box).most; }
    std::optional<int> least(int box) const { return marks(box).least; }
    const BoxMarks& marks(int box) const;

    // Empties the boxes of one screen, as when that screen is thrown away.
    void resetScreen(QuizScreen screen);

private:
    BoxMarks& marksOf(int box) { return const_cast<BoxMarks&>(marks(box)); }

    std::array<BoxMarks, kBoxCount> boxes_{};
};

} // namespace tessaly
