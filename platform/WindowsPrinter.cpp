#include "WindowsPrinter.h"

#include "QPrinterPage.h"

#include <QPrinterInfo>

namespace tessaly {
namespace {

class SpoolerPage final : public QPrinterPage {
public:
    SpoolerPage(const QString& title, const QPrinterInfo& target)
    {
        printer().setPrinterName(target.printerName());
        begin(title, target.defaultPageSize());
    }

protected:
    // The engine sends the job to the spooler as the painter ends.
    bool deliver() override { return true; }
};

} // namespace

std::unique_ptr<PrinterPage> WindowsPrinter::StartDoc(const QString& title)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return nullptr;
    return std::make_unique<SpoolerPage>(title, target);
}

} // namespace tessaly
