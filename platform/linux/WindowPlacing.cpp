#include "WindowPlacing.h"

#include <QGuiApplication>

namespace tessaly {

// X11 window managers and Wayland compositors draw no frame for a window without a title bar
// (Qt would otherwise have Wayland's drawn with one): the window is its client area alone.
Qt::WindowFlags untitledFixedFrame() { return Qt::FramelessWindowHint; }

// A window that asks for no place is placed by the window manager or the compositor.
std::optional<QPoint> systemDefaultPosition() { return std::nullopt; }

bool frameKnownWhenMade()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland"));
}

} // namespace tessaly
