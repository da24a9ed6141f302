// The screens' shapes at any scale: the chart, the coloured circles and the option buttons'
// circles, each as round as the screen's pixels allow and as large as its place, and every
// window as large as its client area.
#include "Form.h"
#include "Harness.h"
#include "StrengthCircleChart.h"

#include <QGuiApplication>
#include <QImage>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// The screen's pixels within `place` (in the control's own pixels) that differ from the
// background around the shape.
QRect inkWithin(QWidget* control, const QRect& place)
{
    const QImage image = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = image.devicePixelRatio();
    const QRect area = onDevice(place, ratio) & image.rect();
    const QRgb background = image.pixel(area.topLeft());
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Round, and `diameter` pixels of Qt's across, give or take a screen pixel for the smoothed edge.
::testing::AssertionResult roundOf(const QRect& ink, qreal diameter)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    const qreal expected = diameter * ratio;
    if (std::abs(ink.width() - ink.height()) <= 1 && std::abs(ink.width() - expected) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "inked " << text(ink) << ", a circle " << expected << " across expected";
}

class Shapes : public Harness {
protected:
    void SetUp() override { expectTheRunsScale(); }
};

} // namespace

TEST_F(Shapes, TheChartIsACircleAsLargeAsItsPlace)
{
    publish({20, 27, 3, 16});
    arriveAt(Graph1);
    moveOverChart();
    QWidget* chart = screen(Graph1)->findChild<QWidget*>(QStringLiteral("Picture1"));
    EXPECT_TRUE(roundOf(inkWithin(chart, chart->rect()), 2 * kChartRadius / 15.0));
}

TEST_F(Shapes, TheColouredCirclesAreRound)
{
    struct Case {
        ScreenId id;
        const char* name;
    };
    for (const auto& c : {Case{Yourcolor1, "Shape1"}, Case{step1, "Shape1_0"}, Case{redyellow, "Shape1"}}) {
        SCOPED_TRACE(c.name);
        arriveAt(c.id);
        auto* circle = screen(c.id)->findChild<CircleShape*>(QString::fromLatin1(c.name));
        ASSERT_NE(circle, nullptr);
        // Its box is a little wider than the circle: its pen's width around it, half each side.
        EXPECT_TRUE(roundOf(inkWithin(circle, circle->rect()), std::min(circle->width(), circle->height())));
    }
}

TEST_F(Shapes, TheOptionButtonsCirclesAreRound)
{
    for (const ScreenId id : {quiz, quiz2, Intro}) {
        SCOPED_TRACE(screenInfo(id).name.data());
        arriveAt(id);
        CaptionLeftRadio* option = nullptr;
        for (QRadioButton* r : screen(id)->findChildren<QRadioButton*>()) {
            if (!option)
                option = dynamic_cast<CaptionLeftRadio*>(r);
        }
        ASSERT_NE(option, nullptr);
        const QRect circle = option->circleRect();
        const QRect ink = inkWithin(option, circle.adjusted(-2, -2, 2, 2));
        // The style draws its own circle in the place it asks for, scaled with the screen.
        EXPECT_LE(std::abs(ink.width() - ink.height()), 1) << text(ink);
        EXPECT_GE(ink.width(), (circle.width() - 2) * qGuiApp->devicePixelRatio()) << text(ink);
    }
}

TEST_F(Shapes, EveryWindowShowsItsWholeClientAreaWhereTheScreenHasRoom)
{
    for (const auto& info : allScreens()) {
        SCOPED_TRACE(info.name.data());
        arriveAt(info.id);
        auto* viewport = screen(info.id)->findChild<QScrollArea*>(QStringLiteral("viewport"));
        if (!viewport)
            continue;
        // Shown once the window has had its size from the window system.
        QTest::qWait(50);
        EXPECT_EQ(viewport->viewport()->size(), clientSize(info.id));
        EXPECT_FALSE(viewport->verticalScrollBar()->isVisible());
        EXPECT_FALSE(viewport->horizontalScrollBar()->isVisible());
    }
}

TEST_F(Shapes, EveryLineIsDrawnWholeWhereNothingLiesOverIt)
{
    const QRegularExpression lineName(QStringLiteral("^Line\\d+(_\\d+)?$"));
    for (const auto& info : allScreens()) {
        QWidget* client = screen(info.id)->findChild<QWidget*>(QStringLiteral("client"));
        if (!client)
            continue;
        SCOPED_TRACE(info.name.data());
        arriveAt(info.id);
        // The window as it is shown: below a menu bar, the client area may start part of the
        // way into a screen pixel.
        QWidget* window = screen(info.id);
        const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = image.devicePixelRatio();
        const QRect shown(client->mapTo(window, QPoint(0, 0)), client->size());
        for (QWidget* line : client->findChildren<QWidget*>(lineName)) {
            SCOPED_TRACE(line->objectName().toStdString());
            const QRect box(line->mapTo(window, QPoint(0, 0)), line->size());
            const bool across = box.width() > box.height();
            const int length = across ? box.width() : box.height();
            int missing = 0;
            for (int along = 1; along < length - 1; ++along) {
                // A cross-section of the line, one of Qt's pixels long.
                const QRect section = across ? QRect(box.left() + along, box.top(), 1, box.height())
                                             : QRect(box.left(), box.top() + along, box.width(), 1);
                QWidget* parent = line->parentWidget();
                // Beyond the client area, or where a control lies over it, nothing of it shows.
                if (!shown.contains(section.center())
                    || parent->childAt(parent->mapFrom(window, section.center())))
                    continue;
                const QRect pixels = onDevice(section, ratio) & image.rect();
                bool inked = false;
                for (int y = pixels.top(); y <= pixels.bottom() && !inked; ++y) {
                    for (int x = pixels.left(); x <= pixels.right() && !inked; ++x)
                        inked = qGray(image.pixel(x, y)) < 160;
                }
                missing += inked ? 0 : 1;
            }
            EXPECT_EQ(missing, 0) << "of " << length << " along " << text(box);
        }
    }
}
