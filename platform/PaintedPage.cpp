#include "PaintedPage.h"

#include "PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPicture>

#include <algorithm>
#include <cmath>

namespace tessaly {
namespace {

constexpr qreal kTextPoints = 10;
constexpr qreal kSmallestPoints = 7;

} // namespace

PaintedPage::PaintedPage(QPainter& painter, QPaintDevice& device, std::function<bool()> newPage,
                         std::function<bool()> end)
    : painter_(painter), device_(device), newPage_(std::move(newPage)), end_(std::move(end)), ok_(painter.isActive())
{
    if (!ok_)
        return;
    // Nothing reaches the edges the printer cannot print on, which a PDF would otherwise
    // carry: a screen wider than the printable area is cut at its edge.
    painter_.setClipRect(QRect(QPoint(0, 0), painter_.viewport().size()));
}

PaintedPage::PaintedPage(QPainter& painter, QPagedPaintDevice& device, std::function<bool()> end)
    : PaintedPage(
        painter, device, [&device] { return device.newPage(); }, std::move(end))
{
}

QFont PaintedPage::textFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(kTextPoints);
    return font;
}

qreal PaintedPage::textPoints(qreal width) const
{
    auto widest = [&](qreal points) {
        QFont regular = textFont();
        regular.setPointSizeF(points);
        QFont heavy = regular;
        heavy.setBold(true);
        const QFontMetricsF metrics[] = {QFontMetricsF(regular, &device_), QFontMetricsF(heavy, &device_)};
        qreal most = 0;
        for (const Line& line : lines_)
            most = std::max(most, metrics[line.bold ? 1 : 0].horizontalAdvance(line.text));
        return most;
    };
    const qreal atText = widest(kTextPoints);
    if (atText <= width)
        return kTextPoints;
    // A fixed-pitch face grows in proportion to its size; the printer's rounding of each size to
    // its own pixels is why the size found is tried, and made smaller by tenths where it must.
    qreal points = std::floor(kTextPoints * width / atText * 10) / 10;
    while (points > kSmallestPoints && widest(points) > width)
        points -= 0.1;
    return std::max(points, kSmallestPoints);
}

bool PaintedPage::PrintLine(const QString& text)
{
    if (!ok_)
        return false;
    lines_.push_back({text, bold_});
    return true;
}

bool PaintedPage::SetBold(bool bold)
{
    if (!ok_)
        return false;
    bold_ = bold;
    return true;
}

void PaintedPage::FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill)
{
    if (ok_)
        sectors_.push_back({centreX, centreY, radius, startAngle, endAngle, fill, std::ssize(lines_)});
}

bool PaintedPage::layOut()
{
    const qreal width = painter_.viewport().width();
    const qreal height = painter_.viewport().height();
    QFont font = textFont();
    font.setPointSizeF(textPoints(width));
    // The lines stand where they stand at the printer's 10 points.
    const qreal pitch = QFontMetricsF(textFont(), &device_).lineSpacing();
    qreal y = 0;
    std::size_t sector = 0;
    auto drawSectorsBefore = [&](qsizetype line) {
        for (; sector < sectors_.size() && sectors_[sector].afterLines <= line; ++sector) {
            const Sector& s = sectors_[sector];
            PainterSurface(painter_).FillSector(s.centreX, s.centreY, s.radius, s.startAngle, s.endAngle, s.fill);
        }
    };
    for (qsizetype i = 0; i < std::ssize(lines_); ++i) {
        if (y + pitch > height && y > 0) {
            drawSectorsBefore(i);
            if (!newPage_())
                return false;
            y = 0;
        }
        font.setBold(lines_[i].bold);
        painter_.setFont(font);
        const QFontMetricsF metrics(font, &device_);
        const QString& text = lines_[i].text;
        painter_.drawText(QPointF(0, y + metrics.ascent()),
                          metrics.horizontalAdvance(text) <= width ? text
                                                                   : metrics.elidedText(text, Qt::ElideRight, width));
        y += pitch;
    }
    drawSectorsBefore(std::ssize(lines_));
    return true;
}

bool PaintedPage::PrintScreen(const QPicture& client)
{
    if (!ok_)
        return false;
    // The picture brings the screen to the page's resolution itself.
    const qreal toPage = qreal(device_.logicalDpiX()) / client.logicalDpiX();
    const QRectF page(QPointF(0, 0), QSizeF(painter_.viewport().size()) / toPage);
    if (page.contains(client.boundingRect())) {
        painter_.drawPicture(QPointF(0, 0), client);
        return true;
    }
    // A screen larger than the printable area is cut at its edge. The screen's own drawing sets
    // clips of its own that would undo the page's, so the part that fits is made an image first,
    // at the page's resolution up to 300 dots per inch.
    constexpr qreal kMostDpi = 300;
    const QRectF shown = page.intersected(client.boundingRect());
    const qreal dpi = std::min<qreal>(device_.logicalDpiX(), kMostDpi);
    QImage image((shown.size() * dpi / client.logicalDpiX()).toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return ok_ = false;
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter cut(&image);
    cut.drawPicture(-shown.topLeft() * dpi / client.logicalDpiX(), client);
    cut.end();
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(QRectF(shown.topLeft() * toPage, shown.size() * toPage), image);
    painter_.restore();
    return true;
}

bool PaintedPage::PrintPicture(const QString& resource)
{
    const QImage picture(resource);
    if (!ok_ || picture.isNull())
        return ok_ = false;
    const QSizeF size = QSizeF(picture.size()).scaled(painter_.viewport().size(), Qt::KeepAspectRatio);
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(QRectF(QPointF(0, 0), size), picture);
    painter_.restore();
    return true;
}

bool PaintedPage::EndDoc()
{
    if (!ok_)
        return false;
    ok_ = false;
    return layOut() && end_();
}

} // namespace tessaly
