#include "PrintoutsFixture.h"

#include "PdfPrinter.h"
#include "Printouts.h"
#include "StyleLibrary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// What a PDF holds, page by page: its paper in points, and the page drawn in grey at `dpi`.
struct RenderedPage {
    QSizeF paper;
    QImage image;
};

QList<RenderedPage> pagesOf(const QString& pdf, int dpi)
{
    QProcess info;
    info.start("pdfinfo", {"-f", "1", "-l", "1000", pdf});
    info.waitForFinished();
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QList<RenderedPage> pages;
    const QRegularExpression size(QStringLiteral("Page +\\d+ size: +([0-9.]+) x ([0-9.]+) pts"));
    for (const auto& match : size.globalMatch(infoText))
        pages.append({QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()), {}});
    QTemporaryDir dir;
    QProcess render;
    render.start("pdftoppm", {"-png", "-gray", "-r", QString::number(dpi), pdf, dir.filePath("page")});
    render.waitForFinished();
    const QStringList files = QDir(dir.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name);
    for (int i = 0; i < pages.size() && i < files.size(); ++i)
        pages[i].image = QImage(dir.filePath(files[i]));
    return pages;
}

// The pixels that lie wholly outside `printable` (given in points) with ink on them, at most a few.
std::string inkOutside(const QImage& image, const QRectF& printable, int dpi)
{
    const double toPixels = dpi / 72.0;
    // A pixel on the edge may be shaded by what is drawn inside.
    const QRectF allowed(printable.topLeft() * toPixels - QPointF(1, 1),
                         printable.bottomRight() * toPixels + QPointF(1, 1));
    QStringList inked;
    for (int y = 0; y < image.height() && inked.size() < 5; ++y) {
        for (int x = 0; x < image.width() && inked.size() < 5; ++x) {
            if (!allowed.contains(QRectF(x, y, 1, 1)) && qGray(image.pixel(x, y)) < 250)
                inked << QStringLiteral("%1,%2").arg(x).arg(y);
        }
    }
    return inked.join(' ').toStdString();
}

} // namespace

TEST_F(Printouts, TheRealDrawingReachesAPdf)
{
    QTemporaryDir dir;
    // A quarter of an inch, 18 points, the printer cannot print on.
    PdfPrinter pdf(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18)));
    ASSERT_TRUE(printDescription(pdf, *StyleLibrary::byScreen("redblue")));
    ASSERT_TRUE(printValues(pdf, "Ann", {"10", "5", "3", "2"}));
    arriveAt(choice1);
    ASSERT_TRUE(PrintScreenImage(pdf, *screen(choice1)->findChild<QWidget*>("client"), "choice1"));
    ASSERT_EQ(pdf.documents().size(), 3u);
    QStringList delivered;
    for (const auto& document : pdf.documents()) {
        delivered << dir.filePath(QStringLiteral("%1.pdf").arg(delivered.size()));
        QFile file(delivered.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(document.pdf) == document.pdf.size());
    }
    EXPECT_EQ(pdf.documents()[1].title, "Strength Circle");

    auto text = pdfText;
    EXPECT_TRUE(text(delivered[0]).contains("Red / Blue - The Directing Relater"));
    EXPECT_TRUE(text(delivered[0]).contains("START to Understand ME"));
    EXPECT_TRUE(text(delivered[1]).simplified().contains("Your Red Value is: 10"));

    auto firstPage = [&](int index) {
        QProcess render;
        const QString stem = dir.filePath(QStringLiteral("page%1").arg(index));
        render.start("pdftoppm", {"-png", "-r", "72", "-f", "1", "-l", "1", delivered[index], stem});
        render.waitForFinished();
        return QImage(stem + "-1.png");
    };
    // The chooser's image at its natural size from the printable corner, 498 x 352 pixels at
    // 96 dpi: 373 x 264 points.
    const QImage screenPage = firstPage(2);
    ASSERT_FALSE(screenPage.isNull());
    int inked = 0;
    for (int y = 18; y < 18 + 264; y += 2) {
        for (int x = 18; x < 18 + 373; x += 2)
            inked += screenPage.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    }
    EXPECT_GT(inked, 200);
    EXPECT_EQ(screenPage.pixelColor(200, 400), QColor(Qt::white));
    EXPECT_EQ(inkOutside(screenPage, QRectF(18, 18, 612 - 36, 792 - 36), 72), "");

    // The chart stands at the top left of the printable area: red above its centre's right.
    const QImage page = firstPage(1);
    ASSERT_FALSE(page.isNull());
    // Centre 2100, 1900 layout units: 105, 95 points at 72 dpi from the corner; radius 75.
    EXPECT_EQ(page.pixelColor(18 + 105 + 40, 18 + 95 - 20), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(18 + 105 - 40, 18 + 95 + 20), QColor(255, 255, 0));
}

TEST_F(Printouts, EveryPrintoutIsOnThePapersPrintableAreaWithEveryLineWhole)
{
    // Unequal margins show a page drawn from the paper's corner, or turned; a small page shows
    // how the longer printouts go on to their next page.
    const QPageLayout layouts[] = {
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 15, 10, 20), QPageLayout::Millimeter),
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18)),
        QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(12, 8, 6, 10), QPageLayout::Millimeter),
    };
    // Names too long for one line: one of words, one a single word.
    const QString words = "Annabel Marguerite Konstantina von Featherstonehaugh-Cholmondeley of Wolverhampton Green";
    const QString word = QString("Maximiliana").repeated(9);
    arriveAt(quiz);
    QWidget& wideScreen = *screen(quiz)->findChild<QWidget*>("client");
    QTemporaryDir dir;
    for (const QPageLayout& layout : layouts) {
        SCOPED_TRACE(layout.pageSize().name().toStdString());
        PdfPrinter pdf(layout);
        ASSERT_TRUE(printValues(pdf, words, {"10", "5", "3", "2"}));
        ASSERT_TRUE(printValues(pdf, word, {"10", "5", "3", "2"}));
        ASSERT_TRUE(printDescription(pdf, *StyleLibrary::byScreen("redyellow")));
        ASSERT_TRUE(PrintScreenImage(pdf, wideScreen, "quiz"));
        ASSERT_TRUE(printPaperVersion(pdf));
        ASSERT_EQ(pdf.documents().size(), 6u);

        const QRectF paper = layout.fullRect(QPageLayout::Point);
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        QStringList texts;
        for (const auto& document : pdf.documents()) {
            SCOPED_TRACE(document.title.toStdString());
            const QString file = dir.filePath(QStringLiteral("%1.pdf").arg(texts.size()));
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(document.pdf) == document.pdf.size());
            out.close();
            const QList<RenderedPage> pages = pagesOf(file, 50);
            ASSERT_FALSE(pages.isEmpty());
            for (const auto& page : pages) {
                EXPECT_NEAR(page.paper.width(), paper.width(), 0.1);
                EXPECT_NEAR(page.paper.height(), paper.height(), 0.1);
                ASSERT_FALSE(page.image.isNull());
                EXPECT_EQ(inkOutside(page.image, printable, 50), "");
            }
            texts << pdfText(file);
        }
        // A line too wide breaks at its last blank that fits, or where the word no longer fits.
        EXPECT_TRUE(texts[0].simplified().contains("START to Understand " + words)) << texts[0].toStdString();
        EXPECT_TRUE(QString(texts[1]).remove(QRegularExpression("\\s")).contains("STARTtoUnderstand" + word))
            << texts[1].toStdString();
        EXPECT_TRUE(texts[1].contains(QRegularExpression("START to Understand\\s*\n"))) << texts[1].toStdString();
        // The description's last line reaches the paper, on a page of its own where it must.
        EXPECT_TRUE(texts[2].simplified().contains("Red / Yellow - The Directing Socializer"));
        EXPECT_TRUE(texts[2].simplified().contains(
            QString::fromUtf8(StyleLibrary::byScreen("redyellow")->printLines.back()).simplified()));
    }
}
