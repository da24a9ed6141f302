#pragma once

#include "Printing.h"
#include "RecordingPrinter.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace tessaly::testing {

// A print system whose default printer and answers the test chooses. Jobs are drawn on
// `printer`, which records them. The look-up and the sending run on the workers' threads
// as for real; `hold()` makes them wait until `release()`, like a scheduler that does not
// answer.
class FakePrintSystem final : public PrintSystem {
public:
    Destination findDefault() override;
    std::unique_ptr<PrintJob> jobFor(const Destination& destination) override;

    void hold();
    void release();
    void waitIfHeld();

    std::atomic<Destination::Kind> kind{Destination::Kind::Printer};
    std::atomic<bool> sendSucceeds{true};
    std::atomic<int> lookUps{0};
    std::atomic<int> sends{0};
    RecordingPrinter printer; // used on the UI thread only

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
};

} // namespace tessaly::testing
