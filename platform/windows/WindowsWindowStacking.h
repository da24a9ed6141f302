#pragma once

#include "WindowStacking.h"

namespace tessaly {

// Windows has topmost windows of its own: the screen's window joins them.
class WindowsWindowStacking final : public WindowStacking {
public:
    void keepOnTop(QWidget& window) override;
};

} // namespace tessaly
