#pragma once

#include "ScreenId.h"

class QApplication;
class QWidget;

namespace tessaly {

class Dialogs;
class Moves;
class Printing;
class ScreenFlow;
class Session;
class Shell;
class SystemInfoTool;

// The parts of the program that screens use; each screen is handed those it uses.
struct ScreenParts {
    Shell& shell;
    Moves& moves;
    Session& session;
    ScreenFlow& flow;
    Dialogs& dialogs;
    Printing& printing;
    SystemInfoTool& systemInfo;
};

// Builds the window of a screen from its design.
QWidget* createScreen(ScreenId id, const ScreenParts& parts);

// The application object as the screens expect it, for the program, its tests and the bench
// alike: the house fonts, the screen readers' view of the screens' parts, the program's icon,
// and no end when the last window closes (only Exit ends the program).
void prepareApplication(QApplication& app);

} // namespace tessaly
