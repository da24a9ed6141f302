// A long, seeded stream of random user actions on whatever the program shows, with the
// program's invariants checked after every one. TESSALY_MONKEY_ACTIONS sets the length of the
// stream and TESSALY_MONKEY_SEED the seed; a failure prints both and the actions that led to it.

#include "Form.h"
#include "Harness.h"
#include "WordControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>

#include <cstdio>
#include <deque>
#include <map>
#include <random>
#include <set>
#include <string>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

// Answers every box at random, as a person clicking without reading would.
class RandomDialogs final : public Dialogs {
public:
    explicit RandomDialogs(std::mt19937& random) : random_(random) {}

    bool ask(QWidget*, const QString& text) override
    {
        // Mostly No: a Yes to New or Exit starts over, and the stream should get somewhere.
        const bool yes = chance(5);
        lastQuestion = text;
        lastAnswer = yes;
        return yes;
    }
    void inform(QWidget*, BoxLook, const QString&) override {}
    QString inputText(QWidget*, const QString&, const QString&) override
    {
        static const QStringList names{{},
                                       QStringLiteral(" "),
                                       QStringLiteral("Ann"),
                                       QStringLiteral("Ωμέγα"),
                                       QStringLiteral("שלום"),
                                       QStringLiteral("🎨🙂"),
                                       QString(5000, QChar(u'x')),
                                       QStringLiteral("a\tb\u0001c"),
                                       QString(QChar(u'\0')) + QStringLiteral("after")};
        return names[static_cast<qsizetype>(random_() % static_cast<unsigned>(names.size()))];
    }

    // The save box of a printout with no printer: mostly Cancel, now and then a file that
    // cannot be written; the monkey never leaves files behind.
    QString saveFileName(QWidget*, const QString&) override
    {
        return chance(3) ? QStringLiteral("/nonexistent/folder/printout.pdf") : QString();
    }

    QString lastQuestion;
    bool lastAnswer = false;

private:
    bool chance(unsigned n) { return random_() % n == 0; }
    std::mt19937& random_;
};

const QStringList kTexts{QStringLiteral("27"),
                         QStringLiteral("-3"),
                         QString(),
                         QStringLiteral("abc"),
                         QStringLiteral("99999999999999999999"),
                         QStringLiteral("مرحبا"),
                         QStringLiteral("👍🏽"),
                         QStringLiteral("\u202Eevil"),
                         QStringLiteral("\r\n\t"),
                         QString(2000, QChar(u'9'))};

// Where a person clicks a control: on the circle of an option button, in the middle of anything else.
QPoint clickPoint(QAbstractButton* button)
{
    if (auto* word = dynamic_cast<CaptionLeftRadio*>(button))
        return word->circleRect().center();
    if (auto* circle = qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(circle);
        return circle->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, circle).center();
    }
    return button->rect().center();
}

// Nothing holds back the input of a screen on view.
bool takesInput(QWidget* window) { return window->isEnabled() && !QApplication::activeModalWidget(); }

// A screen draws itself as more than a blank.
bool draws(QWidget* window)
{
    const QImage drawn = window->grab().toImage();
    if (drawn.isNull())
        return false;
    const QRgb first = drawn.pixel(0, 0);
    for (int y = 0; y < drawn.height(); y += 3) {
        for (int x = 0; x < drawn.width(); x += 3) {
            if (drawn.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

const int kKeys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left, Qt::Key_Right,
                     Qt::Key_Space, Qt::Key_Return,  Qt::Key_Enter, Qt::Key_Escape, Qt::Key_A,    Qt::Key_F4};

// The random answers, made before the program that asks for them.
struct WithRandomDialogs {
    std::mt19937 random;
    RandomDialogs dialogs{random};
};

class Monkey : public ::testing::Test, protected WithRandomDialogs, protected ProgramOverFakes {
protected:
    Monkey() : ProgramOverFakes(dialogs) {}

    ~Monkey() override
    {
        finishPrinting(printing);
        flow.discardAll();
        settle();
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <typename T>
    T pick(const QList<T>& from)
    {
        return from[static_cast<qsizetype>(random() % static_cast<unsigned>(from.size()))];
    }

    QList<QWidget*> shownWindows() const
    {
        QList<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                shown << w;
        }
        return shown;
    }

    // One random action on the shown windows; returns what it did, for the log.
    std::string act()
    {
        const QList<QWidget*> windows = shownWindows();
        if (windows.isEmpty())
            return "nothing shown";
        QWidget* window = pick(windows);
        const std::string where = window->objectName().toStdString() + ": ";
        if (auto* quiz = qobject_cast<QMainWindow*>(window); quiz && random() % 8 == 0) {
            // Now and then a whole questionnaire screen answered, click by click, so that the
            // stream also reaches the results.
            int clicked = 0;
            for (const auto& box : WordBank::instance().boxes()) {
                const auto mostRow = random() % kRowsPerBox;
                const auto leastRow = (mostRow + 1 + random() % (kRowsPerBox - 1)) % kRowsPerBox;
                const auto most = controlsOf(box.number, static_cast<int>(mostRow) + 1).most;
                const auto least = controlsOf(box.number, static_cast<int>(leastRow) + 1).least;
                for (const auto& name : {most, least}) {
                    if (auto* circle = quiz->findChild<QAbstractButton*>(QString::fromUtf8(name));
                        circle && circle->isVisible()) {
                        circle->click();
                        ++clicked;
                    }
                }
            }
            if (clicked > 0) {
                // ... and often sent on at once.
                if (auto* next = quiz->findChild<QAbstractButton*>(QStringLiteral("Command74")); next && random() % 2) {
                    next->click();
                    return where + "answer every box and go on";
                }
                return where + "answer every box";
            }
        }
        // Clicks and keys most often, closing through the frame least.
        constexpr int kKinds[] = {0, 0, 0, 0, 1, 1, 2, 3, 4, 4, 5, 6};
        switch (kKinds[random() % std::size(kKinds)]) {
        case 0: {
            auto buttons = window->findChildren<QAbstractButton*>();
            buttons.removeIf([](QAbstractButton* b) { return !b->isVisible() || !b->isEnabled(); });
            if (buttons.isEmpty())
                return where + "no button";
            QAbstractButton* b = pick(buttons);
            const std::string name = b->objectName().toStdString();
            // Through the window, at the spot a person aims for, onto whatever lies there.
            const QPoint at = b->mapTo(window, clickPoint(b));
            QSignalSpy pressed(b, &QAbstractButton::pressed);
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at);
            if (pressed.isEmpty())
                unanswered = where + name + " did not take the click";
            QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at);
            return where + "click " + name;
        }
        case 1: {
            // Keys reach the control with the focus, if it is on view.
            QWidget* focus = QApplication::focusWidget();
            QWidget* target = focus && focus->window()->isVisible() ? focus : window;
            const int key = kKeys[random() % std::size(kKeys)];
            const auto modifiers = random() % 4 == 0 ? Qt::AltModifier : Qt::NoModifier;
            QKeyEvent press(QEvent::KeyPress, key, modifiers, key == Qt::Key_A ? QStringLiteral("a") : QString());
            QApplication::sendEvent(target, &press);
            return where + "key " + std::to_string(key) + " to " + target->objectName().toStdString();
        }
        case 2: {
            QList<QWidget*> fields;
            for (auto* e : window->findChildren<QLineEdit*>())
                fields << e;
            for (auto* e : window->findChildren<QPlainTextEdit*>())
                fields << e;
            fields.removeIf([](QWidget* f) { return !f->isVisible(); });
            if (fields.isEmpty())
                return where + "no field";
            QWidget* field = pick(fields);
            const QString text = pick(kTexts);
            if (auto* line = qobject_cast<QLineEdit*>(field)) {
                line->selectAll();
                line->insert(text); // as typing does: textEdited follows
            } else {
                qobject_cast<QPlainTextEdit*>(field)->insertPlainText(text);
            }
            return where + "type " + std::to_string(text.size()) + " characters into "
                + field->objectName().toStdString();
        }
        case 3: {
            auto* main = qobject_cast<QMainWindow*>(window);
            if (!main || !main->menuWidget())
                return where + "no menu";
            QList<QAction*> commands;
            for (QAction* a : main->menuBar()->actions()) {
                if (a->menu())
                    commands << a->menu()->actions();
                else
                    commands << a;
            }
            QAction* a = pick(commands);
            const std::string name = a->objectName().toStdString();
            a->trigger();
            return where + "menu " + name;
        }
        case 4: {
            auto children = window->findChildren<QWidget*>();
            children.removeIf([](QWidget* c) { return !c->isVisible() || !c->hasMouseTracking(); });
            if (children.isEmpty())
                return where + "nothing follows the mouse";
            QWidget* c = pick(children);
            const QPointF at(random() % std::max(1, c->width()), random() % std::max(1, c->height()));
            QMouseEvent move(QEvent::MouseMove, at, c->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(c, &move);
            return where + "mouse over " + c->objectName().toStdString();
        }
        case 5:
            window->close();
            return where + "close through the frame";
        default: {
            QWidget* target = window;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(target, &press);
            return where + "key x";
        }
        }
    }

    // What must hold whatever the person did; empty when all is well.
    std::string broken(bool newJustConfirmed)
    {
        if (!unanswered.empty())
            return unanswered;
        if (ended) {
            // Exit from whichever screen it came: every screen is gone.
            for (const auto& info : allScreens()) {
                if (flow.existing(info.id))
                    return "Exit left " + std::string(info.name) + " behind";
            }
            typed.clear();
            return {};
        }
        // Drawing every screen after every action would take most of the run: a screen is
        // drawn when it comes on view.
        for (QWidget* window : shownWindows()) {
            if (!takesInput(window))
                return window->objectName().toStdString() + " is on view but takes no input";
            if (!onViewBefore.contains(window) && !draws(window))
                return window->objectName().toStdString() + " is on view but draws nothing";
        }
        for (const auto& info : allScreens()) {
            QWidget* screen = flow.existing(info.id);
            if (!info.working || !screen || !screen->isVisible())
                continue;
            auto offers = [screen](const char* name) {
                const auto* command = screen->findChild<QAction*>(QString::fromLatin1(name));
                return command && command->isEnabled();
            };
            // The tutorial pages call their Exit command exitfrm.
            if (!offers("mnunew") || !(offers("mnuexit") || offers("exitfrm")))
                return std::string(info.name) + " does not offer New and Exit";
        }
        if (newJustConfirmed) {
            for (const auto id :
                 {ScreenId::quiz, ScreenId::quiz2, ScreenId::Yourcolor1, ScreenId::Graph1, ScreenId::Intro}) {
                if (flow.existing(id) && flow.existing(id)->isVisible())
                    return std::string(screenInfo(id).name) + " still on view after New";
            }
            if (session.answers().most(1) || session.answers().most(16) || session.sampleBox().most
                || session.yourColors().userName != QStringLiteral("Text1")
                || session.strengthCircle().values != StrengthValues{} || session.partTwo().partOneTotals)
                return "New left something of the last session behind";
        }
        for (int box = 1; box <= kBoxCount; ++box) {
            const BoxMarks& marks = session.answers().marks(box);
            if (marks.most && marks.least && *marks.most == *marks.least)
                return "box " + std::to_string(box) + " has one word both Most and Least";
        }
        if (const std::string lost = lostEntries(); !lost.empty())
            return lost;
        return keepsTypedText();
    }

    // What the person entered and the session holds, as the screens show it, on view or hidden.
    std::string lostEntries()
    {
        for (const auto part : {QuizScreen::Quiz, QuizScreen::Quiz2}) {
            QWidget* quiz = flow.existing(screenOf(part));
            if (!quiz)
                continue;
            for (const auto& box : WordBank::instance().boxesOf(part)) {
                const BoxMarks& marks = session.answers().marks(box.number);
                for (int row = 1; row <= kRowsPerBox; ++row) {
                    const WordControls& controls = controlsOf(box.number, row);
                    if (circle(quiz, controls.most) != (marks.most == row)
                        || circle(quiz, controls.least) != (marks.least == row))
                        return "box " + std::to_string(box.number) + " shows other marks than the person made";
                }
            }
        }
        if (QWidget* intro = flow.existing(ScreenId::Intro)) {
            const char* most[] = {"Option3", "Option2", "Option4", "Option1"};
            const char* least[] = {"Option8", "Option7", "Option6", "Option5"};
            for (int row = 1; row <= kRowsPerBox; ++row) {
                const auto i = static_cast<std::size_t>(row - 1);
                if (circle(intro, most[i]) != (session.sampleBox().most == row)
                    || circle(intro, least[i]) != (session.sampleBox().least == row))
                    return "the sample box shows other marks than the person made";
            }
        }
        if (QWidget* colors = flow.existing(ScreenId::Yourcolor1)) {
            if (colors->findChild<QLineEdit*>(QStringLiteral("Text1"))->text() != session.yourColors().userName)
                return "Your Colors shows another name than the person gave";
        }
        if (QWidget* graph = flow.existing(ScreenId::Graph1)) {
            for (int i = 0; i < 4; ++i) {
                const auto* box = graph->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1));
                if (box->text() != session.strengthCircle().values[static_cast<std::size_t>(i)].text())
                    return "value box " + std::to_string(i + 1) + " shows other than the session holds";
            }
        }
        return {};
    }

    static bool circle(QWidget* screen, std::string_view name)
    {
        return screen->findChild<QRadioButton*>(QString::fromUtf8(name))->isChecked();
    }

    // Text typed into a description stays as typed while its screen is hidden and when it is
    // shown again; only Exit throws the screen away, and New leaves it.
    std::string keepsTypedText()
    {
        for (const auto& [field, last] : typed) {
            if (!last.field)
                return "a description and the text typed into it were thrown away";
        }
        for (const auto& info : allScreens()) {
            QWidget* screen = flow.existing(info.id);
            if (!screen)
                continue;
            for (QPlainTextEdit* field : screen->findChildren<QPlainTextEdit*>()) {
                const QString text = field->toPlainText();
                const bool onView = screen->isVisible();
                Typed& last = typed[field];
                // Only a person types, and only on a screen on view: hiding it, keeping it
                // hidden and showing it again leave the text alone.
                if (last.field && !(last.onView && onView) && text != last.text)
                    return std::string(info.name) + " lost the text typed into it between hiding and showing";
                last = {field, text, onView};
            }
        }
        return {};
    }

    // Each description's text box as it was at the last look, and whether it was on view.
    struct Typed {
        QPointer<QPlainTextEdit> field;
        QString text;
        bool onView = false;
    };
    std::map<QPlainTextEdit*, Typed> typed;
    std::string unanswered;
    QList<QWidget*> onViewBefore;
};

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

TEST_F(Monkey, RandomActionsNeverBreakTheProgram)
{
    const int actions = fromEnvironment("TESSALY_MONKEY_ACTIONS", 1500);
    const auto seed = static_cast<unsigned>(fromEnvironment("TESSALY_MONKEY_SEED", 20261210));
    random.seed(seed);
    printer.documents.reserve(16);
    std::deque<std::string> log;
    std::set<ScreenId> reached;
    std::size_t mostOnView = 0;
    program.start();
    for (int i = 0; i < actions; ++i) {
        // Some printouts fail, some print systems fail or have no printer.
        const unsigned system = random() % 20;
        printSystem->kind = system == 0 ? Destination::Kind::None
            : system == 1               ? Destination::Kind::Unanswered
                                        : Destination::Kind::Printer;
        printSystem->sendSucceeds = random() % 10 != 0;
        printer.failAtOperation = random() % 5 == 0 ? std::optional<int>(printer.operationCount + 2) : std::nullopt;
        printer.documents.clear();
        systemInfo.found = random() % 2 ? std::optional<std::string>("/usr/bin/true") : std::nullopt;
        dialogs.lastQuestion.clear();
        unanswered.clear();
        onViewBefore = shownWindows();

        log.push_back(std::to_string(i) + " " + act());
        // Answers from the print system arrive as the event loop runs.
        QCoreApplication::processEvents();
        std::size_t onView = 0;
        for (const auto& info : allScreens()) {
            if (flow.existing(info.id) && flow.existing(info.id)->isVisible()) {
                reached.insert(info.id);
                onView += info.working ? 1 : 0;
            }
        }
        mostOnView = std::max(mostOnView, onView);
        if (log.size() > 40)
            log.pop_front();
        settle();
        const bool newConfirmed =
            dialogs.lastAnswer && dialogs.lastQuestion.startsWith(QStringLiteral("Do you want to start"));
        const std::string fault = broken(newConfirmed);
        if (!fault.empty()) {
            std::string trail;
            for (const auto& line : log)
                trail += "\n  " + line;
            FAIL() << fault << " after action " << i << " with TESSALY_MONKEY_SEED=" << seed
                   << "; the last actions:" << trail;
        }
        if (ended) {
            // Exit was confirmed: the program ends; start it again and go on.
            ended = false;
            flow.discardAll();
            settle();
            session.resetOwnedBy(ScreenId::quiz);
            session.resetOwnedBy(ScreenId::quiz2);
            session.resetOwnedBy(ScreenId::Graph1);
            session.resetOwnedBy(ScreenId::Yourcolor1);
            session.resetOwnedBy(ScreenId::Intro);
            session.resetOwnedBy(ScreenId::Printcolor);
            program.start();
        }
    }
    std::string seen;
    for (const ScreenId id : reached)
        seen += std::string(screenInfo(id).name) + " ";
    std::fprintf(stderr, "%d actions, seed %u, screens reached: %s\nat most %zu working screens on view at once\n",
                 actions, seed, seen.c_str(), mostOnView);
}
