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

void QtWindowStacking::keepOnTop(QWidget& window)
{
    // The screens carry the stay-on-top hint from their creation: setting it on a shown
    // window would re-create the window. Here it is only re-asserted and raised.
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!window.isVisible())
        window.show();
    window.raise();
    raiseOwnBoxes(window);
}

} // namespace tessaly
