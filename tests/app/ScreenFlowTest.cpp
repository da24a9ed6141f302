#include "Harness.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class Flow : public Harness {};

struct Move {
    ScreenId from;
    const char* button;
    const char* caption;
    ScreenId to;
};

// Every plain navigation button: the caption it shows and where it leads.
const Move kMoves[] = {
    {step1, "Command1", "Next", step2},
    {step1, "Command2", "Jump to Tessaly", Intro},
    {step2, "Command1", "Next", step3},
    {step2, "Command2", "Back", step1},
    {step3, "Command1", "Next", step4},
    {step3, "Command2", "Back", step2},
    {step4, "Command1", "Next", step5},
    {step4, "Command2", "Back", step3},
    {step5, "Command2", "Next", Step6},
    {step5, "Command1", "Back", step4},
    {Step6, "Command1", "Next", step7},
    {Step6, "Command2", "Back", step5},
    {step7, "Command1", "Next", step8},
    {step7, "Command2", "Back", Step6},
    {step8, "Command1", "Next", step9},
    {step8, "Command2", "Back", step7},
    {step9, "Command1", "Next", Intro},
    {step9, "Command2", "Back", step8},
    {Intro, "Command2", "The Colors", choice1},
    {Intro, "Command3", "Back", step1},
    {quiz, "Command73", "Back to Instructions", Intro},
    {quiz2, "Command73", "Back to Part I", quiz},
    {Graph1, "Command1", "Back To the Tessaly", quiz},
    {Graph1, "Command2", "START to Understand Me", Yourcolor1},
    {Yourcolor1, "Command1", "Back to Strength Circle", Graph1},
    {Yourcolor1, "Command4", "Learn More About Others", choice1},
    {choice1, "Command1", "Red / Yellow", redyellow},
    {choice1, "Command2", "Red / Green", redgreen},
    {choice1, "Command3", "Red / Blue", redblue},
    {choice1, "Command4", "Blue / Red", bluered},
    {choice1, "Command5", "Blue / Green", bluegreen},
    {choice1, "Command6", "Blue / Yellow", blueyellow},
    {choice1, "Command7", "Yellow / Red", yellowred},
    {choice1, "Command8", "Yellow / Blue", yellowblue},
    {choice1, "Command9", "Yellow / Green", yellowgreen},
    {choice1, "Command10", "Green / Red", greenred},
    {choice1, "Command11", "Green / Blue", greenblue},
    {choice1, "Command12", "Green / Yellow", greenyellow},
    {redyellow, "Command4", "Back to Color Description", choice1},
    {redgreen, "Command4", "Back to Color Description", choice1},
    {redblue, "Command4", "Back to Color Description", choice1},
    {bluered, "Command5", "Back to Color Description", choice1},
    {bluegreen, "Command4", "Back to Color Description", choice1},
    {blueyellow, "Command4", "Back to Color Description", choice1},
    {yellowred, "Command4", "Back to Color Description", choice1},
    {yellowblue, "Command4", "Back to Color Description", choice1},
    {yellowgreen, "Command4", "Back to Color Description", choice1},
    {greenred, "Command4", "Back to Color Description", choice1},
    {greenblue, "Command4", "Back to Color Description", choice1},
    {greenyellow, "Command4", "Back to Color Description", choice1},
};

} // namespace

TEST_F(Flow, EveryNavigationButtonHidesItsScreenAndShowsTheNext)
{
    for (const auto& m : kMoves) {
        SCOPED_TRACE(std::string(screenInfo(m.from).name) + " " + m.button);
        arriveAt(m.from);
        auto* b = screen(m.from)->findChild<QPushButton*>(QString::fromLatin1(m.button));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromLatin1(m.caption));
        click(m.from, m.button);
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{m.to});
    }
}

TEST_F(Flow, NavigationButtonsStandWhereTheDesignPutsThem)
{
    struct Case {
        ScreenId id;
        const char* button;
        QRect geometry;
    };
    const Case cases[] = {
        {step1, "Command2", {16, 416, 89, 41}},    {step1, "Command1", {480, 416, 65, 41}},
        {step5, "Command1", {544, 376, 41, 41}},   {step5, "Command2", {544, 424, 41, 44}},
        {Intro, "Command1", {504, 376, 121, 57}},  {Intro, "Command3", {80, 424, 41, 33}},
        {quiz, "Command73", {576, 424, 81, 41}},   {quiz2, "Command74", {576, 480, 81, 41}},
        {Graph1, "Command1", {344, 8, 97, 41}},    {Yourcolor1, "Command3", {560, 104, 105, 49}},
        {choice1, "Command6", {144, 232, 89, 33}}, {choice1, "Command13", {320, 288, 89, 33}},
        {bluered, "Command5", {360, 336, 89, 33}},
    };
    for (const auto& c : cases) {
        auto* b = screen(c.id)->findChild<QPushButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->geometry(), c.geometry) << screenInfo(c.id).name << " " << c.button;
    }
    // "The Colors" stands inside its frame.
    EXPECT_EQ(screen(Intro)->findChild<QPushButton*>("Command2")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(screen(step1)->findChildren<QPushButton*>().size(), 2);
}

TEST_F(Flow, AHiddenScreenKeepsItsWindowAndTheSessionItsMarks)
{
    arriveAt(quiz);
    QWidget* quizWindow = screen(quiz);
    session.selectMark(MarkColumn::Most, 3, 2);
    click(quiz, "Command73");
    click(Intro, "Command3");
    click(step1, "Command2");
    EXPECT_TRUE(visible(Intro));
    flow.navigate(Intro, quiz);
    EXPECT_EQ(screen(quiz), quizWindow);
    EXPECT_EQ(session.answers().most(3), 2);
}

TEST_F(Flow, WorkingScreensGoOnTopEachTimeTheyAreActivated)
{
    arriveAt(Intro);
    const int afterShow = stacking.calls;
    EXPECT_GE(afterShow, 1);
    EXPECT_EQ(stacking.lastWindow, screen(Intro));

    shell.about(Intro);
    ASSERT_TRUE(visible(frmAbout));
    EXPECT_TRUE(visible(Intro));
    const int withAbout = stacking.calls;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(screen(Intro), &activate);
    EXPECT_EQ(stacking.calls, withAbout + 1);

    // The splash screen and the About box never put themselves on top.
    QCoreApplication::sendEvent(screen(frmAbout), &activate);
    QCoreApplication::sendEvent(screen(frmSplash), &activate);
    EXPECT_EQ(stacking.calls, withAbout + 1);
}

TEST_F(Flow, AboutIsModelessAndBuiltAfreshAfterOk)
{
    arriveAt(choice1);
    shell.about(choice1);
    QWidget* box = screen(frmAbout);
    EXPECT_FALSE(box->isModal());
    EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    shell.about(choice1);
    EXPECT_EQ(screen(frmAbout), box); // a second About shows the same box

    auto* ok = box->findChild<QPushButton*>("cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    click(frmAbout, "cmdOK");
    EXPECT_EQ(flow.existing(frmAbout), nullptr);
    EXPECT_TRUE(visible(choice1));

    shell.about(choice1);
    ASSERT_TRUE(visible(frmAbout));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(screen(frmAbout), &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow.existing(frmAbout), nullptr);
}

TEST_F(Flow, AKeyOnTheSplashOpensTheTutorialAndLeavesTheSplashOpen)
{
    program.start();
    QWidget* splash = screen(frmSplash);
    for (const auto& [key, text] : {std::pair{Qt::Key_A, "a"}, std::pair{Qt::Key_Escape, "\x1b"}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
        QCoreApplication::sendEvent(splash, &press);
        EXPECT_EQ(visibleScreens(), (std::set<ScreenId>{frmSplash, step1}));
        EXPECT_EQ(screen(frmSplash), splash);
    }
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    flow.hide(step1);
    QCoreApplication::sendEvent(splash, &shift);
    EXPECT_FALSE(visible(step1)); // a key without a character is no key press here
}

TEST_F(Flow, TheSplashLeftOpenByAKeyStillLeadsToTheTutorialAndTheCurrentScreenStays)
{
    // A key leaves the splash open behind the tutorial; the person goes on to the instructions,
    // then moves the mouse over the part of the splash that nothing covers.
    program.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(screen(frmSplash), &press);
    click(step1, "Command2");
    ASSERT_EQ(visibleScreens(), (std::set<ScreenId>{frmSplash, Intro}));

    auto* panel = screen(frmSplash)->findChild<QWidget*>("Frame1");
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), panel->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &move);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(visibleScreens(), (std::set<ScreenId>{Intro, step1}));
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen(step1)));
    EXPECT_FALSE(flow.existing(frmSplash)->isVisible());

    // Both screens go on answering the person.
    click(Intro, "Command2");
    EXPECT_EQ(visibleScreens(), (std::set<ScreenId>{choice1, step1}));
    click(step1, "Command1");
    EXPECT_EQ(visibleScreens(), (std::set<ScreenId>{choice1, step2}));
}

TEST_F(Flow, MovingOverOrClickingTheSplashPanelLeavesIt)
{
    for (const auto type : {QEvent::MouseMove, QEvent::MouseButtonPress}) {
        arriveAt(frmSplash);
        QWidget* splash = screen(frmSplash);
        auto* panel = splash->findChild<QWidget*>("Frame1");
        ASSERT_NE(panel, nullptr);
        const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(10, 10), panel->mapToGlobal(QPointF(10, 10)), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &event);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{step1});
        // A fresh, hidden splash screen waits for the next New.
        ASSERT_NE(flow.existing(frmSplash), nullptr);
        EXPECT_NE(flow.existing(frmSplash), splash);
        EXPECT_FALSE(flow.existing(frmSplash)->isVisible());
    }
}

TEST_F(Flow, MovementOverTheWindowMarginDoesNothing)
{
    arriveAt(frmSplash);
    QWidget* splash = screen(frmSplash);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), splash->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(splash->findChild<QWidget*>("client"), &move);
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{frmSplash});
}
