// The screens on a screen too small for some of them. The offscreen platform takes its screen
// from the test's environment: 800 x 600, 1366 x 768 at a scale of 1.5 (911 x 512 to Qt), or
// 1280 x 720 at a scale of 2 (640 x 360); under Wine, a desktop of 1366 x 768 at 150 %.
#include "Harness.h"
#include "Messages.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <set>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// The part of a control a person can see: what the widgets around it and the screen let through.
QRect seenPart(const QWidget* control)
{
    QRect part(control->mapToGlobal(QPoint(0, 0)), control->size());
    for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget())
        part &= QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    return part & control->screen()->availableGeometry();
}

bool inView(const QWidget* control) { return seenPart(control).size() == control->size(); }

class SmallScreen : public Harness {
protected:
    void SetUp() override { expectTheRunsScale(); }

    QWidget* showActive(ScreenId id)
    {
        arriveAt(id);
        QWidget* window = screen(id);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }

    // Moves the view of a screen's client area as far as it goes, as a mouse user does.
    static void scroll(QWidget* window, bool toEnd)
    {
        for (QScrollBar* bar : window->findChildren<QScrollBar*>())
            bar->setValue(toEnd ? bar->maximum() : bar->minimum());
    }

    QWidget* client(ScreenId id) { return screen(id)->findChild<QWidget*>(QStringLiteral("client")); }
};

} // namespace

TEST_F(SmallScreen, EveryScreenOpensInsideTheScreenAndPartOneAsNearItsPlaceAsFits)
{
    for (const auto& info : allScreens()) {
        if (!info.working && info.id != frmSplash)
            continue;
        SCOPED_TRACE(info.name.data());
        arriveAt(info.id);
        QWidget* window = screen(info.id);
        const QRect available = window->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << text(window->frameGeometry()) << " on " << text(available);
        EXPECT_EQ(client(info.id)->size(), clientSize(info.id));
    }

    // Along each direction Part I keeps its client area's place unless the window would hang over
    // the screen's edge there; then it rests against that edge.
    arriveAt(quiz);
    auto* window = qobject_cast<QMainWindow*>(screen(quiz));
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint at = window->centralWidget()->mapToGlobal(QPoint(0, 0));
    EXPECT_TRUE(at.x() == 143 || frame.right() == available.right()) << text(frame);
    EXPECT_TRUE(at.y() == 118 || frame.bottom() == available.bottom()) << text(frame);
}

TEST_F(SmallScreen, EveryControlOfPartOneComesIntoViewWhenTheKeyboardReachesIt)
{
    QWidget* window = showActive(quiz);
    // Tab from control to control and the arrow keys down each column of circles, with the view
    // left at its top-left corner before each key, as a mouse user may have left it: the control
    // the focus moves to must come into view.
    const auto press = [window](Qt::Key key) {
        scroll(window, false);
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, key);
        QWidget* now = QApplication::focusWidget();
        EXPECT_TRUE(now == before || inView(now)) << now->objectName().toStdString() << " " << text(seenPart(now));
        return now;
    };
    std::set<QWidget*> reached;
    QWidget* at = QApplication::focusWidget();
    while (at && reached.insert(at).second) {
        if (qobject_cast<QRadioButton*>(at)) {
            for (QWidget* below = press(Qt::Key_Down); below != at; below = press(Qt::Key_Down)) {
                at = below;
                reached.insert(at);
            }
        }
        at = press(Qt::Key_Tab);
    }
    for (QAbstractButton* control : client(quiz)->findChildren<QAbstractButton*>())
        EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
}

TEST_F(SmallScreen, ScrollingToTheEndBringsNextToPartIIUnderTheMouse)
{
    QWidget* window = showActive(quiz);
    scroll(window, true);
    const QWidget* area = client(quiz);
    EXPECT_TRUE(seenPart(area).contains(area->mapToGlobal(area->rect().bottomRight()))) << text(seenPart(area));
    auto* next = window->findChild<QPushButton*>(QStringLiteral("Command74"));
    ASSERT_TRUE(inView(next)) << text(seenPart(next));

    const QPoint centre = next->mapTo(window, next->rect().center());
    ASSERT_EQ(window->childAt(centre), next);
    dialogs.expectMessage(kMissedQuestionBox,
                          "You have missed a question!  Please decide in Blocknumber 1 which word Most describes you!");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
}

TEST_F(SmallScreen, AButtonPartlyInViewTakesAClickWhereItIsSeen)
{
    // Scrolling the button fully into view as the mouse press gives it the focus would take it
    // away from under the mouse before the release.
    QWidget* window = showActive(quiz);
    scroll(window, false);
    auto* next = window->findChild<QPushButton*>(QStringLiteral("Command74"));
    // The view ends a few pixels into the button, or as near to that as it scrolls.
    const int top = next->mapTo(client(quiz), QPoint(0, 0)).y();
    for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
        if (bar->orientation() == Qt::Vertical)
            bar->setValue(top + 5 - client(quiz)->parentWidget()->height());
    }
    const QRect seen = seenPart(next);
    ASSERT_FALSE(seen.isEmpty());
    dialogs.expectMessage(kMissedQuestionBox,
                          "You have missed a question!  Please decide in Blocknumber 1 which word Most describes you!");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(seen.center()));
}
