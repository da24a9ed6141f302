#include "PdfPrinter.h"

#include "PaintedPage.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace tessaly {

// One PDF being drawn: the painter goes before the writer, the writer before its buffer.
struct PdfPrinter::Canvas {
    Canvas(const QString& title, const QPageSize& pageSize) : writer(&buffer)
    {
        buffer.open(QIODevice::WriteOnly);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tessaly"));
        writer.setPageSize(pageSize);
        writer.setResolution(1200);
        painter.begin(&writer);
    }
    bool end() { return painter.end() && !buffer.data().isEmpty(); }

    QBuffer buffer;
    QPdfWriter writer;
    QPainter painter;
};

PdfPrinter::PdfPrinter(const QPageSize& pageSize, Layout layout) : pageSize_(pageSize), layout_(layout) {}

PdfPrinter::~PdfPrinter() = default;

std::unique_ptr<PrinterPage> PdfPrinter::StartDoc(const QString& title)
{
    if (layout_ == Layout::OnePdf) {
        if (!shared_)
            shared_ = std::make_unique<Canvas>(title, pageSize_);
        else if (!shared_->painter.isActive() || !shared_->writer.newPage())
            return nullptr;
        return std::make_unique<PaintedPage>(shared_->painter, shared_->writer, [] { return true; });
    }
    auto canvas = std::make_shared<Canvas>(title, pageSize_);
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
