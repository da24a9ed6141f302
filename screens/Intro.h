#pragma once

#include "ScreenWindow.h"
#include "WordBank.h"

#include <array>
#include <utility>

class QRadioButton;

namespace tessaly {

class Moves;

// The instructions screen with the sample box and the name entry.
class IntroScreen final : public ScreenWindow {
    Q_OBJECT

public:
    IntroScreen(Shell& shell, Moves& moves, Session& session, ScreenFlow& flow, Dialogs& dialogs,
                const PrintParts& printing);

private:
    void buildHeading();
    // The frame of the sample box and its two panels, Most and Least.
    std::pair<QWidget*, QWidget*> buildSampleFrame();
    void buildColorsFrame();
    void buildSampleRows(QWidget* mostPanel, QWidget* leastPanel);
    void showSampleMarks();

    Session& session_;
    ScreenFlow& flow_;
    Dialogs& dialogs_;
    const PrintParts printing_;
    std::array<QRadioButton*, kRowsPerBox> sampleMost_{};
    std::array<QRadioButton*, kRowsPerBox> sampleLeast_{};
};

} // namespace tessaly
