#include "Completeness.h"

#include <utility>

namespace tessaly {

std::optional<MissingChoice> findMissingChoice(const AnswerSheet& sheet, QuizScreen screen)
{
    for (int box = firstBoxOf(screen); box <= lastBoxOf(screen); ++box) {
        // Box 13 has always been checked Least first; users know the message by it.
        auto order = std::pair{MarkColumn::Most, MarkColumn::Least};
        if (box == 13)
            order = {MarkColumn::Least, MarkColumn::Most};
        for (const auto column : {order.first, order.second}) {
            const auto& marks = sheet.marks(box);
            const auto& mark = column == MarkColumn::Most ? marks.most : marks.least;
            if (!mark)
                return MissingChoice{box, column};
        }
    }
    return std::nullopt;
}

} // namespace tessaly
