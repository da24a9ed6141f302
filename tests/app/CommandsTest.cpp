#include "Harness.h"
#include "ModalBoxes.h"
#include "QtDialogs.h"

#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

const QString kNew = "Do you want to start a new Tessaly session?";
const QString kExit = "Do you want to Quit this Tessaly session?  You will lose all Data, if you Quit!";
const QString kGuard = "You can not go back to Your Colors because you have not taken the test yet!  "
                       "Do you want to take the Tessaly now?";

class Commands : public Harness {
protected:
    // A session with something in every field.
    void fillSession()
    {
        markEveryBox();
        session.selectSampleMark(MarkColumn::Most, 2);
        session.setUserName("Ann");
        session.publishPartOne({-2, 6, -4, 1});
        session.publishScores(scoreResults({-2, 6, -4, 1}, {1, 4, -3, -2}));
    }
};

} // namespace

TEST_F(Commands, NewAnsweredNoChangesNothing)
{
    for (const auto id : {Intro, quiz, Graph1, choice1, redblue, step4}) {
        SCOPED_TRACE(screenInfo(id).name.data());
        fillSession();
        arriveAt(id);
        QWidget* window = screen(id);
        dialogs.expectQuestion(kNew, false);
        trigger(id, "mnunew");
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{id});
        EXPECT_EQ(screen(id), window);
        EXPECT_EQ(session.yourColors().userName, "Ann");
        EXPECT_EQ(session.answers().most(20), 1);
        EXPECT_EQ(dialogs.lastParent(), window); // the box belongs to the current screen
    }
}

TEST_F(Commands, NewAnsweredYesEmptiesTheSessionAndShowsTheSplash)
{
    for (const auto id : {Intro, quiz, quiz2, Graph1, Yourcolor1, greenred, step9}) {
        SCOPED_TRACE(screenInfo(id).name.data());
        fillSession();
        QWidget* chooser = screen(choice1);
        arriveAt(id);
        dialogs.expectQuestion(kNew, true);
        trigger(id, "mnunew");
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{frmSplash});

        for (int box = 1; box <= kBoxCount; ++box)
            EXPECT_EQ(session.answers().marks(box), BoxMarks{});
        EXPECT_EQ(session.sampleBox(), BoxMarks{});
        EXPECT_EQ(session.partTwo().partOneTotals, std::nullopt);
        EXPECT_EQ(session.strengthCircle().values, StrengthValues{});
        EXPECT_EQ(session.strengthCircle().rawTotals, std::nullopt);
        EXPECT_EQ(session.yourColors().userName, "Text1");
        EXPECT_EQ(session.yourColors().values, std::nullopt);
        EXPECT_FALSE(session.yourColors().firstCircle);
        // The printable sheet, the chooser and the descriptions are not New's to reset.
        EXPECT_EQ(session.printableColors().userName, "Ann");
        EXPECT_EQ(session.printableColors().firstCircle, Color::Yellow);
        EXPECT_EQ(flow.existing(choice1), chooser);
        for (const auto gone : {quiz, quiz2, Yourcolor1, Graph1, Intro})
            EXPECT_FALSE(visible(gone));
    }
}

TEST_F(Commands, ExitAnsweredNoKeepsEverything)
{
    fillSession();
    for (const auto id : {step1, quiz2, Yourcolor1, choice1}) {
        arriveAt(id);
        dialogs.expectQuestion(kExit, false);
        trigger(id, id == step1 ? "exitfrm" : "mnuexit");
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{id});
        EXPECT_FALSE(ended);
    }
    EXPECT_EQ(session.yourColors().userName, "Ann");
}

TEST_F(Commands, ExitAnsweredYesDiscardsEveryScreenAndEnds)
{
    struct Case {
        ScreenId id;
        const char* control;
        bool isButton;
    };
    const Case cases[] = {{Graph1, "mnuexit", false},
                          {Step6, "exitfrm", false},
                          {Yourcolor1, "Command2", true},
                          {choice1, "Command15", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        ended = false;
        arriveAt(c.id);
        screen(redblue);
        dialogs.expectQuestion(kExit, true);
        if (c.isButton)
            click(c.id, c.control);
        else
            trigger(c.id, c.control);
        EXPECT_TRUE(ended);
        for (const auto& info : allScreens())
            EXPECT_EQ(flow.existing(info.id), nullptr) << info.name;
    }
}

TEST_F(Commands, ClosingAScreenThroughItsFrameAsksLikeExit)
{
    // Every kind of window that can be shown: the frameless splash, a tutorial page, the
    // instructions, both questionnaire screens, the results, the chooser, a sizable and the
    // fixed-size description. No keeps the screen and everything in it.
    fillSession();
    const ScreenId kinds[] = {frmSplash, step3, Intro, quiz, quiz2, Graph1, Yourcolor1, choice1, greenblue, blueyellow};
    for (const auto id : kinds) {
        SCOPED_TRACE(screenInfo(id).name.data());
        arriveAt(id);
        QWidget* window = screen(id);
        dialogs.expectQuestion(kExit, false);
        EXPECT_FALSE(window->close());
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{id});
        EXPECT_EQ(screen(id), window);
        EXPECT_EQ(dialogs.lastParent(), window);
        EXPECT_FALSE(ended);
    }
    EXPECT_EQ(session.answers().most(1), 1);
    EXPECT_EQ(session.yourColors().userName, "Ann");

    for (const auto id : {frmSplash, blueyellow}) {
        SCOPED_TRACE(screenInfo(id).name.data());
        ended = false;
        arriveAt(id);
        dialogs.expectQuestion(kExit, true);
        screen(id)->close();
        EXPECT_TRUE(ended);
        for (const auto& info : allScreens())
            EXPECT_EQ(flow.existing(info.id), nullptr) << info.name;
    }
}

TEST_F(Commands, ClosingTheAboutBoxThroughItsFrameIsItsOk)
{
    arriveAt(Graph1);
    shell.about(Graph1);
    EXPECT_TRUE(screen(frmAbout)->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow.existing(frmAbout), nullptr);
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{Graph1});
    EXPECT_FALSE(ended);
}

TEST_F(Commands, BackToYourColorsIsGuardedByBoxesOneAndSixteen)
{
    arriveAt(choice1);
    dialogs.expectQuestion(kGuard, false);
    click(choice1, "Command13");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{choice1});

    dialogs.expectQuestion(kGuard, true);
    click(choice1, "Command13");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{Intro});

    // Box 1 alone is not enough.
    session.selectMark(MarkColumn::Most, 1, 2);
    arriveAt(choice1);
    dialogs.expectQuestion(kGuard, false);
    click(choice1, "Command13");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{choice1});

    // Both Most marks and nothing else: Your Colors opens with what it holds.
    session.selectMark(MarkColumn::Most, 16, 3);
    session.setUserName("Bo");
    click(choice1, "Command13");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{Yourcolor1});
    EXPECT_EQ(session.yourColors().userName, "Bo");
    EXPECT_FALSE(session.yourColors().firstCircle);
}

namespace {

// The program with Qt's own modal boxes, for what only a real modal box can show.
class CommandsWithRealBoxes : public Commands {
protected:
    CommandsWithRealBoxes()
    {
        flow.setFactory([this](ScreenId id) {
            return createScreen(id, {realShell, realMoves, session, flow, realDialogs, printing, systemInfo});
        });
    }

    ~CommandsWithRealBoxes() override
    {
        flow.discardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A click as the window system delivers it, so that a modal box can stand in its way.
    static void clickOnBar(QWidget* window, const char* entry)
    {
        auto* main = static_cast<QMainWindow*>(window);
        QAction* action = main->findChild<QAction*>(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        const QPoint at = main->menuBar()->mapTo(main, main->menuBar()->actionGeometry(action).center());
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at);
    }

    QtDialogs realDialogs;
    Shell realShell{session, flow, realDialogs};
    Moves realMoves{session, flow, realDialogs};
};

} // namespace

TEST_F(CommandsWithRealBoxes, NewAndExitCannotBePressedBehindAnOpenBox)
{
    // While a box is open, clicks on Exit and on the menu that holds New, on the screen behind
    // it, go nowhere: the box stays the only one, nothing waits to happen once it is answered,
    // and the session is as it was.
    struct Case {
        ScreenId id;
        const char* dropDown;
        std::function<void()> openBox;
        ScreenId after; // once the box is answered
    };
    const Case cases[] = {
        {quiz, "mnuedit", [this] { trigger(quiz, "mnuexit"); }, quiz},
        {Graph1, "mnufile", [this] { trigger(Graph1, "mnunew"); }, Graph1},
        {Yourcolor1, "mnuedit", [this] { click(Yourcolor1, "Command2"); }, Yourcolor1},
        {Intro, "mnufile", [this] { click(Intro, "Command69"); }, Intro}, // a word's definition
        {Intro, "mnufile", [this] { click(Intro, "Command1"); }, quiz}, // the name entry
    };
    fillSession();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(screenInfo(c.id).name) + " to " + std::string(screenInfo(c.after).name));
        arriveAt(c.id);
        QWidget* window = screen(c.id);
        int boxesSeen = 0;
        QStringList othersOpened;
        whenModal([&](QWidget* box) {
            ++boxesSeen;
            // Should a click get through, the box it opens is noted and sent away.
            QTimer guard;
            QObject::connect(&guard, &QTimer::timeout, &guard, [&] {
                if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()); other && other != box) {
                    othersOpened << other->windowTitle();
                    other->reject();
                }
            });
            guard.start(10);
            clickOnBar(window, "mnuexit");
            clickOnBar(window, c.dropDown);
            EXPECT_EQ(QApplication::activeModalWidget(), box);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            if (auto* input = qobject_cast<QInputDialog*>(box)) {
                input->setTextValue("Ann");
                input->accept();
            } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
                message->button(message->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok)->click();
            }
        });
        c.openBox();
        QCoreApplication::processEvents();
        EXPECT_EQ(boxesSeen, 1);
        EXPECT_TRUE(othersOpened.isEmpty()) << othersOpened.join(", ").toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{c.after});
        EXPECT_EQ(screen(c.id), window);
        EXPECT_FALSE(ended);
        EXPECT_EQ(session.answers().most(20), 1);
        EXPECT_EQ(session.yourColors().userName, "Ann");

        // With no box in the way the same clicks reach Exit and open the menu with New.
        arriveAt(c.id);
        QString asked;
        whenModal([&](QWidget* box) {
            asked = static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
        });
        clickOnBar(window, "mnuexit");
        EXPECT_EQ(asked, kExit);
        clickOnBar(window, c.dropDown);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().first()->objectName(), "mnunew");
        menu->close();
    }
}
