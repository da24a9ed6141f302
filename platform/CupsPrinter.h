#pragma once

#include "PdfPrinter.h"

namespace tessaly {

// Prints on the system's default printer: the document is drawn by Qt into a PDF file and
// handed to CUPS, whose job number tells whether the printer took it. (Qt's own CUPS
// printing does not report a queue that refuses the job.)
class CupsPrinter final : public Printer {
public:
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;
};

} // namespace tessaly
