#include "Form.h"
#include "Harness.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// What a screen reader meets under a node, depth first: each node's name.
QStringList readingOf(QAccessibleInterface* node)
{
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        names << child->text(QAccessible::Name) << readingOf(child);
    }
    return names;
}

QAccessibleInterface* accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

class Accessibility : public Harness {
protected:
    QWidget* client(ScreenId id) { return screen(id)->findChild<QWidget*>(QStringLiteral("client")); }
    QString nameOf(ScreenId id, const char* control)
    {
        return accessible(screen(id)->findChild<QWidget*>(QString::fromLatin1(control)))->text(QAccessible::Name);
    }
};

} // namespace

TEST_F(Accessibility, QuizReadsBoxByBoxWhileEarlierRowsStayOnTop)
{
    QStringList expected;
    for (int i = 0; i < 4; ++i)
        expected << "Most Like"
                 << "Least Like";
    for (int box = 1; box <= 15; ++box) {
        const auto& words = WordBank::instance().box(box).words;
        const QString label = QStringLiteral("Box %1").arg(box);
        expected << label + ", Most like me";
        for (const auto& w : words)
            expected << QString::fromUtf8(w.caption);
        expected << label + ", Least like me";
        for (const auto& w : words)
            expected << label + ", " + QString::fromUtf8(w.caption) + ", Least like me";
        for (const auto& w : words)
            expected << "Definition of " + QString::fromUtf8(w.caption);
        expected << label;
    }
    expected << "Back to Instructions"
             << "Next to Part II";
    EXPECT_EQ(readingOf(accessible(client(quiz))), expected);

    // Box 1's words lie over the empty left part of its Least panel, for the eye and for a
    // screen reader's pointer alike.
    arriveAt(quiz);
    const QPoint overlap(unitsToPixels(480 + 1200), unitsToPixels(480 + 1500));
    EXPECT_EQ(client(quiz)->childAt(overlap)->objectName(), "Box1Most");
    const QPoint onScreen = client(quiz)->mapToGlobal(overlap);
    QAccessibleInterface* pointed = accessible(client(quiz))->childAt(onScreen.x(), onScreen.y());
    ASSERT_NE(pointed, nullptr);
    EXPECT_EQ(pointed->text(QAccessible::Name), "Box 1, Most like me");
}

TEST_F(Accessibility, EveryScreenNamesWhatItShowsAndLeavesOutItsDecorations)
{
    // Sheets that are only ever printed are never read.
    const std::set<ScreenId> printedOnly{Printcolor, manquiz, mangraph, Icon};
    for (const auto& info : allScreens()) {
        if (printedOnly.contains(info.id))
            continue;
        SCOPED_TRACE(info.name.data());
        QWidget* top = client(info.id) ? client(info.id) : screen(info.id);
        std::vector<QAccessibleInterface*> nodes{accessible(top)};
        int read = 0;
        while (!nodes.empty()) {
            QAccessibleInterface* node = nodes.back();
            nodes.pop_back();
            auto* w = qobject_cast<QWidget*>(node->object());
            ASSERT_NE(w, nullptr);
            EXPECT_FALSE(isDecoration(w)) << w->objectName().toStdString();
            EXPECT_TRUE(w == top || !w->isHidden()) << w->objectName().toStdString();
            // Only the panes that hold a screen's controls go without a name.
            const bool pane = node->role() == QAccessible::Client && node->childCount() > 0;
            EXPECT_TRUE(pane || !node->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
            if (dynamic_cast<CircleShape*>(w)) {
                EXPECT_EQ(node->role(), QAccessible::Graphic) << w->objectName().toStdString();
            }
            // Inside a text box are the parts Qt gives every text box.
            if (node->role() != QAccessible::EditableText) {
                for (int i = 0; i < node->childCount(); ++i)
                    nodes.push_back(node->child(i));
            }
            ++read;
        }
        EXPECT_GT(read, 1);
    }
}

TEST_F(Accessibility, PicturesAndCirclesSayWhatTheyShow)
{
    // The window shows a corner of the diagram; its description has all four quadrants.
    const QString diagram = accessible(screen(step5)->findChild<QWidget*>("Picture1"))->text(QAccessible::Description);
    for (const char* quadrant :
         {"Dominance (Directive)", "Influence (Talkative)", "Conscientiousness (Cautious)", "Steadiness (Supportive)"})
        EXPECT_TRUE(diagram.contains(QLatin1String(quadrant))) << quadrant;
    EXPECT_EQ(nameOf(Intro, "Picture1_1"), "Tessaly logo");

    arriveAt(Yourcolor1);
    EXPECT_EQ(nameOf(Yourcolor1, "Shape1"), "First colour: not known yet");
    EXPECT_EQ(nameOf(Yourcolor1, "Shape2"), "Second colour: not known yet");
    publish({20, 27, 3, 16});
    EXPECT_EQ(nameOf(Yourcolor1, "Shape1"), "First colour: Yellow");
    EXPECT_EQ(nameOf(Yourcolor1, "Shape2"), "Second colour: Red");

    EXPECT_EQ(nameOf(greenred, "Shape1"), "First colour: Green");
    EXPECT_EQ(nameOf(greenred, "Shape2"), "Second colour: Red");
    EXPECT_EQ(nameOf(greenred, "Text2"), "Green/Red - The Thinking Director");
    EXPECT_EQ(nameOf(step8, "Shape1"), "Blue circle");
}

TEST_F(Accessibility, TheChartSaysItsValuesWhileItShowsThem)
{
    publish({20, 27, 3, 16});
    arriveAt(Graph1);
    QWidget* chart = screen(Graph1)->findChild<QWidget*>("Picture1");
    QAccessibleInterface* node = accessible(chart);
    EXPECT_EQ(node->role(), QAccessible::Chart);
    EXPECT_EQ(node->text(QAccessible::Name), "Strength Circle");
    EXPECT_EQ(node->text(QAccessible::Description), "");

    moveOverChart();
    EXPECT_EQ(node->text(QAccessible::Description), "Red 20, Yellow 27, Blue 3, Green 16");
    // The drawing, and what is said of it, follow the boxes as they were at the movement.
    screen(Graph1)->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("5"));
    chart->grab();
    EXPECT_EQ(node->text(QAccessible::Description), "Red 20, Yellow 27, Blue 3, Green 16");

    // A repaint that finds nothing newly drawn shows the white box again.
    chart->grab();
    EXPECT_EQ(node->text(QAccessible::Description), "");
}

TEST_F(Accessibility, AScreenReadersToggleCountsAsAMark)
{
    const auto toggle = [this](ScreenId id, const char* circle) {
        auto* radio = screen(id)->findChild<QRadioButton*>(QString::fromLatin1(circle));
        accessible(radio)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    // Box 1: brave Option2 / Option7, modest Option1 / Option5.
    toggle(quiz, "Option2");
    EXPECT_EQ(session.answers().most(1), 2);
    toggle(quiz, "Option7");
    EXPECT_EQ(session.answers().least(1), 2);
    EXPECT_FALSE(session.answers().most(1));
    EXPECT_FALSE(screen(quiz)->findChild<QRadioButton*>("Option2")->isChecked());

    toggle(Intro, "Option1");
    EXPECT_EQ(session.sampleBox().most, 4);
}
