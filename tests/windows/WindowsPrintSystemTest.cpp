#include "Printing.h"
#include "WindowsPrintSystem.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

using namespace tessaly;

// The spooler's default printer is the one Qt's print engine knows too; without one there is
// nothing to print on and the printout is offered as a PDF.
TEST(WindowsPrintSystem, FindsTheSpoolersDefaultPrinter)
{
    const Deadline deadline(Printing::kSilence);
    const Destination found = WindowsPrintSystem().findDefault(deadline);
    const QPrinterInfo expected = QPrinterInfo::defaultPrinter();
    if (expected.isNull()) {
        EXPECT_EQ(found.kind, Destination::Kind::None);
    } else {
        EXPECT_EQ(found.kind, Destination::Kind::Printer);
        EXPECT_EQ(found.name, expected.printerName());
    }
}
