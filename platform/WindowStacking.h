#pragma once

class QWidget;

namespace tessaly {

// Keeps a working screen above the other windows of the desktop.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    // Places the window among the topmost ones and makes sure it is visible, without
    // moving, resizing or activating it.
    virtual void keepOnTop(QWidget& window) = 0;

protected:
    // The boxes that belong to the screen (a message box, the About box) stay above it, even
    // where nothing else keeps transient windows over their parent.
    static void raiseOwnBoxes(const QWidget& window);
};

} // namespace tessaly
