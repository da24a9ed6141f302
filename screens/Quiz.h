#pragma once

#include "ScreenWindow.h"
#include "WordBank.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace tessaly {

// One questionnaire screen: Part I (boxes 1 to 15) or Part II (boxes 16 to 28). The
// circles show the answer sheet; every click or keyboard choice goes through the sheet's rule.
class QuizPage final : public ScreenWindow {
    Q_OBJECT

public:
    QuizPage(QuizScreen part, Shell& shell);

private:
    void buildBox(const WordBox& box, int left, int top);
    void circleClicked(QRadioButton* circle);
    void definitionPressed(const QString& buttonName);
    void showMarks();
    void showPartOneTotals();

    QuizScreen part_;
    std::array<QLineEdit*, 4> totals_{};
};

} // namespace tessaly
