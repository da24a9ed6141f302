#include "Shell.h"

#include "Dialogs.h"
#include "Messages.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "SystemInfo.h"

#include <QWidget>
#include <QWindow>

#include <exception>

namespace tessaly {
namespace {

const QString kNewQuestion = QStringLiteral("Do you want to start a new Tessaly session?");
const QString kExitQuestion =
    QStringLiteral("Do you want to Quit this Tessaly session?  You will lose all Data, if you Quit!");
const QString kSystemInfoUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

} // namespace

Shell::Shell(Session& session, ScreenFlow& flow, Dialogs& dialogs) : session_(session), flow_(flow), dialogs_(dialogs)
{
}

void Shell::discard(ScreenId id)
{
    flow_.discard(id);
    session_.resetOwnedBy(id);
}

void Shell::newSession(ScreenId current)
{
    if (!dialogs_.ask(flow_.existing(current), kNewQuestion)) {
        flow_.show(current);
        return;
    }
    for (const auto id : {ScreenId::quiz, ScreenId::quiz2, ScreenId::Yourcolor1, ScreenId::Graph1, ScreenId::Intro})
        discard(id);
    if (flow_.existing(current))
        flow_.hide(current);
    flow_.show(ScreenId::frmSplash);
}

void Shell::exitProgram(ScreenId current)
{
    if (!dialogs_.ask(flow_.existing(current), kExitQuestion)) {
        flow_.show(current);
        return;
    }
    endProgram();
}

void Shell::endProgram()
{
    flow_.discardAll();
    flow_.endProgram();
}

void Shell::about(ScreenId current)
{
    QWidget* box = flow_.screen(ScreenId::frmAbout);
    // Tied to the current screen so that it opens above it without being kept on top.
    if (QWidget* parent = flow_.existing(current)) {
        box->winId();
        box->windowHandle()->setTransientParent(parent->windowHandle());
    }
    flow_.show(ScreenId::frmAbout);
}

void StartSysInfo(SystemInfoTool& tool, Dialogs& dialogs, QWidget* parent)
{
    bool started = false;
    try {
        if (const auto path = tool.locate())
            started = tool.launch(*path);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started)
        dialogs.inform(parent, kNoticeBox, kSystemInfoUnavailable);
}

} // namespace tessaly
