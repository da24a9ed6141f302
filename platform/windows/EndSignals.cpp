#include "EndSignals.h"

namespace tessaly {

// A Windows program of the GUI subsystem gets no such signals: Windows ends a session through
// the window messages Qt answers itself.
struct EndSignals::Watch {};

EndSignals::EndSignals(std::function<void()>) : watch_(std::make_unique<Watch>()) {}

EndSignals::~EndSignals() = default;

int EndSignals::received() const { return 0; }

void EndSignals::finish() const {}

} // namespace tessaly
