#include "EndNow.h"
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
    tessaly::Program program(
        {*system.dialogs, *system.stacking, *system.systemInfo, tessaly::makePrintSystem(), [] { tessaly::endNow(0); }},
        [] { QCoreApplication::quit(); });
    program.start();
    const int result = app.exec();
    // Exit hands its screens over for deletion; let that happen before the session goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
