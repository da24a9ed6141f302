#pragma once

#include "PrintSystem.h"

namespace tessaly {

// The Windows spooler: the default printer and its paper from the system, the documents drawn
// into pictures of their pages and handed to the spooler through the printer's device context.
class WindowsPrintSystem final : public PrintSystem {
public:
    Destination findDefault(const Deadline& deadline) override;
    std::unique_ptr<PrintJob> jobFor(const Destination& destination) override;
};

} // namespace tessaly
