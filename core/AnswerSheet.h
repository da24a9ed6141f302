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
    void selectMost(int box, int row) { select(MarkColumn::Most, box, row); }
    void selectLeast(int box, int row) { select(MarkColumn::Least, box, row); }
    void select(MarkColumn column, int box, int row);

    std::optional<int> most(int box) const { return marks(box).most; }
    std::optional<int> least(int box) const { return marks(box).least; }
    const BoxMarks& marks(int box) const;

    // Empties the boxes of one screen, as when that screen is thrown away.
    void resetScreen(QuizScreen screen);

private:
    std::array<BoxMarks, kBoxCount> boxes_{};
};

} // namespace tessaly
