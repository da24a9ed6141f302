#include "AnswerSheet.h"

#include <stdexcept>

namespace tessaly {

void BoxMarks::select(MarkColumn column, int row)
{
    if (row < 1 || row > kRowsPerBox)
        throw std::out_of_range("row out of range");
    auto& chosen = column == MarkColumn::Most ? most : least;
    auto& other = column == MarkColumn::Most ? least : most;
    chosen = row;
    if (other == row)
        other.reset();
}

const BoxMarks& AnswerSheet::marks(int box) const
{
    if (box < 1 || box > kBoxCount)
        throw std::out_of_range("box number out of range");
    return boxes_[static_cast<std::size_t>(box - 1)];
}

void AnswerSheet::selectMost(int box, int row) { marksOf(box).select(MarkColumn::Most, row); }

void AnswerSheet::selectLeast(int box, int row) { marksOf(box).select(MarkColumn::Least, row); }

void AnswerSheet::resetScreen(QuizScreen screen)
{
    for (int box = firstBoxOf(screen); box <= lastBoxOf(screen); ++box)
        boxes_[static_cast<std::size_t>(box - 1)] = {};
}

} // namespace tessaly
