#include "FakePrintSystem.h"

namespace tessaly::testing {
namespace {

class RecordingJob final : public PrintJob {
public:
    explicit RecordingJob(FakePrintSystem& system) : system_(system) {}
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override { return system_.printer.StartDoc(title); }
    // The recorder is read and reset by the tests between two actions: it is drawn on the UI
    // thread. Drawing on the worker is the real PDF jobs' and is tested with them.
    bool drawnOnAnyThread() const override { return false; }
    bool send() override
    {
        system_.waitIfHeld();
        ++system_.sends;
        return system_.sendSucceeds;
    }

private:
    FakePrintSystem& system_;
};

} // namespace

Destination FakePrintSystem::findDefault()
{
    waitIfHeld();
    ++lookUps;
    const Destination::Kind found = kind;
    if (found != Destination::Kind::Printer)
        return {found, {}, {}};
    return {found, QStringLiteral("Recorder"), QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {})};
}

std::unique_ptr<PrintJob> FakePrintSystem::jobFor(const Destination&) { return std::make_unique<RecordingJob>(*this); }

void FakePrintSystem::hold()
{
    const std::lock_guard lock(mutex_);
    held_ = true;
}

void FakePrintSystem::release()
{
    {
        const std::lock_guard lock(mutex_);
        held_ = false;
    }
    released_.notify_all();
}

void FakePrintSystem::waitIfHeld()
{
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return !held_; });
}

} // namespace tessaly::testing
