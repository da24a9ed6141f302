#include "DisplayLoss.h"

namespace tessaly {

// The Windows desktop does not go away under a running program.
void onDisplayLost(std::function<void()>) {}

} // namespace tessaly
