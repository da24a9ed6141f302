#include "Harness.h"
#include "Messages.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class IntroScreenTest : public Harness {
protected:
    QRadioButton* circle(const char* name) { return screen(Intro)->findChild<QRadioButton*>(name); }
};

} // namespace

TEST_F(IntroScreenTest, TheSampleBoxFollowsTheRuleOnItsOwnSheet)
{
    arriveAt(Intro);
    QTest::mouseClick(circle("Option2"), Qt::LeftButton); // brave, Most
    QTest::mouseClick(circle("Option7"), Qt::LeftButton); // brave, Least
    EXPECT_FALSE(circle("Option2")->isChecked());
    EXPECT_TRUE(circle("Option7")->isChecked());
    QTest::mouseClick(circle("Option3"), Qt::LeftButton); // magnetic, Most
    QTest::mouseClick(circle("Option1"), Qt::LeftButton); // modest, Most
    EXPECT_EQ(session.sampleBox(), (BoxMarks{4, 2}));
    EXPECT_FALSE(circle("Option3")->isChecked());
    EXPECT_TRUE(circle("Option7")->isChecked());
    EXPECT_EQ(session.answers().marks(1), BoxMarks{});

    flow.navigate(Intro, quiz);
    flow.navigate(quiz, Intro);
    EXPECT_TRUE(circle("Option1")->isChecked());

    dialogs.expectQuestion("Do you want to start a new Tessaly session?", true);
    trigger(Intro, "mnunew");
    arriveAt(Intro);
    for (auto* r : screen(Intro)->findChildren<QRadioButton*>())
        EXPECT_FALSE(r->isChecked()) << r->objectName().toStdString();
}

TEST_F(IntroScreenTest, DefinitionButtonsShowTheSampleTexts)
{
    arriveAt(Intro);
    const char* buttons[] = {"Command72", "Command71", "Command70", "Command69"};
    const char* starts[] = {"Defintion of Magnetic is:  ", "Defintion of Brave is:  ", "Defintion of Reserved is: ",
                            "Defintion of Modest is: "};
    for (int i = 0; i < 4; ++i) {
        auto* b = screen(Intro)->findChild<QPushButton*>(buttons[i]);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), QRect(488, 248 + 24 * i, 17, 17));
        const QString text = QString::fromUtf8(sampleDefinitions()[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(text.startsWith(starts[i]));
        dialogs.expectMessage(kWordDefinitionBox, text);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    EXPECT_EQ(session.sampleBox(), BoxMarks{});
}

TEST_F(IntroScreenTest, TextsStandWhereTheInstructionsPutThem)
{
    struct Case {
        const char* name;
        QRect geometry;
        QColor color;
    };
    const Case cases[] = {
        {"Label12", {272, 16, 273, 25}, Qt::black},        {"Label1", {32, 136, 385, 81}, QColor(0, 0, 255)},
        {"Label9", {576, 192, 33, 57}, QColor(255, 0, 0)}, {"Label10", {608, 192, 33, 57}, QColor(0, 0, 255)},
        {"Label11", {216, 408, 217, 33}, Qt::black},
    };
    for (const auto& c : cases) {
        auto* label = screen(Intro)->findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->geometry(), c.geometry) << c.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.color) << c.name;
    }
    auto labels = screen(Intro)->findChildren<QLabel*>(arrayNamed("Label14"));
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QString letters;
    for (auto* l : labels)
        letters += l->text();
    EXPECT_EQ(letters, "COLOR");
    EXPECT_EQ(labels[3]->palette().color(QPalette::WindowText), QColor(192, 192, 0));
    EXPECT_EQ(screen(Intro)->findChild<QLabel*>("Label11")->text(),
              "Press the button to the left of the descriptive word for the defintion.");
}
