#include "Accessibility.h"
#include "Pictures.h"
#include "Printing.h"
#include "QtDialogs.h"
#include "ScreenFlow.h"
#include "Screens.h"
#include "Session.h"
#include "Shell.h"
#include "Startup.h"
#include "Style.h"
#ifdef Q_OS_WIN
#include "WindowsPrintSystem.h"
#include "WindowsSystemInfo.h"
#include "WindowsWindowStacking.h"
#else
#include "CupsPrintSystem.h"
#include "SystemInfo.h"
#include "WindowStacking.h"
#endif

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

    tessaly::Session session;
    tessaly::QtDialogs dialogs;
#ifdef Q_OS_WIN
    tessaly::WindowsWindowStacking stacking;
    tessaly::WindowsSystemInfoTool systemInfo;
    const auto printSystem = std::make_shared<tessaly::WindowsPrintSystem>();
#else
    tessaly::QtWindowStacking stacking;
    tessaly::PathSystemInfoTool systemInfo;
    const auto printSystem = std::make_shared<tessaly::CupsPrintSystem>();
#endif
    tessaly::Printing printing(printSystem, dialogs);
    tessaly::ScreenFlow flow(stacking, [] { QCoreApplication::quit(); });
    tessaly::Shell shell(session, flow, dialogs, systemInfo, printing);
    flow.setFactory([&shell](tessaly::ScreenId id) { return tessaly::createScreen(id, shell); });
    shell.start();
    const int result = app.exec();
    // Exit hands its screens over for deletion; let that happen before the session goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
