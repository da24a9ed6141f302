#include "Form.h"
#include "Harness.h"
#include "Messages.h"
#include "WordControls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <set>
#include <stdexcept>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class QuizScreens : public Harness {
protected:
    QRadioButton* circle(ScreenId id, std::string_view name)
    {
        auto* r = screen(id)->findChild<QRadioButton*>(QString::fromUtf8(name));
        EXPECT_NE(r, nullptr) << name;
        return r;
    }

    // Centre of a control in the screen's client area.
    QPoint centreOf(QWidget* w) { return w->mapTo(w->window(), w->rect().center()); }

    // A click as the person makes it: through the window, onto whatever lies at that point.
    static void clickAt(QWidget* control, QPoint at)
    {
        QWidget* window = control->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, at));
    }

    // Where a circle without a caption is drawn.
    static QPoint drawnCircleCentre(QRadioButton* circle)
    {
        QStyleOptionButton option;
        option.initFrom(circle);
        return circle->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, circle).center();
    }

    std::vector<QString> checkedCircles(ScreenId id)
    {
        std::vector<QString> names;
        for (auto* r : screen(id)->findChildren<QRadioButton*>()) {
            if (r->isChecked())
                names.push_back(r->objectName());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

} // namespace

TEST_F(QuizScreens, ClicksOnTheCirclesFollowTheRule)
{
    arriveAt(quiz);
    // Box 1: magnetic Option3 / Option8, brave Option2 / Option7, modest Option1 / Option5.
    QTest::mouseClick(circle(quiz, "Option3"), Qt::LeftButton);
    QTest::mouseClick(circle(quiz, "Option8"), Qt::LeftButton);
    EXPECT_FALSE(session.answers().most(1));
    EXPECT_EQ(session.answers().least(1), 1);
    EXPECT_EQ(checkedCircles(quiz), std::vector<QString>{"Option8"});

    QTest::mouseClick(circle(quiz, "Option2"), Qt::LeftButton);
    QTest::mouseClick(circle(quiz, "Option5"), Qt::LeftButton);
    QTest::mouseClick(circle(quiz, "Option1"), Qt::LeftButton);
    EXPECT_EQ(session.answers().most(1), 4);
    EXPECT_FALSE(session.answers().least(1));
    EXPECT_EQ(checkedCircles(quiz), std::vector<QString>{"Option1"});

    // Part II uses its own names; the same caption elsewhere is not touched.
    arriveAt(quiz2);
    QTest::mouseClick(circle(quiz2, "most40"), Qt::LeftButton); // patient, box 26
    QTest::mouseClick(circle(quiz2, "least40"), Qt::LeftButton);
    EXPECT_EQ(session.answers().least(26), 4);
    EXPECT_FALSE(session.answers().most(26));
    EXPECT_FALSE(session.answers().least(14));
    EXPECT_EQ(checkedCircles(quiz2), std::vector<QString>{"least40"});
}

TEST_F(QuizScreens, TheDrawnCircleTheWordAndTheSpaceBetweenTakeTheClick)
{
    struct Row {
        ScreenId id;
        std::string_view most;
        std::string_view least;
        int box; // 0: the sample box on the instructions
        int row;
    };
    std::vector<Row> rows;
    for (const auto part : {QuizScreen::Quiz, QuizScreen::Quiz2}) {
        for (const auto& box : WordBank::instance().boxesOf(part)) {
            for (int row = 1; row <= kRowsPerBox; ++row) {
                const WordControls& controls = controlsOf(box.number, row);
                rows.push_back(
                    {part == QuizScreen::Quiz ? quiz : quiz2, controls.most, controls.least, box.number, row});
            }
        }
    }
    for (const auto& [most, least, row] : {std::tuple{"Option3", "Option8", 1}, std::tuple{"Option2", "Option7", 2},
                                           std::tuple{"Option4", "Option6", 3}, std::tuple{"Option1", "Option5", 4}})
        rows.push_back({Intro, most, least, 0, row});

    auto marks = [&](int box) { return box == 0 ? session.sampleBox() : session.answers().marks(box); };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(screenInfo(r.id).name) + " " + std::string(r.most));
        if (!visible(r.id))
            arriveAt(r.id);
        auto* most = dynamic_cast<CaptionLeftRadio*>(circle(r.id, r.most));
        QRadioButton* least = circle(r.id, r.least);
        ASSERT_TRUE(most && least);
        const QRect word =
            most->fontMetrics().boundingRect(most->captionRect(), CaptionLeftRadio::kCaptionFlags, most->text());
        const QRect drawn = most->circleRect();
        // The circle, the space between the word and the circle, the word.
        const QPoint points[] = {drawn.center(), QPoint((word.right() + drawn.left()) / 2, drawn.center().y()),
                                 QPoint(word.left() + 2, word.center().y())};
        for (const QPoint at : points) {
            // The Least circle of the row first, so that each point has a mark to make.
            clickAt(least, drawnCircleCentre(least));
            ASSERT_EQ(marks(r.box).least, r.row);
            clickAt(most, at);
            EXPECT_EQ(marks(r.box).most, r.row) << "clicked at " << at.x() << "," << at.y();
            EXPECT_EQ(marks(r.box).least, std::nullopt);
        }
    }
}

TEST_F(QuizScreens, TheKeyboardMarksThroughTheSamePath)
{
    arriveAt(quiz);
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen(quiz)));
    QRadioButton* brave = circle(quiz, "Option2");
    brave->setFocus();
    QTest::keyClick(brave, Qt::Key_Space);
    EXPECT_EQ(session.answers().most(1), 2);
    QTest::keyClick(brave, Qt::Key_Down); // moves the mark down the group: reserved
    EXPECT_EQ(session.answers().most(1), 3);
    EXPECT_TRUE(circle(quiz, "Option4")->isChecked());

    // Tab goes from group to group: box 1's Least column is next, with reserved's circle reached
    // by the arrows.
    QTest::keyClick(circle(quiz, "Option4"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), circle(quiz, "Option8"));
    QTest::keyClick(circle(quiz, "Option8"), Qt::Key_Down);
    QTest::keyClick(circle(quiz, "Option7"), Qt::Key_Down);
    QRadioButton* reservedLeast = circle(quiz, "Option6");
    ASSERT_EQ(QApplication::focusWidget(), reservedLeast);
    QTest::keyClick(reservedLeast, Qt::Key_Space);
    EXPECT_EQ(session.answers().least(1), 3);
    EXPECT_FALSE(session.answers().most(1));
    EXPECT_FALSE(circle(quiz, "Option4")->isChecked());

    // Then the definition buttons, then the next box's Most column.
    QTest::keyClick(reservedLeast, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command72");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Option12"); // box 2, cautious
}

TEST_F(QuizScreens, EveryDefinitionButtonAndLeastCircleStandsLevelWithItsWord)
{
    for (const auto part : {QuizScreen::Quiz, QuizScreen::Quiz2}) {
        const ScreenId id = part == QuizScreen::Quiz ? quiz : quiz2;
        arriveAt(id);
        for (const auto& box : WordBank::instance().boxesOf(part)) {
            for (int row = 1; row <= kRowsPerBox; ++row) {
                const BoxWord& word = box.words[static_cast<std::size_t>(row - 1)];
                const WordControls& controls = controlsOf(box.number, row);
                SCOPED_TRACE(std::string(word.caption) + " in box " + std::to_string(box.number));
                auto* most = circle(id, controls.most);
                auto* least = circle(id, controls.least);
                auto* button = screen(id)->findChild<QPushButton*>(QString::fromUtf8(controls.definition));
                ASSERT_TRUE(most && least && button);
                EXPECT_EQ(most->text(), QString::fromUtf8(word.caption));
                EXPECT_TRUE(least->text().isEmpty());
                EXPECT_NEAR(centreOf(button).y(), centreOf(most).y(), 1);
                EXPECT_NEAR(centreOf(least).y(), centreOf(most).y(), 1);
                EXPECT_LT(centreOf(button).x(), centreOf(most).x());
                EXPECT_GT(centreOf(least).x(), centreOf(most).x());

                dialogs.expectMessage(kWordDefinitionBox, QString::fromUtf8(word.definition));
                clickAt(button, button->rect().center());
                EXPECT_EQ(session.answers().marks(box.number), BoxMarks{});
            }
        }
    }
}

TEST_F(QuizScreens, ControlsWithoutCaptionsCarryNamesAScreenReaderCanSpeak)
{
    auto* daringLeast = circle(quiz, "Option61");
    EXPECT_EQ(daringLeast->accessibleName(), "Box 7, daring, Least like me");
    EXPECT_EQ(circle(quiz, "Option60")->accessibleDescription(), "Box 7, Most like me");
    EXPECT_EQ(screen(quiz)->findChild<QPushButton*>("Command28")->accessibleName(), "Definition of daring");
    EXPECT_EQ(circle(quiz2, "least49")->accessibleName(), "Box 19, argumentative, Least like me");
}

TEST_F(QuizScreens, GridHeadingsLabelsAndNavigationStandInTheirCells)
{
    auto labelAt = [&](ScreenId id, const QString& text) {
        for (auto* l : screen(id)->findChildren<QLabel*>()) {
            if (l->text() == text)
                return l->geometry();
        }
        return QRect();
    };
    EXPECT_EQ(labelAt(quiz, "Box 1").topLeft(), QPoint(56, 136)); // first column: X + 360
    EXPECT_EQ(labelAt(quiz, "Box 10").topLeft(), QPoint(416, 264)); // the others: X + 480
    EXPECT_EQ(labelAt(quiz2, "Box 24").topLeft(), QPoint(416, 264));
    EXPECT_EQ(labelAt(quiz2, "Box 28").topLeft(), QPoint(592, 392));
    EXPECT_TRUE(labelAt(quiz, "Box 16").isNull());
    EXPECT_EQ(screen(quiz)->findChildren<QLabel*>(arrayNamed("Label1")).size(), 8);
    EXPECT_EQ(screen(quiz)->findChildren<QRadioButton*>().size(), 120);
    EXPECT_EQ(screen(quiz2)->findChildren<QRadioButton*>().size(), 104);

    // Nothing on Part II shows the Part I scores, though it carries them.
    markEveryBox();
    arriveAt(quiz);
    click(quiz, "Command74");
    const QStringList expected{"-2", "6", "-4", "1"};
    for (int i = 0; i < 4; ++i) {
        auto* total = screen(quiz2)->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1));
        ASSERT_NE(total, nullptr);
        EXPECT_FALSE(total->isVisible());
        EXPECT_EQ(total->text(), expected[i]);
    }
}

TEST_F(QuizScreens, MarksSurviveGoingBackAndNewEmptiesThem)
{
    arriveAt(quiz);
    QTest::mouseClick(circle(quiz, "Option140"), Qt::LeftButton); // captivating, box 15
    click(quiz, "Command73");
    click(Intro, "Command3");
    EXPECT_TRUE(visible(step1));
    flow.navigate(step1, quiz);
    EXPECT_TRUE(circle(quiz, "Option140")->isChecked());

    dialogs.expectQuestion("Do you want to start a new Tessaly session?", true);
    trigger(quiz, "mnunew");
    arriveAt(quiz);
    EXPECT_TRUE(checkedCircles(quiz).empty());
}

TEST(WordControls, NamesAreUniquePerScreenEachInItsOwnSeries)
{
    for (const auto screen : {QuizScreen::Quiz, QuizScreen::Quiz2}) {
        std::set<std::string_view> circles, buttons;
        for (int box = firstBoxOf(screen); box <= lastBoxOf(screen); ++box) {
            for (int row = 1; row <= kRowsPerBox; ++row) {
                const WordControls& c = controlsOf(box, row);
                EXPECT_TRUE(circles.insert(c.most).second) << c.most;
                EXPECT_TRUE(circles.insert(c.least).second) << c.least;
                EXPECT_TRUE(buttons.insert(c.definition).second) << c.definition;
            }
        }
    }
    EXPECT_EQ(controlsOf(1, 1).most, "Option3");
    EXPECT_EQ(controlsOf(16, 1).definition, "Command72");
    EXPECT_EQ(controlsOf(19, 1).least, "least49");
    EXPECT_THROW(controlsOf(29, 1), std::out_of_range);
    EXPECT_THROW(controlsOf(1, 0), std::out_of_range);
}
