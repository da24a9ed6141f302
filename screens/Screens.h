#pragma once

#include "ScreenId.h"

class QApplication;
class QWidget;

namespace tessaly {

class Shell;

// Builds the window of a screen from its design.
QWidget* createScreen(ScreenId id, Shell& shell);

// The application object as the screens expect it, for the program, its tests and the bench
// alike: the house fonts, the screen readers' view of the screens' parts, the program's icon,
// and no end when the last window closes (only Exit ends the program).
void prepareApplication(QApplication& app);

} // namespace tessaly
