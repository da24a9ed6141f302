#pragma once

#include "LineDocument.h"
#include "Printer.h"

#include <QPainter>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;

namespace tessaly {

// A document drawn with a QPainter, page by page: a PDF on its way to the print system or into
// a file, or the pictures of a Windows printer's pages. The drawing is the same for every
// destination; what a new page and ending the document mean is the owner's (`newPage` when a
// page is full, `end` called by EndDoc).
//
// Screens and pictures are drawn as they come; lines and the chart are laid out once the
// document is whole (LineDocument), so that all its lines take one size.
class PaintedPage final : public PrinterPage {
public:
    // Draws on `painter`, already active on `device`, from the top of the current page.
    PaintedPage(QPainter& painter, QPaintDevice& device, std::function<bool()> newPage, std::function<bool()> end);
    // On a paged device, whose own new page is the next page.
    PaintedPage(QPainter& painter, QPagedPaintDevice& device, std::function<bool()> end);

    bool PrintLine(const QString& text) override;
    bool SetBold(bool bold) override;
    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill) override;
    bool PrintScreen(const QPicture& client) override;
    bool PrintPicture(const QString& resource) override;
    bool EndDoc() override;

    // The printer's own text font: a fixed-pitch face, so that lines centred with blanks come
    // out centred.
    static QFont textFont();

private:
    QPainter& painter_;
    QPaintDevice& device_;
    std::function<bool()> newPage_;
    std::function<bool()> end_;
    bool ok_;
    LineDocument document_;
};

} // namespace tessaly
