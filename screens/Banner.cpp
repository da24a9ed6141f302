#include "Banner.h"

#include "PainterSurface.h"

#include <QLabel>

namespace tessaly {

Banner buildBanner(Form& form, const BannerPlaces& p)
{
    QWidget* strip = form.panel("Frame2", {p.strip.x(), p.strip.y(), 975, 3255}, kRed);
    strip->setAccessibleName(QStringLiteral("Banner"));
    form.label("Label2", QStringLiteral("S T A R T"), {360, 120, 615, 2655},
               {.family = QStringLiteral("Times New Roman"), .points = 24, .text = Qt::white, .back = kRed}, strip);

    QWidget* panel = form.panel("Frame1", p.panel);
    panel->setAccessibleName(QStringLiteral("Your colours"));
    CircleShape* second = form.circle("Shape2", {p.secondCircle.x(), p.secondCircle.y(), 975, 1095}, Qt::black, panel);
    QLabel* words = form.label("Label1", QStringLiteral("TO UNDERSTAND"), {p.words.x(), p.words.y(), 3615, 2295},
                               {.points = 24, .bold = true, .text = kRed, .back = Qt::white}, panel);
    CircleShape* first = form.circle("Shape1", {p.firstCircle.x(), p.firstCircle.y(), 975, 1095}, Qt::black, panel);
    readInOrder({words, first, second});
    return {strip, panel, first, second};
}

void addBannerFrame(Form& form, QPoint a, QPoint b)
{
    form.line(member("Line1", 0), a.x(), a.y(), b.x(), a.y(), Qt::black, 3);
    form.line(member("Line1", 1), a.x(), b.y(), b.x(), b.y(), Qt::black, 3);
    form.line(member("Line2", 0), a.x(), a.y(), a.x(), b.y(), Qt::black, 3);
    form.line(member("Line2", 1), b.x(), a.y(), b.x(), b.y(), Qt::black, 3);
}

QColor circleColor(std::optional<Color> color)
{
    if (!color)
        return Qt::black;
    return displayColor(*color);
}

QString circleName(Rank rank, std::optional<Color> color)
{
    const QString which = rank == Rank::First ? QStringLiteral("First colour") : QStringLiteral("Second colour");
    return which + QStringLiteral(": ")
        + (color ? QString::fromUtf8(colorName(*color)) : QStringLiteral("not known yet"));
}

} // namespace tessaly
