#include "PainterSurface.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace tessaly {
namespace {

int sixteenthsOfDegree(double radians)
{
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter) : painter_(painter), scale_(painter.device()->logicalDpiX() / 1440.0)
{
}

void PainterSurface::FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill)
{
    const QRectF box((centreX - radius) * scale_, (centreY - radius) * scale_, 2 * radius * scale_,
                     2 * radius * scale_);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(displayColor(fill));
    const int start = sixteenthsOfDegree(startAngle);
    painter_.drawPie(box, start, sixteenthsOfDegree(endAngle) - start);
    painter_.restore();
}

} // namespace tessaly
