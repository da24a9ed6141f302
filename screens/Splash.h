#pragma once

#include "ScreenWindow.h"

namespace tessaly {

class Moves;

// The first screen: any key opens the tutorial and leaves it open; a click or the first
// mouse movement over its panel closes it and opens the tutorial.
class SplashScreen final : public ScreenWindow {
    Q_OBJECT

public:
    SplashScreen(Shell& shell, Moves& moves, ScreenFlow& flow);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ScreenFlow& flow_;
};

} // namespace tessaly
