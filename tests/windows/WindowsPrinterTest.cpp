#include "WindowsPrinter.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

using namespace tessaly;

TEST(WindowsPrinter, WithoutADefaultPrinterNoDocumentStarts)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    EXPECT_EQ(WindowsPrinter().StartDoc("Manual Quiz"), nullptr);
}
