#include "Pictures.h"
#include "Form.h"
#include "Harness.h"
#include "PdfPrinter.h"
#include "Printouts.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace tessaly;
using tessaly::testing::expectTheRunsScale;

namespace {

// The picture on white, one of its pixels to each pixel of the result.
QImage onWhite(QImage picture)
{
    picture.setDevicePixelRatio(1);
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter(&result).drawImage(0, 0, picture);
    return result;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// How sharp a picture is: the differences between neighbouring pixels, summed. A blurred edge
// spreads one step over several small ones and sums to less.
double sharpness(const QImage& image)
{
    const auto step = [](QRgb p, QRgb q) { return std::pow(qGray(p) - qGray(q), 2); };
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x)
            sum += step(image.pixel(x, y), image.pixel(x + 1, y)) + step(image.pixel(x, y), image.pixel(x, y + 1));
    }
    return sum;
}

} // namespace

// CTest runs this at the screen's own size and scaled (by 2 here, under Wine at each display
// scale).
TEST(Pictures, ABoxShowsThePictureMadeForItsScreen)
{
    QWidget window;
    QWidget* box = Form(&window).picture("Picture1", Picture::CompanyLogo, {0, 0, 2025, 930});
    QPalette white = box->palette();
    white.setColor(QPalette::Window, Qt::white);
    box->setPalette(white);

    const qreal ratio = box->devicePixelRatioF();
    expectTheRunsScale();
    const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // As many pixels as the screen shows there.
    ASSERT_EQ(shot.size(), box->size() * ratio);
    const QImage single = onWhite(QImage(QStringLiteral(":/assets/corvane-logo.png")));
    const QImage doubled = onWhite(QImage(QStringLiteral(":/assets/corvane-logo@2x.png")));
    if (ratio == 1 || ratio == 2) {
        // Pixel for pixel: the smaller picture scaled up would blur every edge.
        EXPECT_LE(largestDifference(shot, ratio == 1 ? single : doubled), 2);
    } else {
        // Between the two sizes, the larger picture made smaller: sharper than the smaller one
        // made larger would be.
        const QImage blurred = single.scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(sharpness(shot), 1.25 * sharpness(blurred));
    }
}

// CTest runs this at the screen's own size and scaled.
TEST(Pictures, AnIconHoldsThePicturesForItsScreen)
{
    for (const char* name : {":/assets/tessaly-icon.png", ":/assets/tutorial-icon.png"}) {
        SCOPED_TRACE(name);
        const QString resource = QString::fromLatin1(name);
        // What the window system is given: every size, each the picture made for it.
        const QIcon icon = pictureIcon(resource);
        const QIcon fromFile(resource);
        ASSERT_EQ(icon.availableSizes(), fromFile.availableSizes());
        ASSERT_FALSE(icon.availableSizes().isEmpty());
        for (const QSize size : icon.availableSizes()) {
            const QImage drawn = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(drawn, fromFile.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32))
                << size.width();
        }
    }
}

TEST(Pictures, ThePaperSheetsReachThePageAtPrintResolution)
{
    PdfPrinter pdf(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}));
    ASSERT_TRUE(printPaperVersion(pdf));
    QList<QByteArray> printed;
    for (const auto& document : pdf.documents())
        printed << document.pdf;
    ASSERT_EQ(printed.size(), 2);

    const char* sheets[] = {":/assets/paper-answer-sheet.png", ":/assets/paper-graph-sheet.png"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sheets[i]);
        const QSize size = QImage(QString::fromLatin1(sheets[i])).size();
        // Drawn within a Letter page, 8.5 by 11 inches: at least 300 picture pixels per inch.
        EXPECT_GE(std::max(size.width() / 8.5, size.height() / 11.0), 299.9);
        // The page carries the picture as it is, not a reduced copy.
        EXPECT_TRUE(printed[i].contains("/Width " + QByteArray::number(size.width())));
        EXPECT_TRUE(printed[i].contains("/Height " + QByteArray::number(size.height())));
    }
}
