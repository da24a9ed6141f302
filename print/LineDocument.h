#pragma once

#include "StrengthCircleChart.h"

#include <QSizeF>
#include <QString>

#include <vector>

namespace tessaly {

// A line printout as the program prints it: its lines, each in the header's bold or not, and
// the chart's sectors, each with the number of lines printed before it.
struct LineDocument {
    struct Line {
        QString text;
        bool bold;
    };
    struct Sector {
        int centreX, centreY, radius;
        float startAngle, endAngle;
        Color fill;
        std::size_t afterLines; // the sector belongs to the page of the line printed next
    };
    std::vector<Line> lines;
    std::vector<Sector> sectors;

    // The printout as a page receives it: lines in the weight set last, sectors beside them.
    void printLine(const QString& text) { lines.push_back({text, bold}); }
    void setBold(bool on) { bold = on; }
    void fillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill)
    {
        sectors.push_back({centreX, centreY, radius, startAngle, endAngle, fill, lines.size()});
    }

private:
    bool bold = false;
};

// A page that a line printout is laid out on, in the device's own pixels from the top-left
// corner of the printable area, its text in a fixed-pitch face.
class LineSurface {
public:
    virtual ~LineSurface() = default;
    // The printable area.
    virtual QSizeF area() const = 0;
    // The distance from one line to the next in the face's 10 points.
    virtual qreal pitch() = 0;
    virtual qreal widthOf(const QString& text, bool bold, qreal points) = 0;
    // The start of `text` that fits `width` with an ellipsis after it.
    virtual QString elided(const QString& text, bool bold, qreal points, qreal width) = 0;
    virtual bool drawLine(qreal top, const QString& text, bool bold, qreal points) = 0;
    virtual bool fillSector(const LineDocument::Sector& sector) = 0;
    virtual bool newPage() = 0;
};

// Lays the document out page after page. Lines are never broken: they all take one size, the
// face's 10 points where the widest fits the printable width, otherwise the size, in tenths of
// a point, at which it does, but no smaller than 7 points; a line still too wide ends at the
// edge in an ellipsis. The lines keep the places they have at 10 points whatever their size,
// so that what is drawn beside them (the chart above the values) stays clear of them. False
// as soon as the surface fails.
bool layOut(const LineDocument& document, LineSurface& surface);

} // namespace tessaly
