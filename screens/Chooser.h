#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// The chooser of the twelve colour combinations.
class ChooserScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit ChooserScreen(Shell& shell);
};

} // namespace tessaly
