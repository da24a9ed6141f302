#pragma once

#include "Form.h"
#include "Printing.h"
#include "ScreenId.h"

#include <QMainWindow>

#include <functional>
#include <initializer_list>

class QScrollArea;

namespace tessaly {

class Dialogs;
class ScreenFlow;
class Session;
class Shell;

// What a screen that prints uses: the way to the printer, the box that tells a failure, and
// the flow that holds the screens whose image it prints.
struct PrintParts {
    Printing& printing;
    Dialogs& dialogs;
    ScreenFlow& flow;
};

// What a failed print of a screen's image says, where the screen has no words of its own.
inline const QString kScreenPrintFailure = QStringLiteral("You can not Print this screen at this time!");

struct MenuEntry {
    const char* name;
    const char* caption;
};

// A command of the drop-down menu and what it does.
struct MenuItem {
    const char* name;
    const char* caption;
    std::function<void()> handler;
};

// The window of one screen: its title, its client area of the catalogue's size on a
// white background, where it opens, and for working screens the menu bar with New,
// Exit and About and the place on top of other windows. On a screen too small for it the
// window opens inside the screen, made smaller where it must, and its client area scrolls.
class ScreenWindow : public QMainWindow {
    Q_OBJECT

public:
    ScreenWindow(ScreenId id, Shell& shell);

    ScreenId id() const { return id_; }
    QWidget* client() const { return client_; }
    Form& form() { return form_; }

    void setVisible(bool visible) override;

protected:
    // The drop-down menu with New first and the given items after it, then Exit and
    // About directly on the bar.
    void addStandardMenus(MenuEntry dropDown, std::initializer_list<MenuItem> items = {},
                          const char* exitName = "mnuexit");
    // Prints the image of a screen's client area; a failure is told with `failure`.
    void printScreen(const PrintParts& parts, ScreenId target, const QString& failure);
    // Gets the screen most likely to come next ready (`prepare`) once this one has had time to
    // paint, so that the move there costs no more than its paint.
    void readAhead(std::function<void()> prepare);
    // Shows the session fields this screen owns now and again whenever they change.
    void followSession(Session& session, std::function<void()> show);
    // Starts a printout; if it fails, the print failure box tells `failure`. The screen goes on
    // while the printout is on its way.
    void print(const PrintParts& parts, Printout printout, const QString& failure);

    void closeEvent(QCloseEvent* event) override;

private:
    void place();

    ScreenId id_;
    Shell& shell_;
    QScrollArea* viewport_;
    QWidget* client_;
    Form form_;
    bool placed_ = false;
};

} // namespace tessaly
