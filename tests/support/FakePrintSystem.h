#pragma once

#include "Printing.h"
#include "RecordingPrinter.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tessaly::testing {

// A print system whose default printer and answers the test chooses. The look-up and the
// sending run on the workers' threads as for real, and give up, as a real one does, once the
// printout's deadline has passed. `hold()` makes them wait until `release()`, like a scheduler
// that does not answer. Jobs are drawn on `printer`, which records them on the UI thread; with
// `drawsOnWorker` they are drawn into real PDFs on the worker instead, as the scheduler's jobs
// are, and the drawing takes `drawingTakes`.
class FakePrintSystem final : public PrintSystem {
public:
    Destination findDefault(const Deadline& deadline) override;
    std::unique_ptr<PrintJob> jobFor(const Destination& destination) override;

    void hold();
    // Holds the sending only; the look-up answers.
    void holdSending();
    void release();
    // Waits while held; false once the deadline has passed.
    bool waitIfHeld(const Deadline& deadline, bool sending);

    std::atomic<Destination::Kind> kind{Destination::Kind::Printer};
    std::atomic<bool> sendSucceeds{true};
    std::atomic<bool> drawsOnWorker{false};
    // A held call that does not see its deadline: it returns only when released.
    std::atomic<bool> deaf{false};
    std::atomic<std::chrono::milliseconds::rep> drawingTakes{0};
    // A slow line: the sending takes `trickles` pieces, `trickleEvery` apart, each a sign of life.
    std::atomic<int> trickles{0};
    std::atomic<std::chrono::milliseconds::rep> trickleEvery{0};
    std::atomic<int> lookUps{0};
    std::atomic<int> drawingsStarted{0};
    std::atomic<int> sendsBegun{0};
    std::atomic<int> sends{0}; // jobs the system took whole
    std::atomic<int> withdrawn{0}; // jobs begun and given up on, none of them left behind
    // The deadlines the look-up and the sending were given, last seen.
    std::atomic<const Deadline*> lookUpDeadline{nullptr};
    std::atomic<const Deadline*> sendDeadline{nullptr};
    RecordingPrinter printer; // used on the UI thread only

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool lookUpHeld_ = false;
    bool sendingHeld_ = false;
};

} // namespace tessaly::testing
