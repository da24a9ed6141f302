#include "WindowsWindowStacking.h"

#include <QWidget>

#include <windows.h>

namespace tessaly {

void WindowsWindowStacking::keepOnTop(QWidget& window)
{
    // Qt is told first, so that it knows the window is on view.
    if (!window.isVisible())
        window.show();
    SetWindowPos(reinterpret_cast<HWND>(window.winId()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    raiseOwnBoxes(window);
}

} // namespace tessaly
