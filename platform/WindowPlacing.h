#pragma once

#include <QPoint>
#include <Qt>

#include <optional>

namespace tessaly {

// The flags that give a window a fixed frame of the window system's own without a title bar
// or window buttons, as far as the window system draws such a frame at all.
Qt::WindowFlags untitledFixedFrame();

// Where the window system puts a new window that names no place of its own, in Qt's
// coordinates, where the program has to ask for it; nothing where the window system places
// such a window itself.
std::optional<QPoint> systemDefaultPosition();

// Whether the window system tells the frame it draws around a window as soon as the window is
// made, so that a window can be made before it is placed. An X11 window manager tells it only
// once the window is mapped, and a window made there before it is placed opens where the
// manager likes (weston's does): X11 and Wayland windows are made as they are shown.
bool frameKnownWhenMade();

} // namespace tessaly
