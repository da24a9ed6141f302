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

#include <algorithm>

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

// The words of a PDF with their boxes in points, page by page, as pdftotext finds them.
struct PlacedWord {
    QString text;
    QRectF box;
};

QList<QList<PlacedWord>> placedWords(const QString& pdf)
{
    QProcess boxes;
    boxes.start("pdftotext", {"-bbox", pdf, "-"});
    boxes.waitForFinished();
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    QList<QList<PlacedWord>> pages;
    const QRegularExpression item(QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                                 "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (const auto& match : item.globalMatch(html)) {
        if (match.captured(0).startsWith("<page")) {
            pages.append(QList<PlacedWord>());
            continue;
        }
        const QPointF from(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF to(match.captured(3).toDouble(), match.captured(4).toDouble());
        pages.back().append({match.captured(5), QRectF(from, to)});
    }
    return pages;
}

// Writes a printer's first document into `dir`, and gives its path.
QString keep(const PdfPrinter& pdf, const QTemporaryDir& dir, const QString& name)
{
    const QString file = dir.filePath(name + ".pdf");
    QFile out(file);
    return out.open(QIODevice::WriteOnly)
            && out.write(pdf.documents().front().pdf) == pdf.documents().front().pdf.size()
        ? file
        : QString();
}

} // namespace

TEST_F(Printouts, TheRealDrawingReachesAPdf)
{
    QTemporaryDir dir;
    // A quarter of an inch, 18 points, the printer cannot print on.
    PdfPrinter pdf(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18)));
    ASSERT_TRUE(printDescription(pdf, *StyleLibrary::byScreen("redblue")));
    ASSERT_TRUE(printValues(pdf, "Ann", kTenFiveThreeTwo));
    arriveAt(choice1);
    ASSERT_TRUE(PrintScreenImage(pdf, screenImage(*screen(choice1)->findChild<QWidget*>("client")), "choice1"));
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
    const QPicture wideScreen = screenImage(*screen(quiz)->findChild<QWidget*>("client"));
    QTemporaryDir dir;
    for (const QPageLayout& layout : layouts) {
        SCOPED_TRACE(layout.pageSize().name().toStdString());
        PdfPrinter pdf(layout);
        ASSERT_TRUE(printValues(pdf, words, kTenFiveThreeTwo));
        ASSERT_TRUE(printValues(pdf, word, kTenFiveThreeTwo));
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
        // A line is never broken: smaller, or where even the smallest text is too wide, cut at
        // the edge with an ellipsis, and the line after it in its own place.
        for (const auto& [printed, name] : {std::pair{texts[0], words}, std::pair{texts[1], word}}) {
            const QString line = printed.split('\n').filter("START to Understand").value(0).trimmed();
            const QString whole = "START to Understand " + name;
            EXPECT_TRUE(line == whole || (line.endsWith(QChar(0x2026)) && whole.startsWith(line.chopped(1))))
                << line.toStdString();
            EXPECT_TRUE(printed.contains(QRegularExpression("\n\\s*Your Red Value is:\\s+10\\s*\n")))
                << printed.toStdString();
        }
        // The description's last line reaches the paper, on a page of its own where it must.
        EXPECT_TRUE(texts[2].simplified().contains("Red / Yellow - The Directing Socializer"));
        EXPECT_TRUE(texts[2].simplified().contains(
            QString::fromUtf8(StyleLibrary::byScreen("redyellow")->printLines.back()).simplified().left(40)));
    }
}

TEST_F(Printouts, EachLinePrintoutIsInOneSizeEveryLineWholeAndNothingOverAnything)
{
    QTemporaryDir dir;
    // The height pdftotext gives a word of the printer's 10 point text.
    auto heightOf = [&](const QString& file) { return placedWords(file).value(0).value(0).box.height(); };
    PdfPrinter reference(localPage());
    ASSERT_TRUE(printValues(reference, "Ann", kTenFiveThreeTwo));
    const qreal tenPoints = heightOf(keep(reference, dir, "reference"));
    ASSERT_GT(tenPoints, 0);

    // Every description on A4 and on US Letter with the margins a driver gives them, and on
    // US Letter with none: its lines as written, one for each, in one size no larger than 10
    // points and no smaller than it must be.
    const QPageLayout layouts[] = {
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 15, 10, 20), QPageLayout::Millimeter),
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(5, 15, 10, 20),
                    QPageLayout::Millimeter),
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}),
    };
    for (const QPageLayout& layout : layouts) {
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        for (const StyleDescription& style : StyleLibrary::all()) {
            SCOPED_TRACE(layout.pageSize().name().toStdString() + " " + std::string(style.heading));
            PdfPrinter pdf(layout);
            ASSERT_TRUE(printDescription(pdf, style));
            const QString file = keep(pdf, dir, QString::fromUtf8(style.screen.data(), style.screen.size()));
            QStringList source;
            for (const auto line : style.printHeader)
                source << QString::fromUtf8(line).simplified();
            for (const auto line : style.printLines)
                source << QString::fromUtf8(line).simplified();
            source.removeAll(QString());
            QStringList printed = pdfRawText(file).split('\n');
            for (QString& line : printed)
                line = line.simplified();
            printed.removeAll(QString());
            EXPECT_EQ(printed.join('\n').toStdString(), source.join('\n').toStdString());

            qreal right = 0;
            qreal lowest = 1000;
            qreal highest = 0;
            for (const auto& page : placedWords(file)) {
                for (const PlacedWord& placed : page) {
                    lowest = std::min(lowest, placed.box.height());
                    highest = std::max(highest, placed.box.height());
                    right = std::max(right, placed.box.right());
                }
            }
            EXPECT_NEAR(lowest, highest, 0.05);
            const qreal points = highest / tenPoints * 10;
            EXPECT_LE(points, 10.01);
            EXPECT_GE(points, 7 - 0.01);
            EXPECT_LE(right, printable.right() + 0.5);
            // Made smaller only as far as the widest line needs, in steps of a tenth of a point:
            // it then reaches to within a few points of the edge.
            if (points < 9.99) {
                EXPECT_GT(right, printable.right() - 10) << points;
            }
        }
    }

    // A name too long even for the smallest text ends at the edge in an ellipsis, on the one
    // page, the chart above the lines and the values below the name, each on its own line.
    for (const int length : {300, 4500, 5000}) {
        SCOPED_TRACE(length);
        PdfPrinter pdf(localPage());
        const QString name = QString("Featherstonehaugh ").repeated(length / 18 + 1).left(length);
        ASSERT_TRUE(printValues(pdf, name, kTenFiveThreeTwo));
        const QString file = keep(pdf, dir, QStringLiteral("values-%1").arg(length));
        const auto pages = placedWords(file);
        ASSERT_EQ(pages.size(), 1);
        QStringList printed = pdfRawText(file).split('\n');
        printed.removeAll(QString());
        ASSERT_EQ(printed.size(), 5) << printed.join('|').toStdString();
        EXPECT_TRUE(printed[0].endsWith(QChar(0x2026)));
        EXPECT_TRUE(("START to Understand " + name).startsWith(printed[0].chopped(1)));
        EXPECT_EQ(printed.mid(1).join('|').simplified().toStdString(),
                  "Your Red Value is: 10|Your Yellow Value is: 5|Your Blue Value is: 3|Your Green Value is: 2");
        const QRectF printable = localPage().paintRect(QPageLayout::Point);
        // The chart's lowest point: centre 1900 and radius 1500 layout units below the top.
        const qreal chartBottom = printable.top() + (1900 + 1500) / 20.0;
        for (const PlacedWord& placed : pages.front()) {
            EXPECT_GT(placed.box.top(), chartBottom) << placed.text.toStdString();
            EXPECT_LE(placed.box.right(), printable.right() + 0.5) << placed.text.toStdString();
        }
        const QList<RenderedPage> rendered = pagesOf(file, 50);
        ASSERT_EQ(rendered.size(), 1);
        EXPECT_EQ(inkOutside(rendered.front().image, printable, 50), "");
    }
}
