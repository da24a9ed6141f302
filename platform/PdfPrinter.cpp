#include "PdfPrinter.h"

#include "QPrinterPage.h"

#include <QDir>
#include <QTemporaryFile>

namespace tessaly {
namespace {

struct PdfFile {
    QTemporaryFile file;
};

// The file is a base that comes first, so that it outlives the painter drawing into it.
class PdfPage final : private PdfFile, public QPrinterPage {
public:
    PdfPage(const QString& title, const QPageSize& pageSize, PdfPrinter::Delivery deliver)
        : title_(title), deliver_(std::move(deliver))
    {
        file.setFileTemplate(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX.pdf"));
        if (!file.open())
            return;
        file.close();
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(file.fileName());
        begin(title, pageSize);
    }

protected:
    bool deliver() override { return deliver_(file.fileName(), title_); }

private:
    QString title_;
    PdfPrinter::Delivery deliver_;
};

} // namespace

std::unique_ptr<PrinterPage> PdfPrinter::StartDoc(const QString& title)
{
    return std::make_unique<PdfPage>(title, pageSize_, deliver_);
}

} // namespace tessaly
