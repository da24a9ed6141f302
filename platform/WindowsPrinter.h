#pragma once

#include "Printer.h"

namespace tessaly {

// Prints on the Windows default printer through Qt's Windows print engine and the spooler.
class WindowsPrinter final : public Printer {
public:
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;
};

} // namespace tessaly
