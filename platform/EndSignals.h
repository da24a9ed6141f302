#pragma once

#include <functional>
#include <memory>

namespace tessaly {

// The system asking the program to end: on Linux SIGTERM, SIGHUP and SIGINT, as a session
// that logs out, a system shutting down or Ctrl+C in a terminal sends them. While an
// EndSignals lives, the first such request calls `end` on the UI thread, once; later ones
// change nothing. Needs the QApplication.
class EndSignals {
public:
    explicit EndSignals(std::function<void()> end);
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // The signal that asked, or 0.
    int received() const;
    // Once the program has ended as `end` made it: where a signal asked, ends the process as
    // that signal does, with the status it gives; returns otherwise.
    void finish() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace tessaly
