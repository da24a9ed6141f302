#include "CupsPrinter.h"

#include <QPrinterInfo>

#include <cups/cups.h>

namespace tessaly {

std::unique_ptr<PrinterPage> CupsPrinter::StartDoc(const QString& title)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return nullptr;
    const QByteArray name = printer.printerName().toLocal8Bit();
    PdfPrinter pdf(
        [name](const QString& file, const QString& job) {
            // CUPS answers with the number of the job it accepted, or 0.
            return cupsPrintFile(name.constData(), file.toLocal8Bit().constData(), job.toUtf8().constData(), 0, nullptr)
                > 0;
        },
        printer.defaultPageSize());
    return pdf.StartDoc(title);
}

} // namespace tessaly
