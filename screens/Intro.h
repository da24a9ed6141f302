#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// The instructions screen with the sample box and the name entry.
class IntroScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit IntroScreen(Shell& shell);

private:
    void showSampleMarks();
};

} // namespace tessaly
