#pragma once

#include "ScreenWindow.h"
#include "WordBank.h"

#include <array>
#include <vector>

class QLineEdit;
class QRadioButton;

namespace tessaly {

class Moves;
struct QuizCell;

// One questionnaire screen: Part I (boxes 1 to 15) or Part II (boxes 16 to 28). The
// circles show the answer sheet; every click or keyboard choice goes through the sheet's rule.
class QuizPage final : public ScreenWindow {
    Q_OBJECT

public:
    QuizPage(QuizScreen part, Shell& shell, Moves& moves, Session& session, ScreenFlow& flow, Dialogs& dialogs,
             const PrintParts& printing);

private:
    // The circles of one box, row 1 first.
    struct BoxCircles {
        int box;
        std::array<QRadioButton*, kRowsPerBox> most;
        std::array<QRadioButton*, kRowsPerBox> least;
    };

    void buildBox(const QuizCell& cell, int labelIndex);
    void showMarks();
    void showPartOneTotals();

    QuizScreen part_;
    Session& session_;
    Dialogs& dialogs_;
    std::vector<BoxCircles> boxes_;
    std::array<QLineEdit*, 4> totals_{};
};

} // namespace tessaly
