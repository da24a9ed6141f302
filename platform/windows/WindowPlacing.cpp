#include "WindowPlacing.h"

#include <QGuiApplication>
#include <QScreen>

#include <windows.h>

namespace tessaly {

// With a fixed size, Qt makes this a pop-up window with a dialog frame and no caption.
Qt::WindowFlags untitledFixedFrame() { return Qt::CustomizeWindowHint; }

// Qt gives every window a place, centred, where Windows would choose one for a window made
// with CW_USEDEFAULT. Windows is asked by making such a window, unseen, for a moment.
std::optional<QPoint> systemDefaultPosition()
{
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                                       nullptr);
    if (!probe)
        return std::nullopt;
    RECT place{};
    const bool placed = GetWindowRect(probe, &place);
    DestroyWindow(probe);
    if (!placed)
        return std::nullopt;
    // Windows counts in the screen's own pixels.
    const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
    return QPoint(qRound(place.left / ratio), qRound(place.top / ratio));
}

// Windows tells a window's frame as soon as the window exists.
bool frameKnownWhenMade() { return true; }

} // namespace tessaly
