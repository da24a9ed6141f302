#include "ScreenWindow.h"

#include "Dialogs.h"
#include "Expect.h"
#include "Messages.h"
#include "Printouts.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "Shell.h"
#include "WindowPlacing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace tessaly {

ScreenWindow::ScreenWindow(ScreenId id, Shell& shell)
    : id_(id), shell_(shell), viewport_(new QScrollArea(this)), client_(new QWidget(viewport_)), form_(client_)
{
    const auto& info = screenInfo(id);
    setWindowTitle(titleOf(id));
    // The client area keeps its size and its controls their places whatever the frame's size;
    // a window smaller than it, made so by the person or by a small screen, scrolls. Where all
    // of it is on view the scroll area shows nothing of its own, and takes no focus.
    viewport_->setObjectName(QStringLiteral("viewport"));
    viewport_->setFrameShape(QFrame::NoFrame);
    viewport_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(viewport_);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(clientSize(id));
    // Sized before it takes the client area, the scroll area does not start with scroll bars
    // that it would only take away once the window has been shown.
    viewport_->resize(clientSize(id));
    viewport_->setWidget(client_);
    // Tab brings its control into view by itself; the arrow keys in a column of circles, a
    // screen reader and a mnemonic move the focus too, and the control they reach must be seen.
    // A control clicked half in view stays where it is under the mouse until the click is done.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && client_->isAncestorOf(now) && QGuiApplication::mouseButtons() == Qt::NoButton)
            viewport_->ensureWidgetVisible(now);
    });

    paintBackground(*this, Qt::white);
    client_->setAutoFillBackground(true);

    if (info.working)
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (info.frame != FrameKind::Sizable)
        setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    if (info.frame == FrameKind::NoTitle) {
        constexpr Qt::WindowFlags titleBar = Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        setWindowFlags((windowFlags() & ~titleBar) | untitledFixedFrame());
    }
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

// The size of a window's client area and menu bar within `room`: all they want where it fits.
// Otherwise as much as fits, and a scroll bar along the edge that is cut short takes its room
// (`bars`: a vertical bar's width, a horizontal one's height) from the other way.
QSize fittedSize(QSize wanted, QSize room, QSize bars)
{
    bool down = wanted.height() > room.height();
    const bool across = wanted.width() + (down ? bars.width() : 0) > room.width();
    down = down || wanted.height() + (across ? bars.height() : 0) > room.height();
    return (wanted + QSize(down ? bars.width() : 0, across ? bars.height() : 0)).boundedTo(room);
}

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

void ScreenWindow::printScreen(const PrintParts& parts, ScreenId target, const QString& failure)
{
    auto& screen = expect(qobject_cast<ScreenWindow*>(parts.flow.screen(target)),
                          "only the screens with a client area print their image");
    // The screen as it is at the press, whatever it shows, or whether it is still there, once
    // the printer is known.
    print(parts,
          {pdfNameOf(target),
           [image = screenImage(*screen.client()), title = titleOf(target)](Printer& printer) {
               return PrintScreenImage(printer, image, title);
           }},
          failure);
}

void ScreenWindow::readAhead(std::function<void()> prepare) { QTimer::singleShot(250, this, std::move(prepare)); }

void ScreenWindow::followSession(Session& session, std::function<void()> show)
{
    connect(&session, &Session::changed, this, [this, show](ScreenId owner) {
        if (owner == id_)
            show();
    });
    show();
}

void ScreenWindow::print(const PrintParts& parts, Printout printout, const QString& failure)
{
    // Told over this screen, or over the one in front where New has discarded this one since.
    auto tell = [&dialogs = parts.dialogs, failure](PrintOutcome outcome, QWidget* over) {
        if (over && outcome == PrintOutcome::Failed)
            dialogs.inform(over, kPrintFailureBox, failure);
    };
    parts.printing.print(this, std::move(printout), std::move(tell));
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
    // The frame the window system draws around the window has to fit on the screen too.
    if (frameKnownWhenMade())
        create();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    // The height the window's layout gives the menu bar at the client area's width. At a
    // fractional scale it can be a pixel more than the bar's own size hint, which would leave
    // the client area a pixel short and scrolling.
    const int menuHeight = menuWidget() ? menuBar()->heightForWidth(clientSize(id_).width()) : 0;
    const QRect available = screen()->availableGeometry();
    const QRect room = available.marginsRemoved(frame);
    const QSize bars(viewport_->verticalScrollBar()->sizeHint().width(),
                     viewport_->horizontalScrollBar()->sizeHint().height());
    const QSize size = fittedSize(clientSize(id_) + QSize(0, menuHeight), room.size(), bars);
    if (info.frame == FrameKind::Sizable)
        resize(size);
    else
        setFixedSize(size);

    // A window that would hang over the screen's edge at its own place moves just far enough to
    // lie inside; `at` is where its client area and menu bar begin.
    const auto inside = [&](QPoint at) {
        return QPoint(qBound(room.left(), at.x(), room.right() + 1 - size.width()),
                      qBound(room.top(), at.y(), room.bottom() + 1 - size.height()));
    };
    switch (info.placement) {
    case Placement::Centred: {
        // move() places the frame's corner, and the client area stands inside it.
        const QPoint corner(frame.left(), frame.top());
        move(inside(available.center() - QPoint(size.width() / 2, size.height() / 2) + corner) - corner);
        break;
    }
    case Placement::FixedQuiz:
        // The client area, below the menu bar, stands at a fixed place on the screen.
        setGeometry(QRect(inside({unitsToPixels(2145), unitsToPixels(1770) - menuHeight}), size));
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
