#include "PdfPrinter.h"

#include "PaintedPage.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace tessaly {

QPageLayout localPage()
{
    // A print system that gets a page on other paper than its own fits it there, cutting the
    // edges or shrinking it. So the page is drawn on the person's country's paper in the part
    // that A4 and US Letter have in common, centred, a quarter of an inch within its edges:
    // printed on either paper, whole.
    constexpr double kMarginMm = 6.35;
    const QSizeF common(std::min(QPageSize(QPageSize::A4).size(QPageSize::Millimeter).width(),
                                 QPageSize(QPageSize::Letter).size(QPageSize::Millimeter).width()),
                        std::min(QPageSize(QPageSize::A4).size(QPageSize::Millimeter).height(),
                                 QPageSize(QPageSize::Letter).size(QPageSize::Millimeter).height()));
    const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                             : QPageSize::A4);
    const QSizeF size = paper.size(QPageSize::Millimeter);
    const double across = (size.width() - common.width()) / 2 + kMarginMm;
    const double down = (size.height() - common.height()) / 2 + kMarginMm;
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(across, down, across, down), QPageLayout::Millimeter);
}

// One PDF being drawn: the painter goes before the writer, the writer before its buffer.
struct PdfPrinter::Canvas {
    Canvas(const QString& title, const QPageLayout& page) : writer(&buffer)
    {
        buffer.open(QIODevice::WriteOnly);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tessaly"));
        // The painter's origin and extent become the printable area's.
        writer.setPageLayout(page);
        writer.setResolution(1200);
        painter.begin(&writer);
    }
    bool end() { return painter.end() && !buffer.data().isEmpty(); }

    QBuffer buffer;
    QPdfWriter writer;
    QPainter painter;
};

PdfPrinter::PdfPrinter(const QPageLayout& page, Layout layout) : page_(page), layout_(layout) {}

PdfPrinter::~PdfPrinter() = default;

std::unique_ptr<PrinterPage> PdfPrinter::StartDoc(const QString& title)
{
    if (layout_ == Layout::OnePdf) {
        if (!shared_)
            shared_ = std::make_unique<Canvas>(title, page_);
        else if (!shared_->painter.isActive() || !shared_->writer.newPage())
            return nullptr;
        return std::make_unique<PaintedPage>(shared_->painter, shared_->writer, [] { return true; });
    }
    auto canvas = std::make_shared<Canvas>(title, page_);
    return std::make_unique<PaintedPage>(canvas->painter, canvas->writer, [this, canvas, title] {
        if (!canvas->end())
            return false;
        documents_.push_back({title, canvas->buffer.data()});
        return true;
    });
}

bool PdfPrinter::finish()
{
    if (!shared_)
        return false;
    const bool ended = shared_->end();
    if (ended)
        documents_.push_back({shared_->writer.title(), shared_->buffer.data()});
    shared_.reset();
    return ended;
}

} // namespace tessaly
