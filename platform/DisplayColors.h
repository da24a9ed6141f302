#pragma once

#include "Color.h"

#include <QColor>

namespace tessaly {

// The four colours as the screens and the printouts draw them.
inline QColor displayColor(Color c)
{
    switch (c) {
    case Color::Red:
        return {255, 0, 0};
    case Color::Yellow:
        return {255, 255, 0};
    case Color::Blue:
        return {0, 0, 255};
    case Color::Green:
        break;
    }
    return {0, 255, 0};
}

// The darker green of the description screens, tutorial circles and the Green value box,
// and the green used for text.
inline QColor darkGreen() { return {0, 192, 0}; }
inline QColor textGreen() { return {0, 128, 0}; }

} // namespace tessaly
