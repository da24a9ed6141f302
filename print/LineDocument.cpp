#include "LineDocument.h"

#include <algorithm>
#include <cmath>

namespace tessaly {
namespace {

constexpr qreal kTextPoints = 10;
constexpr qreal kSmallestPoints = 7;

qreal widest(const LineDocument& document, LineSurface& surface, qreal points)
{
    qreal most = 0;
    for (const auto& line : document.lines)
        most = std::max(most, surface.widthOf(line.text, line.bold, points));
    return most;
}

qreal textPoints(const LineDocument& document, LineSurface& surface)
{
    const qreal width = surface.area().width();
    const qreal atText = widest(document, surface, kTextPoints);
    if (atText <= width)
        return kTextPoints;
    // A fixed-pitch face grows in proportion to its size; each device's rounding of a size to
    // its own pixels is why the size found is tried, and made smaller by tenths where it must.
    qreal points = std::floor(kTextPoints * width / atText * 10) / 10;
    while (points > kSmallestPoints && widest(document, surface, points) > width)
        points -= 0.1;
    return std::max(points, kSmallestPoints);
}

} // namespace

bool layOut(const LineDocument& document, LineSurface& surface)
{
    const QSizeF area = surface.area();
    const qreal points = textPoints(document, surface);
    const qreal pitch = surface.pitch();
    qreal top = 0;
    std::size_t sector = 0;
    auto fillSectorsBefore = [&](std::size_t line) {
        for (; sector < document.sectors.size() && document.sectors[sector].afterLines <= line; ++sector) {
            if (!surface.fillSector(document.sectors[sector]))
                return false;
        }
        return true;
    };
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (top + pitch > area.height() && top > 0) {
            if (!fillSectorsBefore(i) || !surface.newPage())
                return false;
            top = 0;
        }
        const auto& line = document.lines[i];
        const QString text = surface.widthOf(line.text, line.bold, points) <= area.width()
            ? line.text
            : surface.elided(line.text, line.bold, points, area.width());
        if (!surface.drawLine(top, text, line.bold, points))
            return false;
        top += pitch;
    }
    return fillSectorsBefore(document.lines.size());
}

} // namespace tessaly
