#pragma once

#include "ScreenId.h"

class QWidget;

namespace tessaly {

class Dialogs;
class ScreenFlow;
class Session;
class SystemInfoTool;

// The commands every working screen offers on its menu bar: New, Exit and About.
class Shell {
public:
    Shell(Session& session, ScreenFlow& flow, Dialogs& dialogs);

    void newSession(ScreenId current);
    void exitProgram(ScreenId current);
    void about(ScreenId current);
    // Exit without its question, for the system asking the program to end.
    void endProgram();

private:
    void discard(ScreenId id);

    Session& session_;
    ScreenFlow& flow_;
    Dialogs& dialogs_;
};

// Starts the system's information tool, or says it is unavailable; the caller's window stays
// as it is.
void StartSysInfo(SystemInfoTool& tool, Dialogs& dialogs, QWidget* parent);

} // namespace tessaly
