#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// One page of the nine-page tutorial.
class TutorialPage final : public ScreenWindow {
    Q_OBJECT

public:
    TutorialPage(ScreenId id, Shell& shell);
};

} // namespace tessaly
