#pragma once

#include "Printer.h"

#include <QPageSize>

#include <functional>

namespace tessaly {

// Draws documents into PDF files and gives each finished file to `deliver`: on its way to
// CUPS, or kept for looking at what would be printed.
class PdfPrinter final : public Printer {
public:
    using Delivery = std::function<bool(const QString& pdfFile, const QString& title)>;
    explicit PdfPrinter(Delivery deliver, const QPageSize& pageSize = QPageSize(QPageSize::Letter))
        : deliver_(std::move(deliver)), pageSize_(pageSize)
    {
    }
    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;

private:
    Delivery deliver_;
    QPageSize pageSize_;
};

} // namespace tessaly
