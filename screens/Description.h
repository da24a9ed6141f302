#pragma once

#include "ScreenWindow.h"

namespace tessaly {

// The description of one colour combination; one design for all twelve.
class DescriptionScreen final : public ScreenWindow {
    Q_OBJECT

public:
    DescriptionScreen(ScreenId id, Shell& shell, ScreenFlow& flow, const PrintParts& printing);
};

} // namespace tessaly
