#pragma once

#include <string>

namespace tessaly {

// Before the application object exists: where the session offers more than one window system,
// the one the program asks Qt for, unless the person chose one.
void chooseWindowSystem(int argc, char* argv[]);

// The display the program tries to open, in words: "X11 display \":0\"" and the like.
std::string displayInWords();

} // namespace tessaly
