#pragma once

#include "Printer.h"

#include <functional>

namespace tessaly {

// Prints on the system's default printer: the document is drawn by Qt into a PDF file and
// handed to CUPS, whose job number tells whether the printer took it.
class CupsPrinter final : public Printer {
public:
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;
};

// Draws documents into PDF files and gives each finished file to `deliver`; the same
// drawing as on paper, for looking at what would be printed.
class PdfPrinter final : public Printer {
public:
    using Delivery = std::function<bool(const QString& pdfFile, const QString& title)>;
    explicit PdfPrinter(Delivery deliver) : deliver_(std::move(deliver)) {}
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;

private:
    Delivery deliver_;
};

} // namespace tessaly
