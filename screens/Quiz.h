#pragma once

#include "ScreenWindow.h"
#include "WordBank.h"

namespace tessaly {

// One questionnaire screen: Part I (boxes 1 to 15) or Part II (boxes 16 to 28).
class QuizPage final : public ScreenWindow {
    Q_OBJECT

public:
    QuizPage(QuizScreen part, Shell& shell);
};

} // namespace tessaly
