#include "Accessibility.h"
#include "EndNow.h"
#include "Pictures.h"
#include "Program.h"
#include "Startup.h"
#include "Style.h"
#include "SystemParts.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    if (const auto status = tessaly::answerCommandLine(argc, argv))
        return *status;
    tessaly::preferXWayland(argc, argv);
    auto display = std::make_unique<tessaly::DisplayCheck>();
    QApplication app(argc, argv);
    display.reset();
    tessaly::applyHouseFonts(app);
    tessaly::installScreenAccessibility();
    app.setWindowIcon(tessaly::pictureIcon(QStringLiteral(":/assets/tessaly-icon.png")));
    // Only the Exit command ends the program.
    app.setQuitOnLastWindowClosed(false);

    const tessaly::SystemParts system = tessaly::makeSystemParts();
    tessaly::Program program(
        {*system.dialogs, *system.stacking, *system.systemInfo, system.printSystem, [] { tessaly::endNow(0); }},
        [] { QCoreApplication::quit(); });
    program.start();
    const int result = app.exec();
    // Exit hands its screens over for deletion; let that happen before the session goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
