#include "WindowsPrintSystem.h"

#include "PaintedPage.h"
#include "PdfPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <windows.h>
#include <winspool.h>
// The Windows headers' GDI macro would rename our own StartDoc.
#undef StartDoc

#include <vector>

namespace tessaly {
namespace {

// Each document a spooler job of its own, drawn and handed over on the UI thread.
class SpoolerJob final : public PrintJob {
public:
    explicit SpoolerJob(const Destination& destination) : destination_(destination) {}

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override
    {
        auto document = std::make_shared<Document>();
        document->printer.setPrinterName(destination_.name);
        // Only the paper is set: Qt's Windows engine already draws from the printable corner.
        document->printer.setPageSize(destination_.page.isValid() ? destination_.page.pageSize()
                                                                  : localPage().pageSize());
        document->printer.setDocName(title);
        document->painter.begin(&document->printer);
        return std::make_unique<PaintedPage>(document->painter, document->printer, [this, document] {
            // The engine sends the job to the spooler as the painter ends.
            const bool ended = document->painter.end();
            handedOver_ = handedOver_ && ended;
            return ended;
        });
    }

    bool send(Deadline&) override { return handedOver_; }
    // Qt's Windows print engine is kept to the UI thread.
    bool drawnOnAnyThread() const override { return false; }

private:
    struct Document {
        Document() : printer(QPrinter::HighResolution) {}
        QPrinter printer;
        QPainter painter;
    };

    Destination destination_;
    bool handedOver_ = true;
};

} // namespace

Destination WindowsPrintSystem::findDefault(const Deadline&)
{
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0)
        return {};
    std::vector<wchar_t> name(length);
    if (!GetDefaultPrinterW(name.data(), &length))
        return {};
    return {Destination::Kind::Printer, QString::fromWCharArray(name.data()), {}};
}

std::unique_ptr<PrintJob> WindowsPrintSystem::jobFor(const Destination& destination)
{
    Destination withPaper = destination;
    withPaper.page =
        QPageLayout(QPrinterInfo::printerInfo(destination.name).defaultPageSize(), QPageLayout::Portrait, {});
    return std::make_unique<SpoolerJob>(withPaper);
}

} // namespace tessaly
