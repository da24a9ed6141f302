#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// The Strength Circle: the four colour values and their pie chart.
class StrengthCircleScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit StrengthCircleScreen(Shell& shell);
};

} // namespace tessaly
