#pragma once

#include <functional>

namespace tessaly {

// Calls `lost` on the UI thread when the connection to the display breaks (the X server went
// away), where the window system tells the program before it ends it. No event can be
// processed any more by then: `lost` ends the program itself and does not return. Needs the
// QApplication; the last call's `lost` is the one called.
void onDisplayLost(std::function<void()> lost);

} // namespace tessaly
