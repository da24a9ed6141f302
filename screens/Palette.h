#pragma once

#include "Color.h"
#include "DisplayColors.h"

#include <QColor>

namespace tessaly {

// The display colours as the screens paint them.
inline const QColor kRed = displayColor(Color::Red);
inline const QColor kYellow = displayColor(Color::Yellow);
inline const QColor kBlue = displayColor(Color::Blue);
inline const QColor kGreen = displayColor(Color::Green);
inline const QColor kDarkGreenFill = darkGreen();
inline const QColor kGreenText = textGreen();
// The light grey of the definition buttons and the value captions.
inline const QColor kLightGrey{192, 192, 192};

} // namespace tessaly
