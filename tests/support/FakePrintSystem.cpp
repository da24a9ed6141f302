#include "FakePrintSystem.h"

#include "PdfPrinter.h"

#include <thread>

namespace tessaly::testing {
namespace {

class RecordingJob final : public PrintJob {
public:
    explicit RecordingJob(FakePrintSystem& system)
        : system_(system), onWorker_(system.drawsOnWorker),
          pdf_(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}))
    {
    }

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override
    {
        if (!onWorker_)
            return system_.printer.StartDoc(title);
        ++system_.drawingsStarted;
        std::this_thread::sleep_for(std::chrono::milliseconds(system_.drawingTakes));
        return pdf_.StartDoc(title);
    }
    // The recorder is read and reset by the tests between two actions: it is drawn on the UI
    // thread. Drawing on the worker draws real PDFs, as the scheduler's jobs do.
    bool drawnOnAnyThread() const override { return onWorker_; }
    bool send(Deadline& deadline) override
    {
        system_.sendDeadline = &deadline;
        ++system_.sendsBegun;
        for (int piece = 0; piece < system_.trickles && !deadline.passed(); ++piece) {
            std::this_thread::sleep_for(std::chrono::milliseconds(system_.trickleEvery));
            deadline.heardFrom();
        }
        if (!system_.waitIfHeld(deadline, true)) {
            ++system_.withdrawn;
            return false;
        }
        ++system_.sends;
        return system_.sendSucceeds;
    }

private:
    FakePrintSystem& system_;
    const bool onWorker_;
    PdfPrinter pdf_;
};

} // namespace

Destination FakePrintSystem::findDefault(const Deadline& deadline)
{
    lookUpDeadline = &deadline;
    if (!waitIfHeld(deadline, false))
        return {Destination::Kind::Unanswered, {}, {}, {}, 0};
    ++lookUps;
    const Destination::Kind found = kind;
    if (found != Destination::Kind::Printer)
        return {found, {}, {}, {}, 0};
    return {found, QStringLiteral("Recorder"), QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}), {}, 0};
}

std::unique_ptr<PrintJob> FakePrintSystem::jobFor(const Destination&) { return std::make_unique<RecordingJob>(*this); }

void FakePrintSystem::hold()
{
    const std::lock_guard lock(mutex_);
    lookUpHeld_ = sendingHeld_ = true;
}

void FakePrintSystem::holdSending()
{
    const std::lock_guard lock(mutex_);
    sendingHeld_ = true;
}

void FakePrintSystem::release()
{
    {
        const std::lock_guard lock(mutex_);
        lookUpHeld_ = sendingHeld_ = false;
    }
    released_.notify_all();
}

bool FakePrintSystem::waitIfHeld(const Deadline& deadline, bool sending)
{
    std::unique_lock lock(mutex_);
    while ((sending ? sendingHeld_ : lookUpHeld_) && (deaf || !deadline.passed()))
        released_.wait_for(lock, std::chrono::milliseconds(5));
    return !deadline.passed();
}

} // namespace tessaly::testing
