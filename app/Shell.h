#pragma once

#include "ScreenId.h"
#include "WordBank.h"

class QWidget;

namespace tessaly {

class Dialogs;
class ScreenFlow;
class Session;
class Printing;
class SystemInfoTool;

// The commands that several screens share, and the moves that also touch the session:
// New, Exit, About, leaving the splash screen, the name entry, the questionnaire's
// forward buttons, Discover Your Colors and the guarded way back to Your Colors.
class Shell {
public:
    Shell(Session& session, ScreenFlow& flow, Dialogs& dialogs, SystemInfoTool& systemInfo, Printing& printing);

    Session& session() { return session_; }
    ScreenFlow& flow() { return flow_; }
    Dialogs& dialogs() { return dialogs_; }
    SystemInfoTool& systemInfo() { return systemInfo_; }
    Printing& printing() { return printing_; }

    void start();

    void newSession(ScreenId current);
    void exitProgram(ScreenId current);
    void about(ScreenId current);

    void leaveSplash();
    void startQuestionnaire();
    void finishPart(QuizScreen screen);
    void discoverYourColors();
    void backToYourColors();

private:
    QWidget* parentFor(ScreenId current) const;
    void discard(ScreenId id);

    Session& session_;
    ScreenFlow& flow_;
    Dialogs& dialogs_;
    SystemInfoTool& systemInfo_;
    Printing& printing_;
};

// Starts the system's information tool, or says it is unavailable; the caller's window stays
// as it is.
void StartSysInfo(SystemInfoTool& tool, Dialogs& dialogs, QWidget* parent);

} // namespace tessaly
