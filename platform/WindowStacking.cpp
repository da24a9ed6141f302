#include "WindowStacking.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace tessaly {

void WindowStacking::raiseOwnBoxes(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible() && top->windowHandle() && handle
            && top->windowHandle()->transientParent() == handle)
            top->raise();
    }
}

} // namespace tessaly
