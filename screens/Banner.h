#pragma once

#include "Color.h"
#include "Form.h"

#include <QPoint>

#include <optional>

namespace tessaly {

// The "S T A R T" "TO UNDERSTAND" banner with the person's two colour circles, shown on
// Your Colors and repeated on the printable sheet.
struct BannerPlaces {
    QPoint strip; // the red strip, 975 x 3255 layout units
    Place panel; // the white panel holding the words and the circles
    QPoint words; // "TO UNDERSTAND" inside the panel
    QPoint firstCircle; // inside the panel, 975 x 1095
    QPoint secondCircle;
};

struct Banner {
    QWidget* strip;
    QWidget* panel;
    CircleShape* firstCircle;
    CircleShape* secondCircle;
};

inline const Look kBannerNameLook{.points = 24, .bold = true, .text = kRed, .back = Qt::white};

Banner buildBanner(Form& form, const BannerPlaces& places);
// The frame around the banner: lines three pixels wide.
void addBannerFrame(Form& form, QPoint topLeft, QPoint bottomRight);
// A circle's colour: the display colour of the chosen colour, black until one is chosen.
QColor circleColor(std::optional<Color> color);

enum class Rank { First, Second };
// What a screen reader says of a colour circle: "First colour: Yellow".
QString circleName(Rank rank, std::optional<Color> color);

} // namespace tessaly
