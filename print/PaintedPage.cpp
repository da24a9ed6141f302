#include "PaintedPage.h"

#include "PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPicture>

#include <algorithm>

namespace tessaly {
namespace {

// A line printout on a QPainter's device.
class PainterLines final : public LineSurface {
public:
    PainterLines(QPainter& painter, QPaintDevice& device, const std::function<bool()>& newPage)
        : painter_(painter), device_(device), newPage_(newPage)
    {
    }

    QSizeF area() const override { return painter_.viewport().size(); }
    qreal pitch() override { return QFontMetricsF(PaintedPage::textFont(), &device_).lineSpacing(); }
    qreal widthOf(const QString& text, bool bold, qreal points) override
    {
        return QFontMetricsF(font(bold, points), &device_).horizontalAdvance(text);
    }
    QString elided(const QString& text, bool bold, qreal points, qreal width) override
    {
        return QFontMetricsF(font(bold, points), &device_).elidedText(text, Qt::ElideRight, width);
    }
    bool drawLine(qreal top, const QString& text, bool bold, qreal points) override
    {
        const QFont face = font(bold, points);
        painter_.setFont(face);
        painter_.drawText(QPointF(0, top + QFontMetricsF(face, &device_).ascent()), text);
        return true;
    }
    bool fillSector(const LineDocument::Sector& s) override
    {
        PainterSurface(painter_).FillSector(s.centreX, s.centreY, s.radius, s.startAngle, s.endAngle, s.fill);
        return true;
    }
    bool newPage() override { return newPage_(); }

private:
    static QFont font(bool bold, qreal points)
    {
        QFont face = PaintedPage::textFont();
        face.setPointSizeF(points);
        face.setBold(bold);
        return face;
    }

    QPainter& painter_;
    QPaintDevice& device_;
    const std::function<bool()>& newPage_;
};

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
    font.setPointSizeF(10);
    return font;
}

bool PaintedPage::PrintLine(const QString& text)
{
    if (!ok_)
        return false;
    document_.printLine(text);
    return true;
}

bool PaintedPage::SetBold(bool bold)
{
    if (!ok_)
        return false;
    document_.setBold(bold);
    return true;
}

void PaintedPage::FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill)
{
    if (ok_)
        document_.fillSector(centreX, centreY, radius, startAngle, endAngle, fill);
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
    PainterLines surface(painter_, device_, newPage_);
    return layOut(document_, surface) && end_();
}

} // namespace tessaly
