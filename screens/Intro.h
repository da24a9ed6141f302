#pragma once

#include "ScreenWindow.h"
#include "WordBank.h"

#include <array>

class QRadioButton;

namespace tessaly {

// The instructions screen with the sample box and the name entry.
class IntroScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit IntroScreen(Shell& shell);

private:
    void showSampleMarks();

    std::array<QRadioButton*, kRowsPerBox> sampleMost_{};
    std::array<QRadioButton*, kRowsPerBox> sampleLeast_{};
};

} // namespace tessaly
