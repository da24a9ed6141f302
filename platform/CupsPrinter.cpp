#include "CupsPrinter.h"

#include "PainterSurface.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>

#include <cups/cups.h>

namespace tessaly {
namespace {

class PdfPage final : public PrinterPage {
public:
    PdfPage(const QString& title, const QPageSize& pageSize, PdfPrinter::Delivery deliver)
        : title_(title), printer_(QPrinter::HighResolution), deliver_(std::move(deliver))
    {
        file_.setFileTemplate(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX.pdf"));
        ok_ = file_.open();
        file_.close();
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(file_.fileName());
        printer_.setPageSize(pageSize);
        printer_.setDocName(title);
        ok_ = ok_ && painter_.begin(&printer_);
        // The printer's own text font: a fixed-pitch face, so that lines centred with
        // blanks come out centred.
        QFont font(QStringLiteral("Courier New"));
        font.setPointSizeF(10);
        if (ok_)
            painter_.setFont(font);
    }

    bool PrintLine(const QString& text) override
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

    bool SetBold(bool bold) override
    {
        if (!ok_)
            return false;
        QFont font = painter_.font();
        font.setBold(bold);
        painter_.setFont(font);
        return true;
    }

    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill) override
    {
        if (ok_)
            PainterSurface(painter_).FillSector(centreX, centreY, radius, startAngle, endAngle, fill);
    }

    bool PrintScreen(QWidget& client) override
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

    bool PrintPicture(const QString& resource) override
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

    bool EndDoc() override
    {
        if (!ok_ || !painter_.end())
            return false;
        return deliver_(file_.fileName(), title_);
    }

private:
    QString title_;
    QTemporaryFile file_;
    QPrinter printer_;
    QPainter painter_;
    PdfPrinter::Delivery deliver_;
    bool ok_ = false;
    int y_ = 0;
};

} // namespace

std::unique_ptr<PrinterPage> CupsPrinter::StartDoc(const QString& title)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return nullptr;
    const QByteArray name = printer.printerName().toLocal8Bit();
    return std::make_unique<PdfPage>(title, printer.defaultPageSize(), [name](const QString& file, const QString& job) {
        // CUPS answers with the number of the job it accepted, or 0.
        return cupsPrintFile(name.constData(), file.toLocal8Bit().constData(), job.toUtf8().constData(), 0, nullptr)
            > 0;
    });
}

std::unique_ptr<PrinterPage> PdfPrinter::StartDoc(const QString& title)
{
    return std::make_unique<PdfPage>(title, QPageSize(QPageSize::Letter), deliver_);
}

} // namespace tessaly
