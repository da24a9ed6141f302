#include "QPrinterPage.h"

#include "PainterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>

namespace tessaly {

QPrinterPage::QPrinterPage() : printer_(QPrinter::HighResolution) {}

void QPrinterPage::begin(const QString& title, const QPageSize& pageSize)
{
    printer_.setPageSize(pageSize);
    printer_.setDocName(title);
    ok_ = painter_.begin(&printer_);
    // The printer's own text font: a fixed-pitch face, so that lines centred with blanks come
    // out centred.
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(10);
    if (ok_)
        painter_.setFont(font);
}

bool QPrinterPage::PrintLine(const QString& text)
{
    if (!ok_)
        return false;
    const QFontMetrics metrics(painter_.font(), &printer_);
    if (y_ + metrics.height() > painter_.viewport().height() && y_ > 0) {
        ok_ = printer_.newPage();
        y_ = 0;
    }
    painter_.drawText(0, y_ + metrics.ascent(), text);
    y_ += metrics.lineSpacing();
    return ok_;
}

bool QPrinterPage::SetBold(bool bold)
{
    if (!ok_)
        return false;
    QFont font = painter_.font();
    font.setBold(bold);
    painter_.setFont(font);
    return true;
}

void QPrinterPage::FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill)
{
    if (ok_)
        PainterSurface(painter_).FillSector(centreX, centreY, radius, startAngle, endAngle, fill);
}

bool QPrinterPage::PrintScreen(QWidget& client)
{
    if (!ok_)
        return false;
    // Screens are drawn at 96 dots per inch; the page has its own resolution.
    painter_.save();
    const double scale = printer_.resolution() / 96.0;
    painter_.scale(scale, scale);
    client.render(&painter_, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter_.restore();
    return true;
}

bool QPrinterPage::PrintPicture(const QString& resource)
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

bool QPrinterPage::EndDoc()
{
    if (!ok_ || !painter_.end())
        return false;
    return deliver();
}

} // namespace tessaly
