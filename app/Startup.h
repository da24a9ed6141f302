#pragma once

#include <optional>
#include <string_view>

namespace tessaly {

// --help and --version print their usual short texts; the program then ends with the
// returned exit status, before any window opens. Anything else on the command line is
// left alone and changes nothing.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// In a Wayland session the program runs through XWayland, where its screens can keep the
// fixed places and the place on top that they need; unless the user chose a platform.
bool wantsXWayland(std::string_view waylandDisplay, std::string_view x11Display, std::string_view chosenPlatform,
                   bool platformOnCommandLine);
void preferXWayland(int argc, char* argv[]);

} // namespace tessaly
