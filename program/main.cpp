#include "DisplayLoss.h"
#include "EndNow.h"
#include "EndSignals.h"
#include "PrintSystem.h"
#include "Program.h"
#include "Screens.h"
#include "Startup.h"
#include "SystemParts.h"
#include "WindowSystem.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    if (const auto status = tessaly::answerCommandLine(argc, argv))
        return *status;
    tessaly::chooseWindowSystem(argc, argv);
    auto display = std::make_unique<tessaly::DisplayCheck>();
    QApplication app(argc, argv);
    display.reset();
    tessaly::prepareApplication(app);

    const tessaly::SystemParts system = tessaly::makeSystemParts();
    // A signal that asks the program to end is Exit without its question: the printouts on
    // their way have the same grace, and the program then ends as the signal would have ended it.
    tessaly::Program* running = nullptr;
    const tessaly::EndSignals endSignals([&running] {
        if (running)
            running->end();
    });
    int result = 0;
    {
        tessaly::Program program({*system.dialogs, *system.stacking, *system.systemInfo, tessaly::makePrintSystem(),
                                  [&endSignals] {
                                      endSignals.finish();
                                      tessaly::endNow(0);
                                  }},
                                 [] { QCoreApplication::quit(); });
        running = &program;
        // Without the display, the program ends as for a signal, with the status Qt gives it.
        tessaly::onDisplayLost([&program] {
            program.printing.endWithoutEvents();
            tessaly::endNow(1);
        });
        program.start();
        result = app.exec();
        running = nullptr;
        // Exit hands its screens over for deletion; let that happen before the session goes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The program's parts are gone: a display lost now has nothing left to end.
    tessaly::onDisplayLost({});
    endSignals.finish();
    return result;
}
