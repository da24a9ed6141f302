#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// The first screen: any key opens the tutorial and leaves it open; a click or the first
// mouse movement over its panel closes it and opens the tutorial.
class SplashScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit SplashScreen(Shell& shell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tessaly
