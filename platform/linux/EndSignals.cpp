#include "EndSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tessaly {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler's way to the UI thread: it writes the signal's number here, which is all a
// signal handler may safely do.
int pipeIn = -1;

void noteSignal(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = ::write(pipeIn, &byte, 1);
    errno = saved;
}

} // namespace

struct EndSignals::Watch {
    int pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
    struct sigaction previous[std::size(kSignals)] = {};
    int received = 0;
};

EndSignals::EndSignals(std::function<void()> end) : watch_(std::make_unique<Watch>())
{
    Watch& w = *watch_;
    if (::pipe2(w.pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    pipeIn = w.pipe[1];
    w.notifier = std::make_unique<QSocketNotifier>(w.pipe[0], QSocketNotifier::Read);
    QObject::connect(w.notifier.get(), &QSocketNotifier::activated, w.notifier.get(),
                     [&w, end = std::move(end)] {
                         unsigned char byte = 0;
                         while (::read(w.pipe[0], &byte, 1) == 1) {
                             if (w.received == 0) {
                                 w.received = byte;
                                 end();
                             }
                         }
                     });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &w.previous[i]);
}

EndSignals::~EndSignals()
{
    Watch& w = *watch_;
    if (w.pipe[0] < 0)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &w.previous[i], nullptr);
    pipeIn = -1;
    w.notifier.reset();
    ::close(w.pipe[0]);
    ::close(w.pipe[1]);
}

int EndSignals::received() const { return watch_->received; }

void EndSignals::finish() const
{
    const int signal = watch_->received;
    if (signal == 0)
        return;
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

} // namespace tessaly
