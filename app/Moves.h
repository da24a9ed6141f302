#pragma once

#include "ScreenId.h"
#include "WordBank.h"

namespace tessaly {

class Dialogs;
class ScreenFlow;
class Session;

// The moves from one screen to another that also touch the session or ask the person:
// opening the splash screen, leaving it, the name entry, the questionnaire's forward buttons,
// Discover Your Colors and the guarded way back to Your Colors.
class Moves {
public:
    Moves(Session& session, ScreenFlow& flow, Dialogs& dialogs);

    // Opens the first screen.
    void start();
    void leaveSplash();
    void startQuestionnaire();
    void finishPart(QuizScreen screen);
    void discoverYourColors();
    void backToYourColors();

private:

    Session& session_;
    ScreenFlow& flow_;
    Dialogs& dialogs_;
};

} // namespace tessaly
