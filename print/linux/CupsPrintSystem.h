#pragma once

#include "PrintSystem.h"

namespace tessaly {

// The CUPS scheduler. libcups is loaded the first time something is printed, so that a
// session that never prints never maps it. Jobs are drawn into PDFs in memory and streamed
// to the scheduler, so no file is left behind when the program ends on the way; the job
// number the scheduler answers with tells whether it took the job. Every exchange gives up
// once the printout's deadline has passed, and a job not sent whole is withdrawn.
class CupsPrintSystem final : public PrintSystem {
public:
    Destination findDefault(const Deadline& deadline) override;
    std::unique_ptr<PrintJob> jobFor(const Destination& destination) override;
};

} // namespace tessaly
