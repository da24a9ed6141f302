#include "ScreenWindow.h"

#include "Dialogs.h"
#include "Expect.h"
#include "Printouts.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "Shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace tessaly {

ScreenWindow::ScreenWindow(ScreenId id, Shell& shell)
    : id_(id), shell_(shell), client_(new QWidget(this)), form_(client_)
{
    const auto& info = screenInfo(id);
    setWindowTitle(titleOf(id));
    // The client area keeps its size and its controls their places whatever the frame's size;
    // a sizable window made smaller just shows less of it.
    auto* viewport = new QWidget(this);
    viewport->setObjectName(QStringLiteral("viewport"));
    setCentralWidget(viewport);
    client_->setParent(viewport);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(clientSize(id));

    paintBackground(*this, Qt::white);
    client_->setAutoFillBackground(true);

    if (info.working)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (info.frame != FrameKind::Sizable)
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    if (info.frame == FrameKind::NoTitle)
        setWindowFlag(Qt::FramelessWindowHint, true);
}

void ScreenWindow::addStandardMenus(MenuEntry dropDown, std::initializer_list<MenuItem> items, const char* exitName)
{
    QMenu* menu = menuBar()->addMenu(QString::fromLatin1(dropDown.caption));
    menu->setObjectName(QString::fromLatin1(dropDown.name));
    menu->menuAction()->setObjectName(QString::fromLatin1(dropDown.name));

    QAction* newAction = menu->addAction(QStringLiteral("New"));
    newAction->setObjectName(QStringLiteral("mnunew"));
    connect(newAction, &QAction::triggered, this, [this] { shell_.newSession(id_); });
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }

    QAction* exitAction = menuBar()->addAction(QStringLiteral("Exit"));
    exitAction->setObjectName(QString::fromLatin1(exitName));
    connect(exitAction, &QAction::triggered, this, [this] { shell_.exitProgram(id_); });

    QAction* aboutAction = menuBar()->addAction(QStringLiteral("About"));
    aboutAction->setObjectName(QStringLiteral("mnuabout"));
    connect(aboutAction, &QAction::triggered, this, [this] { shell_.about(id_); });
}

namespace {

// The name a screen's image gets as a PDF when there is no printer.
QString pdfNameOf(ScreenId target)
{
    switch (target) {
    case ScreenId::Printcolor:
        return QStringLiteral("Tessaly Your Colors.pdf");
    case ScreenId::quiz:
        return QStringLiteral("Tessaly questionnaire 1.pdf");
    case ScreenId::quiz2:
        return QStringLiteral("Tessaly questionnaire 2.pdf");
    default:
        return QStringLiteral("Tessaly %1.pdf").arg(QString::fromLatin1(screenInfo(target).name));
    }
}

} // namespace

void ScreenWindow::printScreen(ScreenId target, const QString& failure)
{
    const QPointer<ScreenWindow> screen = &expect(qobject_cast<ScreenWindow*>(shell_.flow().screen(target)),
                                                  "only the screens with a client area print their image");
    // The image is taken once the printer is known; a screen discarded by then prints nothing.
    print({pdfNameOf(target),
           [screen, title = titleOf(target)](Printer& printer) {
               return screen && PrintScreenImage(printer, *screen->client(), title);
           }},
          failure);
}

void ScreenWindow::readAhead(std::function<void()> prepare) { QTimer::singleShot(250, this, std::move(prepare)); }

void ScreenWindow::followSession(std::function<void()> show)
{
    connect(&shell_.session(), &Session::changed, this, [this, show](ScreenId owner) {
        if (owner == id_)
            show();
    });
    show();
}

void ScreenWindow::print(Printout printout, const QString& failure)
{
    // A screen that New discarded while its printout was on its way has nobody left to tell.
    auto tell = [self = QPointer<ScreenWindow>(this), failure](PrintOutcome outcome) {
        if (self && outcome == PrintOutcome::Failed)
            self->shell_.dialogs().inform(self, MessageKind::PrintFailure, failure);
    };
    shell_.printing().print(this, std::move(printout), std::move(tell));
}

void ScreenWindow::setVisible(bool visible)
{
    if (visible && !placed_)
        place();
    QMainWindow::setVisible(visible);
}

void ScreenWindow::place()
{
    placed_ = true;
    const auto& info = screenInfo(id_);
    const int menuHeight = menuWidget() ? menuBar()->sizeHint().height() : 0;
    const QSize size = clientSize(id_) + QSize(0, menuHeight);
    if (info.frame == FrameKind::Sizable)
        resize(size);
    else
        setFixedSize(size);

    const QRect available = screen()->availableGeometry();
    switch (info.placement) {
    case Placement::Centred:
        move(available.center() - QPoint(size.width() / 2, size.height() / 2));
        break;
    case Placement::FixedQuiz:
        // The client area, below the menu bar, stands at a fixed place on the screen.
        setGeometry(unitsToPixels(2145), unitsToPixels(1770) - menuHeight, size.width(), size.height());
        break;
    case Placement::SystemDefault:
        break;
    }
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // Closing a working screen through its frame is the Exit command, with its question,
    // so that a stray click never loses a person's answers. The splash screen has no frame,
    // but the window manager can still close it (Alt+F4, a task bar): that too asks, rather
    // than leave the person with a window that will not go.
    event->ignore();
    if (screenInfo(id_).working || id_ == ScreenId::frmSplash)
        shell_.exitProgram(id_);
}

} // namespace tessaly
