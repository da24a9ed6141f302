#pragma once

#include "Color.h"
#include "QtColor.h"

#include <QColor>

namespace tessaly {

// The display colours as the screens paint them.
inline const QColor kRed = toQColor(displayColor(Color::Red));
inline const QColor kYellow = toQColor(displayColor(Color::Yellow));
inline const QColor kBlue = toQColor(displayColor(Color::Blue));
inline const QColor kGreen = toQColor(displayColor(Color::Green));
inline const QColor kDarkGreenFill = toQColor(kDarkGreen);
inline const QColor kGreenText = toQColor(kTextGreen);
// The light grey of the definition buttons and the value captions.
inline const QColor kLightGrey{192, 192, 192};

} // namespace tessaly
