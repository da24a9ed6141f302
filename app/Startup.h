#pragma once

#include <optional>

namespace tessaly {

// --help and --version print their usual short texts; the program then ends with the
// returned exit status, before any window opens. Anything else on the command line is
// left alone and changes nothing.
std::optional<int> answerCommandLine(int argc, char* argv[]);

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

} // namespace tessaly
