#pragma once

#include "AnswerSheet.h"

#include <optional>

namespace tessaly {

struct MissingChoice {
    int box;
    MarkColumn column;
    friend bool operator==(const MissingChoice&, const MissingChoice&) = default;
};

// The first mark missing on a screen, in that screen's check order, or none when complete.
std::optional<MissingChoice> findMissingChoice(const AnswerSheet& sheet, QuizScreen screen);

} // namespace tessaly
