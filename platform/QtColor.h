#pragma once

#include "Color.h"

#include <QColor>

namespace tessaly {

// A 24-bit colour with red in the low byte, as Qt knows it.
inline QColor toQColor(ColorRef color)
{
    const Rgb rgb = toRgb(color);
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace tessaly
