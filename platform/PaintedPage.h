#pragma once

#include "Printer.h"

#include <QPainter>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;

namespace tessaly {

// A document drawn with a QPainter, page by page: a PDF on its way to the print system or into
// a file, or the pictures of a Windows printer's pages. The drawing is the same for every
// destination; what a new page and ending the document mean is the owner's (`newPage` when a
// page is full, `end` called by EndDoc).
//
// Screens and pictures are drawn as they come. Lines of text are never broken: they are laid
// out once the document is whole, all in one size, the printer's 10 points where the widest
// fits the printable width, otherwise the size at which it does, but no smaller than 7 points;
// a line still too wide is cut at the edge with an ellipsis. The lines keep the places they
// have at 10 points whatever their size, so that what is drawn beside them (the chart above the
// values) stays clear of them.
class PaintedPage final : public PrinterPage {
public:
    // Draws on `painter`, already active on `device`, from the top of the current page.
    PaintedPage(QPainter& painter, QPaintDevice& device, std::function<bool()> newPage, std::function<bool()> end);
    // On a paged device, whose own new page is the next page.
    PaintedPage(QPainter& painter, QPagedPaintDevice& device, std::function<bool()> end);

    bool PrintLine(const QString& text) override;
    bool SetBold(bool bold) override;
    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill) override;
    bool PrintScreen(const QPicture& client) override;
    bool PrintPicture(const QString& resource) override;
    bool EndDoc() override;

    // The printer's own text font: a fixed-pitch face, so that lines centred with blanks come
    // out centred.
    static QFont textFont();

private:
    struct Line {
        QString text;
        bool bold;
    };
    struct Sector {
        int centreX, centreY, radius;
        float startAngle, endAngle;
        ColorRef fill;
        qsizetype afterLines; // the sector belongs to the page of the line printed next
    };

    // The size the lines are printed in: the largest, up to 10 points, at which the widest of
    // them fits `width` device pixels, and never below 7 points.
    qreal textPoints(qreal width) const;
    // Draws the lines and sectors gathered, page after page.
    bool layOut();

    QPainter& painter_;
    QPaintDevice& device_;
    std::function<bool()> newPage_;
    std::function<bool()> end_;
    bool ok_;
    bool bold_ = false;
    std::vector<Line> lines_;
    std::vector<Sector> sectors_;
};

} // namespace tessaly
