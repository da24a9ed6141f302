#pragma once

#include "Form.h"
#include "ScreenId.h"

#include <QMainWindow>

#include <initializer_list>

class QMenu;

namespace tessaly {

class Shell;

struct MenuEntry {
    const char* name;
    const char* caption;
};

// The window of one screen: its title, its client area of the catalogue's size on a
// white background, where it opens, and for working screens the menu bar with New,
// Exit and About and the place on top of other windows.
class ScreenWindow : public QMainWindow {
    Q_OBJECT

public:
    ScreenWindow(ScreenId id, Shell& shell);

    ScreenId id() const { return id_; }
    Shell& shell() { return shell_; }
    QWidget* client() const { return client_; }
    Form& form() { return form_; }

    void setVisible(bool visible) override;

protected:
    // The drop-down menu with New first and the given items after it, then Exit and
    // About directly on the bar. Returns the drop-down menu.
    QMenu* addStandardMenus(MenuEntry dropDown, std::initializer_list<MenuEntry> items = {},
                            const char* exitName = "mnuexit");

    void closeEvent(QCloseEvent* event) override;

private:
    void place();

    ScreenId id_;
    Shell& shell_;
    QWidget* client_;
    Form form_;
    bool placed_ = false;
};

} // namespace tessaly
