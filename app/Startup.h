#pragma once

#include <optional>
#include <string>
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

// While it lives, a window system that cannot be reached ends the program with one line that
// says which display it tried, and exit status 1, where Qt would abort. Qt's own messages of
// that time are held back and passed on once the window system answered.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};

// The display the program tries to open, in words: "X11 display \":0\"" and the like.
std::string displayInWords(std::string_view platform, std::string_view waylandDisplay, std::string_view x11Display);

} // namespace tessaly
