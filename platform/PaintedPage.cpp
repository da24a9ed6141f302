#include "PaintedPage.h"

#include "PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QWidget>

namespace tessaly {
namespace {

qsizetype leadingBlanks(const QString& text)
{
    qsizetype count = 0;
    while (count < text.size() && text[count] == u' ')
        ++count;
    return count;
}

// `line` as lines no wider than `width`: broken at the last blank that fits after the line's
// indent, the blanks there left out, or between characters where no such blank fits. What is
// broken off keeps the line's indent, where the indent leaves room for words.
QStringList wrapped(const QString& line, const QFontMetricsF& metrics, qreal width)
{
    const QString indent = line.left(leadingBlanks(line));
    const QString hanging = metrics.horizontalAdvance(indent) <= width / 2 ? indent : QString();
    QStringList lines;
    QString text = line;
    while (metrics.horizontalAdvance(text) > width) {
        // The most characters that fit, and at least one, so that every line takes some.
        qsizetype fit = 1;
        for (qsizetype low = 2, high = text.size() - 1; low <= high;) {
            const qsizetype middle = (low + high) / 2;
            if (metrics.horizontalAdvance(text.left(middle)) <= width) {
                fit = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        // A blank just after the part that fits is a break too.
        qsizetype cut = text.lastIndexOf(u' ', fit);
        qsizetype next = cut;
        if (cut > leadingBlanks(text)) {
            while (next < text.size() && text[next] == u' ')
                ++next;
        } else {
            cut = next = fit;
        }
        lines << text.left(cut);
        text.remove(0, next);
        if (!text.isEmpty() && cut > hanging.size())
            text.prepend(hanging);
    }
    if (lines.isEmpty() || !text.isEmpty())
        lines << text;
    return lines;
}

} // namespace

PaintedPage::PaintedPage(QPainter& painter, QPaintDevice& device, std::function<bool()> newPage,
                         std::function<bool()> end)
    : painter_(painter), device_(device), newPage_(std::move(newPage)), end_(std::move(end)), ok_(painter.isActive())
{
    if (!ok_)
        return;
    painter_.setFont(textFont());
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
    const QFontMetricsF metrics(painter_.font(), &device_);
    for (const QString& line : wrapped(text, metrics, painter_.viewport().width())) {
        if (y_ + metrics.height() > painter_.viewport().height() && y_ > 0) {
            ok_ = newPage_();
            if (!ok_)
                return false;
            y_ = 0;
        }
        painter_.drawText(QPointF(0, y_ + metrics.ascent()), line);
        y_ += metrics.lineSpacing();
    }
    return true;
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
