#include "Harness.h"
#include "WindowPlacing.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QWindow>

#include <map>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

// What the menu bar of a screen reads: the drop-down's name and caption with its items,
// then the commands directly on the bar.
QStringList menuBarOf(QWidget* w)
{
    QStringList out;
    auto* main = qobject_cast<QMainWindow*>(w);
    if (!main || !main->menuWidget())
        return out;
    for (QAction* a : main->menuBar()->actions()) {
        QString entry = a->objectName() + ":" + a->text();
        if (a->menu()) {
            QStringList items;
            for (QAction* item : a->menu()->actions())
                items << item->objectName() + ":" + item->text();
            entry += "[" + items.join(",") + "]";
        }
        out << entry;
    }
    return out;
}

class Catalogue : public Harness {};

} // namespace

TEST_F(Catalogue, StartShowsTheSplashScreenAlone)
{
    program.start();
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{ScreenId::frmSplash});
    QWidget* splash = screen(ScreenId::frmSplash);
    EXPECT_EQ(splash->size(), QSize(505, 357));
    // A fixed frame of the window system's, where it draws one, and no title bar.
    EXPECT_EQ(splash->windowFlags() & untitledFixedFrame(), untitledFixedFrame());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint)
                || !splash->windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(Catalogue, EveryScreenHasItsTitleAndClientSize)
{
    struct Case {
        ScreenId id;
        const char* title;
        QSize client;
    };
    const Case cases[] = {
        {ScreenId::step1, "Corvane--Treat people as they NEED to be treated!", {592, 473}},
        {ScreenId::Step6, "Corvane--Treat people as they NEED to be treated!", {592, 473}},
        {ScreenId::Intro, "Welcome to the Corvane Tessaly", {651, 473}},
        {ScreenId::quiz, "Corvane Tessaly", {701, 532}},
        {ScreenId::quiz2, "Corvane Tessaly", {701, 532}},
        {ScreenId::Graph1, "Corvane Tessaly -- Strength Circle", {516, 465}},
        {ScreenId::Yourcolor1, "Corvane Colors", {681, 309}},
        {ScreenId::choice1, "Corvane Tessaly", {498, 352}},
        {ScreenId::redblue, "Corvane Tessaly", {474, 397}},
        {ScreenId::blueyellow, "Corvane Tessaly", {476, 399}},
        {ScreenId::frmAbout, "About Corvane Tessaly", {347, 205}},
        {ScreenId::Printcolor, "Corvane Tessaly", {572, 322}},
        {ScreenId::manquiz, "Manual Quiz", {643, 531}},
        {ScreenId::mangraph, "mangraph", {318, 523}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(screenInfo(c.id).name.data());
        flow.show(c.id);
        QWidget* w = screen(c.id);
        EXPECT_EQ(w->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(w->objectName(), QString::fromUtf8(screenInfo(c.id).name));
        auto* main = qobject_cast<QMainWindow*>(w);
        const QSize client = main ? main->centralWidget()->size() : w->size();
        EXPECT_EQ(client, c.client);
        // Below the menu bar the window shows its client area and nothing else: no scroll bars.
        if (main) {
            const auto image = [](QWidget* area) {
                return area->grab().toImage().convertToFormat(QImage::Format_RGB32);
            };
            EXPECT_EQ(image(main->centralWidget()), image(w->findChild<QWidget*>("client")));
        }
        EXPECT_EQ(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), screenInfo(c.id).working);
        flow.hide(c.id);
    }
}

TEST_F(Catalogue, QuizOpensWithItsClientAreaAtAFixedPlace)
{
    flow.show(ScreenId::quiz);
    auto* quiz = qobject_cast<QMainWindow*>(screen(ScreenId::quiz));
    EXPECT_EQ(quiz->centralWidget()->mapToGlobal(QPoint(0, 0)), QPoint(143, 118));
}

TEST_F(Catalogue, MenuBarsReadAsTheCompanyDesignedThem)
{
    const QString exitAbout = "mnuexit:Exit|mnuabout:About";
    struct Case {
        ScreenId id;
        QString bar;
    };
    const Case cases[] = {
        {ScreenId::quiz, "mnuedit:Edit[mnunew:New,mnuprint:Print]|" + exitAbout},
        {ScreenId::quiz2, "mnuedit:Edit[mnunew:New,mnuprint:Print]|" + exitAbout},
        {ScreenId::Intro, "mnufile:File[mnunew:New,prtform:Print Form]|" + exitAbout},
        {ScreenId::Graph1, "mnufile:File[mnunew:New,Print:Print]|" + exitAbout},
        {ScreenId::Yourcolor1, "mnuedit:Edit[mnunew:New]|" + exitAbout},
        {ScreenId::choice1, "mnuedit:Edit[mnunew:New,prtform:Print Form]|" + exitAbout},
        {ScreenId::bluered, "mnufile:File[mnunew:New,prtform:Print]|" + exitAbout},
        {ScreenId::bluegreen, "mnufile:File[mnunew:New,prtform:Print]|" + exitAbout},
        {ScreenId::blueyellow, "mnufile:File[mnunew:New,prtform:Print]|" + exitAbout},
        {ScreenId::redyellow, "mnufile:File[mnunew:New]|" + exitAbout},
        {ScreenId::greenblue, "mnufile:File[mnunew:New]|" + exitAbout},
        {ScreenId::step1, "editform:Edit[mnunew:New,prtform:Print Form]|exitfrm:Exit|mnuabout:About"},
        {ScreenId::step9, "editform:Edit[mnunew:New,prtform:Print Form]|exitfrm:Exit|mnuabout:About"},
        {ScreenId::frmSplash, ""},
        {ScreenId::Printcolor, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(screenInfo(c.id).name.data());
        EXPECT_EQ(menuBarOf(screen(c.id)).join("|"), c.bar);
    }
    for (const auto& info : allScreens()) {
        for (QAction* a : screen(info.id)->findChildren<QAction*>())
            EXPECT_TRUE(a->shortcut().isEmpty()) << info.name;
    }
}

TEST_F(Catalogue, EachScreenExistsOnce)
{
    QWidget* first = screen(ScreenId::choice1);
    flow.show(ScreenId::choice1);
    flow.hide(ScreenId::choice1);
    flow.show(ScreenId::choice1);
    EXPECT_EQ(screen(ScreenId::choice1), first);
    flow.discard(ScreenId::choice1);
    EXPECT_EQ(flow.existing(ScreenId::choice1), nullptr);
    flow.discard(ScreenId::choice1);
    EXPECT_NE(screen(ScreenId::choice1), nullptr);
}

TEST_F(Catalogue, EveryControlNameIsUniqueWithinItsWindow)
{
    for (const auto& info : allScreens()) {
        QWidget* window = screen(info.id);
        // Widgets and menu commands are looked up separately, so each kind is checked on its own.
        std::map<QString, int> widgets, actions;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                ++widgets[w->objectName()];
        }
        for (const QAction* a : window->findChildren<QAction*>()) {
            if (!a->objectName().isEmpty())
                ++actions[a->objectName()];
        }
        for (const auto& names : {widgets, actions}) {
            for (const auto& [name, count] : names)
                EXPECT_EQ(count, 1) << info.name << ": " << name.toStdString();
        }
    }
}

TEST_F(Catalogue, SizableScreensShrinkAndKeepTheirControlsInPlace)
{
    for (const auto id : {ScreenId::quiz, ScreenId::Graph1, ScreenId::blueyellow}) {
        SCOPED_TRACE(screenInfo(id).name.data());
        flow.show(id);
        auto* window = qobject_cast<QMainWindow*>(screen(id));
        auto* next = window->findChild<QPushButton*>();
        const QPoint nextAt = next->mapTo(window, QPoint(0, 0));
        window->resize(200, 150);
        const bool sizable = screenInfo(id).frame == FrameKind::Sizable;
        EXPECT_EQ(window->size() == QSize(200, 150), sizable);
        EXPECT_EQ(window->findChild<QWidget*>("client")->size(), clientSize(id));
        EXPECT_EQ(next->mapTo(window, QPoint(0, 0)), nextAt);
        flow.hide(id);
    }
}

TEST_F(Catalogue, BackgroundsAreWhiteAndTheQuestionnaireTakesTheSystemHighlight)
{
    const QColor light = QPalette().color(QPalette::Light);
    EXPECT_EQ(screen(ScreenId::quiz)->palette().color(QPalette::Window), light);
    EXPECT_EQ(screen(ScreenId::quiz2)->palette().color(QPalette::Window), light);
    EXPECT_EQ(screen(ScreenId::Graph1)->palette().color(QPalette::Window), QColor(Qt::white));

    // The splash screen's whole client area is its own, white to its edges: its frame is the
    // window system's.
    const QImage splash = screen(ScreenId::frmSplash)->findChild<QWidget*>("client")->grab().toImage();
    for (const QPoint edge : {QPoint(0, 0), QPoint(splash.width() - 1, splash.height() / 2),
                              QPoint(splash.width() / 2, splash.height() - 1), QPoint(0, splash.height() - 1)}) {
        EXPECT_EQ(splash.pixelColor(edge), QColor(Qt::white)) << edge.x() << "," << edge.y();
    }
}

TEST_F(Catalogue, AboutOpensWhereTheWindowSystemPutsIt)
{
    // Every move of the box that the program makes, as against those the window system reports.
    struct MoveSpy final : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Move && !event->spontaneous()) {
                const auto* move = static_cast<QMoveEvent*>(event);
                moved = moved || move->pos() != move->oldPos();
            }
            return false;
        }
        bool moved = false;
    } spy;
    arriveAt(ScreenId::choice1);
    QWidget* about = screen(ScreenId::frmAbout);
    about->installEventFilter(&spy);
    shell.about(ScreenId::choice1);
    ASSERT_TRUE(about->isVisible());
    EXPECT_TRUE(about->windowHandle()->isTopLevel());
    if (systemDefaultPosition()) {
        // Where the program has to ask the window system for its place (Windows), it is not
        // the centre of the screen Qt would give it, nor that of the screen it belongs to.
        EXPECT_NE(about->frameGeometry().center(), about->screen()->availableGeometry().center());
        EXPECT_NE(about->frameGeometry().center(), screen(ScreenId::choice1)->frameGeometry().center());
    } else {
        // No place asked for: neither one of its own nor centred over the screen it belongs to.
        EXPECT_FALSE(about->testAttribute(Qt::WA_Moved));
        EXPECT_FALSE(spy.moved);
    }
    EXPECT_EQ(about->size(), clientSize(ScreenId::frmAbout));
    EXPECT_FALSE(about->isModal());
}
