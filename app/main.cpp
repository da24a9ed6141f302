#include "Accessibility.h"
#include "CupsPrinter.h"
#include "QtDialogs.h"
#include "ScreenFlow.h"
#include "Screens.h"
#include "Session.h"
#include "Shell.h"
#include "Startup.h"
#include "Style.h"
#include "WindowStacking.h"
#ifdef Q_OS_WIN
#include "WindowsSystemInfo.h"
#else
#include "SystemInfo.h"
#endif

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    if (const auto status = tessaly::answerCommandLine(argc, argv))
        return *status;
    tessaly::preferXWayland(argc, argv);
    QApplication app(argc, argv);
    tessaly::applyHouseFonts(app);
    tessaly::installScreenAccessibility();
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/tessaly-icon.png")));
    // Only the Exit command ends the program.
    app.setQuitOnLastWindowClosed(false);

    tessaly::Session session;
    tessaly::QtDialogs dialogs;
    tessaly::QtWindowStacking stacking;
    tessaly::ScreenFlow flow(stacking, [] { QCoreApplication::quit(); });
#ifdef Q_OS_WIN
    tessaly::WindowsSystemInfoTool systemInfo;
#else
    tessaly::PathSystemInfoTool systemInfo;
#endif
    tessaly::CupsPrinter printer;
    tessaly::Shell shell(session, flow, dialogs, systemInfo, printer);
    flow.setFactory([&shell](tessaly::ScreenId id) { return tessaly::createScreen(id, shell); });
    shell.start();
    const int result = app.exec();
    // Exit hands its screens over for deletion; let that happen before the session goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
