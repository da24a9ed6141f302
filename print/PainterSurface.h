#pragma once

#include "DisplayColors.h"
#include "StrengthCircleChart.h"

#include <QColor>

class QPainter;

namespace tessaly {

// A DrawSurface on any QPainter device: a widget, an image or a printer page. Layout units
// are converted with the device's logical resolution.
class PainterSurface final : public DrawSurface {
public:
    explicit PainterSurface(QPainter& painter);

    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill) override;

private:
    QPainter& painter_;
    double scale_; // device pixels per layout unit
};

} // namespace tessaly
