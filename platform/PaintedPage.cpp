#include "PaintedPage.h"

#include "PainterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPagedPaintDevice>
#include <QWidget>

namespace tessaly {

PaintedPage::PaintedPage(QPainter& painter, QPagedPaintDevice& device, std::function<bool()> end)
    : painter_(painter), device_(device), end_(std::move(end)), ok_(painter.isActive())
{
    if (ok_)
        painter_.setFont(textFont());
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
    const QFontMetrics metrics(painter_.font(), &device_);
    if (y_ + metrics.height() > painter_.viewport().height() && y_ > 0) {
        ok_ = device_.newPage();
        y_ = 0;
    }
    painter_.drawText(0, y_ + metrics.ascent(), text);
    y_ += metrics.lineSpacing();
    return ok_;
}

bool PaintedPage::SetBold(bool bold)
{
    if (!ok_)
        return false;
    QFont font = painter_.font();
    font.setBold(bold);
    painter_.setFont(font);
    return true;
}

void PaintedPage::FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill)
{
    if (ok_)
        PainterSurface(painter_).FillSector(centreX, centreY, radius, startAngle, endAngle, fill);
}

bool PaintedPage::PrintScreen(QWidget& client)
{
    if (!ok_)
        return false;
    // Screens are drawn at 96 dots per inch; the page has its own resolution.
    painter_.save();
    const double scale = device_.logicalDpiX() / 96.0;
    painter_.scale(scale, scale);
    client.render(&painter_, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
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
    return end_();
}

} // namespace tessaly
