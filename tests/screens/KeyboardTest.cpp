#include "Harness.h"
#include "Messages.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <set>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class Keyboard : public Harness {
protected:
    // The control that has the focus once the screen is shown and active.
    QString focusOnArrival(ScreenId id)
    {
        arriveAt(id);
        QWidget* window = screen(id);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return QStringLiteral("(window never active)");
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(nothing)");
    }
};

} // namespace

TEST_F(Keyboard, EveryScreenOpensOnTheFirstControlOfItsTabOrder)
{
    struct Case {
        ScreenId id;
        const char* first;
    };
    const Case cases[] = {
        {step1, "Command2"},      {step2, "Command2"},   {step5, "Command1"},  {Step6, "Command2"},
        {Intro, "Command4"},      {quiz, "Option3"},     {quiz2, "most1"},     {Graph1, "Command1"},
        {Yourcolor1, "Command1"}, {choice1, "Command1"}, {redyellow, "Text1"}, {bluered, "Text4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(focusOnArrival(c.id).toStdString(), c.first) << screenInfo(c.id).name;
}

TEST_F(Keyboard, TabRunsThroughYourColorsFromBackToStrengthCircle)
{
    focusOnArrival(Yourcolor1);
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(' ').toStdString(), "Command1 Command3 Command4 Command2 Command5 Text1 Command1");
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonOnEveryKindOfScreen)
{
    // Return and the keypad's Enter alike; a modified Enter is left to others.
    focusOnArrival(step1);
    auto* next = screen(step1)->findChild<QPushButton*>("Command1");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{step1});
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{step2});

    auto* back = screen(step2)->findChild<QPushButton*>("Command2");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{step1});

    // A definition button shows its word's definition.
    focusOnArrival(quiz);
    dialogs.expectMessage(kWordDefinitionBox, QString::fromUtf8(WordBank::instance().box(1).words[0].definition));
    auto* definition = screen(quiz)->findChild<QPushButton*>("Command72");
    definition->setFocus();
    QTest::keyClick(definition, Qt::Key_Return);
}

TEST_F(Keyboard, TabLeavesTheDescriptionBoxAndLeavesItsTextAlone)
{
    EXPECT_EQ(focusOnArrival(redyellow).toStdString(), "Text1");
    auto* text = screen(redyellow)->findChild<QPlainTextEdit*>("Text1");
    const QString before = text->toPlainText();
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), text);
    QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), text);
    EXPECT_EQ(text->toPlainText(), before);

    // Enter still starts a new line in the box itself.
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), before + '\n');
}
