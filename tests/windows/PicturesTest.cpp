#include "Pictures.h"
#include "Form.h"
#include "PdfPrinter.h"
#include "Printouts.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace tessaly;

namespace {

QImage onWhite(const QImage& picture)
{
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

} // namespace

// CTest runs this once as it is and once on a screen scaled by 2.
TEST(Pictures, ABoxShowsThePictureMadeForItsScreen)
{
    QWidget window;
    QWidget* box = Form(&window).picture("Picture1", Picture::CompanyLogo, {0, 0, 2025, 930});
    QPalette white = box->palette();
    white.setColor(QPalette::Window, Qt::white);
    box->setPalette(white);

    const bool doubled = box->devicePixelRatioF() > 1;
    EXPECT_EQ(doubled, qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2"));
    const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = onWhite(
        QImage(doubled ? QStringLiteral(":/assets/corvane-logo@2x.png") : QStringLiteral(":/assets/corvane-logo.png")));
    ASSERT_EQ(shot.size(), expected.size());
    // Pixel for pixel: the smaller picture scaled up would blur every edge.
    EXPECT_LE(largestDifference(shot, expected), 2);
}

// CTest runs this once as it is and once on a screen scaled by 2.
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
