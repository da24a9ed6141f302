#include "WindowsPrintSystem.h"
#include "DevicePage.h"
#include "Printing.h"

#include <QRectF>

#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <vector>

using namespace tessaly;

// The spooler's default printer; without one there is nothing to print on and the printout is
// offered as a PDF.
TEST(WindowsPrintSystem, FindsTheSpoolersDefaultPrinter)
{
    const Deadline deadline(Printing::kSilence);
    const Destination found = WindowsPrintSystem().findDefault(deadline);
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    std::vector<wchar_t> expected(length + 1);
    if (length == 0 || !GetDefaultPrinterW(expected.data(), &length)) {
        EXPECT_EQ(found.kind, Destination::Kind::None);
    } else {
        EXPECT_EQ(found.kind, Destination::Kind::Printer);
        EXPECT_EQ(found.name, QString::fromWCharArray(expected.data()));
        EXPECT_TRUE(found.page.isValid());
    }
}

// The printer's sheet and the edges it cannot reach, from the measures of its device context.
TEST(WindowsPrintSystem, ThePageIsThePrintersPaperLessWhatItCannotReach)
{
    struct Case {
        const char* what;
        DeviceCaps caps;
        QPageSize::PageSizeId paper;
        QMarginsF marginsInInches;
    };
    const Case cases[] = {
        {"A4 at 600 dpi, a sixth of an inch all round",
         {4960, 7016, 100, 100, 4760, 6816, 600, 600},
         QPageSize::A4,
         {1 / 6.0, 1 / 6.0, 1 / 6.0, 1 / 6.0}},
        {"Letter at 300 dpi, more kept at the foot",
         {2550, 3300, 75, 60, 2400, 3090, 300, 300},
         QPageSize::Letter,
         {0.25, 0.2, 0.25, 0.5}},
        {"Letter at 600 by 300 dpi, printed to the edges",
         {5100, 3300, 0, 0, 5100, 3300, 600, 300},
         QPageSize::Letter,
         {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPageLayout page = pageOfDevice(c.caps);
        ASSERT_TRUE(page.isValid());
        EXPECT_EQ(page.pageSize().id(), c.paper);
        const QMarginsF margins = page.margins(QPageLayout::Inch);
        EXPECT_NEAR(margins.left(), c.marginsInInches.left(), 0.01);
        EXPECT_NEAR(margins.top(), c.marginsInInches.top(), 0.01);
        EXPECT_NEAR(margins.right(), c.marginsInInches.right(), 0.01);
        EXPECT_NEAR(margins.bottom(), c.marginsInInches.bottom(), 0.01);
    }
    // A paper of no standard size keeps its own measures.
    const QPageLayout odd = pageOfDevice({1200, 1800, 30, 30, 1140, 1740, 300, 300});
    EXPECT_EQ(odd.pageSize().id(), QPageSize::Custom);
    EXPECT_NEAR(odd.paintRect(QPageLayout::Inch).width(), 3.8, 0.01);
    EXPECT_NEAR(odd.paintRect(QPageLayout::Inch).height(), 5.8, 0.01);
    // A device that gives no usable measures leaves the paper unknown.
    EXPECT_FALSE(pageOfDevice({}).isValid());
    EXPECT_FALSE(pageOfDevice({2550, 3300, 0, 0, 2600, 3300, 300, 300}).isValid());
}
