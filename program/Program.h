#pragma once

#include "Moves.h"
#include "Printing.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "Shell.h"

#include <functional>
#include <memory>

namespace tessaly {

class Dialogs;
class PrintSystem;
class SystemInfoTool;
class WindowStacking;

// The program's parts, made and wired in one place: the session, printing, the flow of
// screens and the shell, over the seams to the operating system. main() gives it the real
// seams; the tests and the bench give it their own.
class Program {
public:
    struct Seams {
        Dialogs& dialogs;
        WindowStacking& stacking;
        SystemInfoTool& systemInfo;
        std::shared_ptr<PrintSystem> printSystem;
        // Ends the program at once, for a printout's worker that the print system still holds
        // at the end (Printing); without it the end waits for the worker.
        std::function<void()> endNow = {};
    };

    // `end` runs when the person has chosen to leave.
    Program(const Seams& seams, std::function<void()> end);

    // Opens the first screen.
    void start() { moves.start(); }
    // Ends as Exit does, without its question: the system asked the program to end.
    void end() { shell.endProgram(); }

    // Declared in the order they are made; they go in the reverse order, the screens before
    // printing, which waits for its workers, and the session last.
    Session session;
    Printing printing;
    ScreenFlow flow;
    Shell shell;
    Moves moves;
};

} // namespace tessaly
