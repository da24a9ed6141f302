#include "PrintSystem.h"

#include <algorithm>
#include <limits>

namespace tessaly {
namespace {

using namespace std::chrono;

Deadline::Clock::rep ticksFromNow(milliseconds span)
{
    return (Deadline::Clock::now() + span).time_since_epoch().count();
}

} // namespace

Deadline::Deadline(milliseconds silence)
    : silence_(silence), expires_(ticksFromNow(silence)), latest_(std::numeric_limits<Clock::rep>::max())
{
}

void Deadline::heardFrom()
{
    // Once passed, it stays passed: the printout has been given up by then.
    if (!passed())
        expires_ = std::min(ticksFromNow(silence_), latest_.load());
}

void Deadline::shortenTo(milliseconds most)
{
    const auto latest = ticksFromNow(most);
    latest_ = std::min(latest_.load(), latest);
    auto current = expires_.load();
    while (latest < current && !expires_.compare_exchange_weak(current, latest)) {
    }
}

void Deadline::cancel() { cancelled_ = true; }

bool Deadline::passed() const { return cancelled_ || Clock::now().time_since_epoch().count() >= expires_; }

milliseconds Deadline::left() const
{
    if (cancelled_)
        return milliseconds::zero();
    const auto now = Clock::now().time_since_epoch().count();
    const auto expires = expires_.load();
    return expires <= now ? milliseconds::zero()
                          : duration_cast<milliseconds>(Clock::duration(expires - now)) + milliseconds(1);
}

} // namespace tessaly
