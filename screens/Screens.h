#pragma once

#include "ScreenId.h"

class QWidget;

namespace tessaly {

class Shell;

// Builds the window of a screen from its design.
QWidget* createScreen(ScreenId id, Shell& shell);

} // namespace tessaly
