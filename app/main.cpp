#include "QtDialogs.h"
#include "ScreenFlow.h"
#include "Screens.h"
#include "Session.h"
#include "Shell.h"
#include "Style.h"
#include "WindowStacking.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tessaly::applyHouseFonts(app);
    // Only the Exit command ends the program.
    app.setQuitOnLastWindowClosed(false);

    tessaly::Session session;
    tessaly::QtDialogs dialogs;
    tessaly::QtWindowStacking stacking;
    tessaly::ScreenFlow flow(stacking, [] { QCoreApplication::quit(); });
    tessaly::Shell shell(session, flow, dialogs);
    flow.setFactory([&shell](tessaly::ScreenId id) { return tessaly::createScreen(id, shell); });
    shell.start();
    return app.exec();
}
