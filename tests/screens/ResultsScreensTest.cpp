#include "Harness.h"

#include "DisplayColors.h"
#include "StyleLibrary.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class Results : public Harness {
protected:
    QLineEdit* field(ScreenId id, const char* name) { return screen(id)->findChild<QLineEdit*>(name); }

    // The colour the chart box shows at an angle, 60 pixels out from the centre.
    QColor chartAt(double radians)
    {
        const QImage image = screen(Graph1)->findChild<QWidget*>("Picture1")->grab().toImage();
        const QPointF centre(2100 / 15.0, 1900 / 15.0);
        const QPointF at = centre + QPointF(60 * std::cos(radians), -60 * std::sin(radians));
        return image.pixelColor((at * image.devicePixelRatio()).toPoint());
    }

    // The fill of a circle drawn by the screens, read at its centre.
    QColor circleFill(ScreenId id, const char* name)
    {
        QWidget* circle = screen(id)->findChild<QWidget*>(name);
        return circle->grab().toImage().pixelColor(circle->rect().center());
    }
};

} // namespace

TEST_F(Results, TheChartAppearsOnMouseMovementAndIsLostOnRepaint)
{
    publish({20, 27, 3, 16});
    arriveAt(Graph1);
    EXPECT_EQ(field(Graph1, "Text1")->text(), "20");
    EXPECT_EQ(field(Graph1, "Text4")->text(), "16");
    EXPECT_EQ(chartAt(0.9), QColor(Qt::white)); // nothing is drawn when the screen is shown

    moveOverChart();
    // Shares of 66: Red to 1.90 rad, Yellow to 4.47, Blue to 4.76, Green to 2 pi.
    EXPECT_EQ(chartAt(0.9), QColor(255, 0, 0));
    moveOverChart();
    EXPECT_EQ(chartAt(3.2), QColor(255, 255, 0));
    moveOverChart();
    EXPECT_EQ(chartAt(4.62), QColor(0, 0, 255));
    moveOverChart();
    EXPECT_EQ(chartAt(5.5), QColor(0, 255, 0));

    // Hidden and shown again: the box is white until the mouse moves over it.
    flow.navigate(Graph1, Yourcolor1);
    flow.navigate(Yourcolor1, Graph1);
    EXPECT_EQ(chartAt(0.9), QColor(Qt::white));
}

TEST_F(Results, AnEditedValueBoxChangesTheNextChart)
{
    publish({20, 27, 3, 16});
    arriveAt(Graph1);
    QLineEdit* red = field(Graph1, "Text1");
    red->selectAll();
    QTest::keyClicks(red, "0");
    EXPECT_EQ(session.strengthCircle().values[0].text(), "0");
    moveOverChart();
    EXPECT_EQ(chartAt(0.9), QColor(255, 255, 0)); // Yellow now starts at 3 o'clock

    // Text that is no number counts as 0 and the chart still draws the rest.
    for (const char* text : {"abc", "", "-5", "1e40", "nan"}) {
        red->setText(QString::fromLatin1(text));
        moveOverChart();
        EXPECT_EQ(chartAt(0.9), QColor(255, 255, 0)) << text;
    }
    // All four unusable: nothing is drawn, and what the box showed stays.
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
        field(Graph1, name)->setText(QStringLiteral("0"));
    moveOverChart();
    EXPECT_EQ(chartAt(0.9), QColor(255, 255, 0));
}

TEST_F(Results, YourColorsShowsTheNameAndCirclesBlackUntilScored)
{
    session.setUserName(QStringLiteral("Ann"));
    arriveAt(Yourcolor1);
    EXPECT_EQ(field(Yourcolor1, "Text1")->text(), "Ann");
    EXPECT_EQ(circleFill(Yourcolor1, "Shape1"), QColor(Qt::black));
    EXPECT_EQ(circleFill(Yourcolor1, "Shape2"), QColor(Qt::black));
    EXPECT_EQ(field(Yourcolor1, "Text2")->text(), "Text2");
    EXPECT_FALSE(field(Yourcolor1, "Text2")->isVisible());

    publish({20, 27, 3, 16});
    EXPECT_EQ(circleFill(Yourcolor1, "Shape1"), QColor(255, 255, 0));
    EXPECT_EQ(circleFill(Yourcolor1, "Shape2"), QColor(255, 0, 0));
    EXPECT_EQ(field(Yourcolor1, "Text3")->text(), "27");

    // Typing into the name field changes what Your Colors holds, not the printable sheet.
    QLineEdit* name = field(Yourcolor1, "Text1");
    name->selectAll();
    QTest::keyClicks(name, "Bo");
    EXPECT_EQ(session.yourColors().userName, "Bo");
    EXPECT_EQ(session.printableColors().userName, "Ann");
}

TEST_F(Results, DiscoverOpensTheScreenWhoseCirclesMatchYourColors)
{
    const ColorValues cases[] = {{20, 27, 3, 16}, {20, 12, 8, 5}, {5, 9, 20, 9}, {15, 10, 5, 20}, {3, 5, 21, 22}};
    for (const auto& values : cases) {
        const ColorChoice colors = chooseColors(values);
        publish(values, colors);
        arriveAt(Yourcolor1);
        click(Yourcolor1, "Command3");
        const StyleDescription* style = StyleLibrary::byColors(colors.first, colors.second);
        ASSERT_NE(style, nullptr);
        const ScreenId opened = *screenNamed(style->screen);
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{opened});
        // The description draws green darker; the hue is what must match.
        const auto sameHue = [](QColor a, QColor b) { return a.hue() == b.hue() && a.value() > 0 && b.value() > 0; };
        EXPECT_TRUE(sameHue(circleFill(opened, "Shape1"), circleFill(Yourcolor1, "Shape1"))) << style->screen;
        EXPECT_TRUE(sameHue(circleFill(opened, "Shape2"), circleFill(Yourcolor1, "Shape2"))) << style->screen;
    }
}

TEST_F(Results, EachDescriptionShowsItsCombination)
{
    for (const auto& style : StyleLibrary::all()) {
        const ScreenId id = *screenNamed(style.screen);
        SCOPED_TRACE(std::string(style.screen));
        QWidget* w = screen(id);
        QStringList texts;
        for (auto* label : w->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QString::fromUtf8(style.heading)));
        EXPECT_TRUE(texts.contains(QString::fromUtf8(style.nickname)));
        EXPECT_TRUE(texts.contains("S T A R T"));
        EXPECT_TRUE(texts.contains("TO UNDERSTAND ME"));
        const auto rgb = [](Color c) { return c == Color::Green ? darkGreen() : displayColor(c); };
        EXPECT_EQ(circleFill(id, "Shape1"), rgb(style.first));
        EXPECT_EQ(circleFill(id, "Shape2"), rgb(style.second));
        EXPECT_LT(w->findChild<QWidget*>("Shape1")->y(), w->findChild<QWidget*>("Shape2")->y());
        auto* box = w->findChild<QPlainTextEdit*>();
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_EQ(box->document()->blockCount(), QString::fromUtf8(style.screenText).count("\r\n"));
    }
    EXPECT_EQ(screen(bluered)->findChild<QPlainTextEdit*>()->objectName(), "Text4");
    EXPECT_EQ(screen(blueyellow)->findChild<QPlainTextEdit*>()->objectName(), "Text2");
    EXPECT_EQ(screen(redblue)->findChild<QPlainTextEdit*>()->objectName(), "Text1");
}

TEST_F(Results, TypedTextAndScrollingSurviveARoundTripThroughTheChooser)
{
    arriveAt(choice1);
    click(choice1, "Command1");
    auto* box = screen(redyellow)->findChild<QPlainTextEdit*>();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, "My own note");
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    const int scrolled = box->verticalScrollBar()->value();
    EXPECT_GT(scrolled, 0);
    EXPECT_TRUE(box->document()->lastBlock().text().endsWith("My own note"));

    click(redyellow, "Command4");
    click(choice1, "Command6");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{blueyellow});
    click(blueyellow, "Command4");
    click(choice1, "Command1");
    EXPECT_TRUE(box->toPlainText().endsWith("My own note"));
    EXPECT_EQ(box->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(StyleLibrary::byScreen("redyellow")->screenText.find("My own note"), std::string_view::npos);
}

TEST_F(Results, AMegabytePastedIntoADescriptionBoxIsKeptWhole)
{
    // Pasted where the person left the cursor, in lines of several scripts with tabs and control
    // characters; kept whole through a round trip via the chooser and through New.
    QString pasted;
    for (int line = 0; pasted.size() < (1 << 20); ++line)
        pasted += QStringLiteral("%1 Zoë שרה כהן 山田 🎨🙂 a\tb\u0007c ").arg(line)
            + QString(40, QChar(u'x')) + u'\n';
    QGuiApplication::clipboard()->setText(pasted);

    arriveAt(choice1);
    click(choice1, "Command11");
    auto* box = screen(greenblue)->findChild<QPlainTextEdit*>();
    const QString description = box->toPlainText();
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    const QString expected = description + pasted;
    EXPECT_TRUE(box->toPlainText() == expected);

    click(greenblue, "Command4");
    click(choice1, "Command11");
    dialogs.expectQuestion("Do you want to start a new Tessaly session?", true);
    trigger(greenblue, "mnunew");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{frmSplash});
    EXPECT_EQ(screen(greenblue)->findChild<QPlainTextEdit*>(), box);
    EXPECT_TRUE(box->toPlainText() == expected);
}
