// A long, seeded stream of random user actions on whatever the program shows, with the
// program's invariants checked after every one. TESSALY_MONKEY_ACTIONS sets the length of the
// stream and TESSALY_MONKEY_SEED the seed; a failure prints both and the actions that led to it.

#include "Harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <cstdio>
#include <deque>
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
    void inform(QWidget*, MessageKind, const QString&) override {}
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

const int kKeys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Left, Qt::Key_Right,
                     Qt::Key_Space, Qt::Key_Return,  Qt::Key_Enter, Qt::Key_Escape, Qt::Key_A,    Qt::Key_F4};

class Monkey : public ::testing::Test {
protected:
    Monkey()
    {
        flow.setFactory([this](ScreenId id) { return createScreen(id, shell); });
    }

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
                const auto& most = box.words[mostRow].mostOption;
                const auto& least = box.words[leastRow].leastOption;
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
            b->click();
            return where + "click " + name;
        }
        case 1: {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
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
        std::string working;
        for (const auto& info : allScreens()) {
            if (info.working && flow.existing(info.id) && flow.existing(info.id)->isVisible())
                working += (working.empty() ? "" : " and ") + std::string(info.name);
        }
        if (working.find(" and ") != std::string::npos)
            return working + " shown at once";
        for (int box = 1; box <= kBoxCount; ++box) {
            const BoxMarks& marks = session.answers().marks(box);
            if (marks.most && marks.least && *marks.most == *marks.least)
                return "box " + std::to_string(box) + " has one word both Most and Least";
        }
        if (QWidget* graph = flow.existing(ScreenId::Graph1)) {
            for (int i = 0; i < 4; ++i) {
                const auto* box = graph->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i + 1));
                if (box->text() != session.strengthCircle().values[static_cast<std::size_t>(i)])
                    return "value box " + std::to_string(i + 1) + " shows other than the session holds";
            }
        }
        if (newJustConfirmed) {
            if (session.answers().most(1) || session.answers().most(16) || session.sampleBox().most
                || session.yourColors().userName != QStringLiteral("Text1")
                || session.strengthCircle().values != ValueTexts{} || session.partTwo().partOneTotals[0] != "Text1")
                return "New left something of the last session behind";
        }
        return {};
    }

    std::mt19937 random;
    RandomDialogs dialogs{random};
    CountingStacking stacking;
    bool ended = false;
    Session session;
    ScreenFlow flow{stacking, [this] { ended = true; }};
    FakeSystemInfoTool systemInfo;
    std::shared_ptr<FakePrintSystem> printSystem = std::make_shared<FakePrintSystem>();
    RecordingPrinter& printer = printSystem->printer;
    Printing printing{printSystem, dialogs};
    Shell shell{session, flow, dialogs, systemInfo, printing};
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
    shell.start();
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

        log.push_back(std::to_string(i) + " " + act());
        // Answers from the print system arrive as the event loop runs.
        QCoreApplication::processEvents();
        for (const auto& info : allScreens()) {
            if (flow.existing(info.id) && flow.existing(info.id)->isVisible())
                reached.insert(info.id);
        }
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
            shell.start();
        }
    }
    std::string seen;
    for (const ScreenId id : reached)
        seen += std::string(screenInfo(id).name) + " ";
    std::fprintf(stderr, "%d actions, seed %u, screens reached: %s\n", actions, seed, seen.c_str());
}
