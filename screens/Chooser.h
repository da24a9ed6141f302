#pragma once

#include "ScreenWindow.h"

namespace tessaly {

class Moves;

// The chooser of the twelve colour combinations.
class ChooserScreen final : public ScreenWindow {
    Q_OBJECT

public:
    ChooserScreen(Shell& shell, Moves& moves, ScreenFlow& flow, const PrintParts& printing);
};

} // namespace tessaly
