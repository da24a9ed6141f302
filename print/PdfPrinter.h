#pragma once

#include "Printer.h"

#include <QByteArray>
#include <QPageLayout>

#include <memory>
#include <vector>

namespace tessaly {

// The paper the person most likely has, for a printer that says nothing of its own (and a PDF
// kept in a file), drawn only where neither A4 nor US Letter paper would lose it.
QPageLayout localPage();

// Draws documents into PDFs held in memory, never in a file of their own: each document a
// PDF of its own (a job each for the print system), or all of them one after the other in
// one PDF (a printout kept in a file the person chose). Every page is the layout's whole paper,
// drawn from the corner of its printable area and no further than it.
class PdfPrinter final : public Printer {
public:
    enum class Layout { PdfPerDocument, OnePdf };
    struct Document {
        QString title;
        QByteArray pdf;
    };

    explicit PdfPrinter(const QPageLayout& page, Layout layout = Layout::PdfPerDocument);
    ~PdfPrinter() override;

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;
    // With OnePdf, ends the shared PDF once its documents are drawn; false when it failed.
    bool finish();
    // The finished PDFs, in the order they were drawn.
    const std::vector<Document>& documents() const { return documents_; }

private:
    struct Canvas;

    QPageLayout page_;
    Layout layout_;
    std::unique_ptr<Canvas> shared_;
    std::vector<Document> documents_;
};

} // namespace tessaly
