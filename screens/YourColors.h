#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// Your Colors: the person's name with their first and second colour.
class YourColorsScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit YourColorsScreen(Shell& shell);
};

} // namespace tessaly
