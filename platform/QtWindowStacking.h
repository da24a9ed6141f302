#pragma once

#include "WindowStacking.h"

namespace tessaly {

// Through Qt's stay-on-top hint, which every window system Qt runs on understands in its way.
class QtWindowStacking final : public WindowStacking {
public:
    void keepOnTop(QWidget& window) override;
};

} // namespace tessaly
