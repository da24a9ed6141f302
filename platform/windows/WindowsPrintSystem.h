#pragma once

#include "PrintSystem.h"

namespace tessaly {

// The Windows spooler: the default printer from the system, the documents drawn through
// Qt's Windows print engine, which hands each to the spooler as its painter ends.
class WindowsPrintSystem final : public PrintSystem {
public:
    Destination findDefault(const Deadline& deadline) override;
    std::unique_ptr<PrintJob> jobFor(const Destination& destination) override;
};

} // namespace tessaly
