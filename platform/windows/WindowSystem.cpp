#include "WindowSystem.h"

namespace tessaly {

// Windows has one window system.
void chooseWindowSystem(int, char*[]) {}

std::string displayInWords() { return "the Windows desktop"; }

} // namespace tessaly
