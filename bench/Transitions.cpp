// Times every screen change of the real screens on the real X server: from the input that
// asks for it to the frame of the next screen reaching the server. The input is delivered
// to the control as the window system's event would be; message and input boxes answer at
// once (Yes, a name), so that only the program's own work is timed.
#include "AnsweringDialogs.h"
#include "FakePrintSystem.h"
#include "PathSystemInfoTool.h"
#include "Program.h"
#include "QtWindowStacking.h"
#include "Screens.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

extern "C" {
struct TessalyBenchFrame {
    std::uint64_t ns;
    std::uint64_t cpuNs;
};
TessalyBenchFrame tessalyBenchFrameOf(std::uint32_t window);
}

namespace tessaly {
namespace {

using enum ScreenId;
using Clock = std::chrono::steady_clock;

constexpr double kFrameMs = 1000.0 / 60;
constexpr int kRuns = 7;

std::uint64_t nowNs()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count());
}

std::uint64_t cpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1'000'000'000u + static_cast<std::uint64_t>(t.tv_nsec);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Nothing is printed while screen changes are timed: there is no printer.
std::shared_ptr<testing::FakePrintSystem> noPrinters()
{
    auto system = std::make_shared<testing::FakePrintSystem>();
    system->kind = Destination::Kind::None;
    return system;
}

enum class Input { Click, Move, Key, Menu };

struct Row {
    ScreenId from;
    const char* control;
    Input input;
};

// The screen changes, in the order a person meets them; a row's screen is reached without timing.
// clang-format off
const Row kRows[] = {
    {frmSplash, "Frame1", Input::Click},  {frmSplash, "Frame1", Input::Move},
    {frmSplash, "Form", Input::Key},      {step1, "Command1", Input::Click},
    {step1, "Command2", Input::Click},    {step2, "Command1", Input::Click},
    {step2, "Command2", Input::Click},    {step3, "Command1", Input::Click},
    {step3, "Command2", Input::Click},    {step4, "Command1", Input::Click},
    {step4, "Command2", Input::Click},    {step5, "Command2", Input::Click},
    {step5, "Command1", Input::Click},    {Step6, "Command1", Input::Click},
    {Step6, "Command2", Input::Click},    {step7, "Command1", Input::Click},
    {step7, "Command2", Input::Click},    {step8, "Command1", Input::Click},
    {step8, "Command2", Input::Click},    {step9, "Command1", Input::Click},
    {step9, "Command2", Input::Click},    {Intro, "Command1", Input::Click},
    {Intro, "Command2", Input::Click},    {Intro, "Command3", Input::Click},
    {quiz, "Command74", Input::Click},    {quiz, "Command73", Input::Click},
    {quiz2, "Command74", Input::Click},   {quiz2, "Command73", Input::Click},
    {Graph1, "Command1", Input::Click},   {Graph1, "Command2", Input::Click},
    {Yourcolor1, "Command1", Input::Click}, {Yourcolor1, "Command3", Input::Click},
    {Yourcolor1, "Command4", Input::Click}, {choice1, "Command1", Input::Click},
    {choice1, "Command2", Input::Click},  {choice1, "Command3", Input::Click},
    {choice1, "Command4", Input::Click},  {choice1, "Command5", Input::Click},
    {choice1, "Command6", Input::Click},  {choice1, "Command7", Input::Click},
    {choice1, "Command8", Input::Click},  {choice1, "Command9", Input::Click},
    {choice1, "Command10", Input::Click}, {choice1, "Command11", Input::Click},
    {choice1, "Command12", Input::Click}, {choice1, "Command13", Input::Click},
    {redyellow, "Command4", Input::Click}, {redgreen, "Command4", Input::Click},
    {redblue, "Command4", Input::Click},  {bluered, "Command5", Input::Click},
    {bluegreen, "Command4", Input::Click}, {blueyellow, "Command4", Input::Click},
    {yellowred, "Command4", Input::Click}, {yellowblue, "Command4", Input::Click},
    {yellowgreen, "Command4", Input::Click}, {greenred, "Command4", Input::Click},
    {greenblue, "Command4", Input::Click}, {greenyellow, "Command4", Input::Click},
    {choice1, "mnuabout", Input::Menu},
};
// clang-format on
// New discards the questionnaire's screens, so it is timed after all the others.
const Row kNew{choice1, "mnunew", Input::Menu};

struct Timing {
    std::string move;
    double first = 0; // the first time, which may build the next screen
    double firstCpu = 0;
    bool built = false;
    std::vector<double> again; // later times, with every screen built
    std::vector<double> againCpu;
};

class Bench {
public:
    Bench()
    {
        for (int box = 1; box <= kBoxCount; ++box) {
            session_.selectMark(MarkColumn::Most, box, 1);
            session_.selectMark(MarkColumn::Least, box, 4);
        }
    }

    ~Bench()
    {
        flow_.discardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool run()
    {
        program_.start();
        if (!waitForFrame(frmSplash, 0))
            return fail("the splash screen never painted");
        std::vector<Timing> timings(std::size(kRows) + 1);
        for (int run = 0; run < kRuns; ++run) {
            for (std::size_t i = 0; i < std::size(kRows); ++i) {
                if (!record(timings[i], kRows[i], run))
                    return false;
            }
        }
        for (int run = 0; run < kRuns; ++run) {
            if (!record(timings.back(), kNew, run))
                return false;
        }
        report(timings);
        return true;
    }

private:
    struct Taken {
        std::string move;
        double ms;
        double cpuMs; // of this process alone, which the machine's other work hardly changes
        bool built;
    };

    bool record(Timing& timing, const Row& row, int run)
    {
        const auto taken = change(row);
        if (!taken)
            return false;
        if (run == 0) {
            timing.move = taken->move;
            timing.first = taken->ms;
            timing.firstCpu = taken->cpuMs;
            timing.built = taken->built;
        } else {
            timing.again.push_back(taken->ms);
            timing.againCpu.push_back(taken->cpuMs);
        }
        return true;
    }

    static bool fail(const std::string& why)
    {
        std::fprintf(stderr, "transitions: %s\n", why.c_str());
        return false;
    }

    std::optional<Taken> change(const Row& row)
    {
        arriveAt(row.from);
        QWidget* from = flow_.screen(row.from);
        std::vector<ScreenId> before;
        for (const auto& info : allScreens()) {
            if (flow_.existing(info.id))
                before.push_back(info.id);
        }

        const std::uint64_t start = nowNs();
        const std::uint64_t startCpu = cpuNs();
        deliver(*from, row);
        const auto to = shownBy(row);
        if (!to) {
            fail(std::string(screenInfo(row.from).name) + " " + row.control + " showed no other screen");
            return std::nullopt;
        }
        if (!waitForFrame(*to, start)) {
            fail(std::string(screenInfo(*to).name) + " never painted");
            return std::nullopt;
        }
        const TessalyBenchFrame frame = tessalyBenchFrameOf(windowOf(*to));
        const double ms = static_cast<double>(frame.ns - start) / 1e6;
        const double cpuMs = static_cast<double>(frame.cpuNs - startCpu) / 1e6;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool built = std::find(before.begin(), before.end(), *to) == before.end();
        const std::string move =
            std::string(screenInfo(row.from).name) + " " + row.control + " -> " + std::string(screenInfo(*to).name);
        return Taken{move, ms, cpuMs, built};
    }

    void deliver(QWidget& from, const Row& row)
    {
        const QString name = QString::fromLatin1(row.control);
        switch (row.input) {
        case Input::Click: {
            auto* target = from.findChild<QWidget*>(name);
            // The splash panel reacts where none of its words or pictures lie, as at its corner.
            const QPointF at =
                qobject_cast<QAbstractButton*>(target) ? QPointF(target->rect().center()) : QPointF(2, 2);
            QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
            break;
        }
        case Input::Move: {
            auto* target = from.findChild<QWidget*>(name);
            const QPointF at(2, 2);
            QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
            break;
        }
        case Input::Key: {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QCoreApplication::sendEvent(&from, &press);
            break;
        }
        case Input::Menu:
            from.findChild<QAction*>(name)->trigger();
            break;
        }
    }

    // The screen the change brought into view: the one visible now that is not where it
    // started, or the screen it started from when that went and came back.
    std::optional<ScreenId> shownBy(const Row& row) const
    {
        for (const auto& info : allScreens()) {
            if (info.id != row.from && flow_.existing(info.id) && flow_.existing(info.id)->isVisible())
                return info.id;
        }
        return std::nullopt;
    }

    void arriveAt(ScreenId id)
    {
        for (const auto& info : allScreens()) {
            if (flow_.existing(info.id))
                flow_.hide(info.id);
        }
        const std::uint64_t start = nowNs();
        flow_.show(id);
        waitForFrame(id, start);
        settle();
    }

    std::uint32_t windowOf(ScreenId id) const { return static_cast<std::uint32_t>(flow_.existing(id)->winId()); }

    bool waitForFrame(ScreenId id, std::uint64_t after)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < deadline) {
            if (flow_.existing(id) && tessalyBenchFrameOf(windowOf(id)).ns > after)
                return true;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return false;
    }

    // Lets what the last change left behind (deferred deletions, late repaints) finish untimed,
    // and pauses as briefly as a person does between two inputs: what a screen gets ready
    // meanwhile for the next one is ready, as it would be for them.
    static void settle()
    {
        const auto until = Clock::now() + std::chrono::milliseconds(300);
        while (Clock::now() < until)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void report(const std::vector<Timing>& timings)
    {
        std::printf("%-34s %-12s %17s %17s %8s\n", "", "", "first time", "median of others", "");
        std::printf("%-34s %-12s %8s %8s %8s %8s %8s\n", "screen change", "", "wall ms", "CPU ms", "wall ms", "CPU ms",
                    "max ms");
        int overFirst = 0;
        int overMedian = 0;
        for (const auto& t : timings) {
            const double wall = median(t.again);
            overFirst += t.first > kFrameMs ? 1 : 0;
            overMedian += wall > kFrameMs ? 1 : 0;
            std::printf("%-34s %-12s %8.2f %8.2f %8.2f %8.2f %8.2f%s\n", t.move.c_str(), t.built ? "(builds it)" : "",
                        t.first, t.firstCpu, wall, median(t.againCpu),
                        *std::max_element(t.again.begin(), t.again.end()),
                        t.first > kFrameMs || wall > kFrameMs ? "  over one frame" : "");
        }
        std::printf("%zu screen changes, each timed %d times: %d over one frame at 60 Hz (%.1f ms) the first time, "
                    "%d by the median of the others\n",
                    timings.size(), kRuns, overFirst, kFrameMs, overMedian);
    }

    testing::AnsweringDialogs dialogs_;
    QtWindowStacking stacking_;
    PathSystemInfoTool systemInfo_;
    Program program_{{dialogs_, stacking_, systemInfo_, noPrinters()}, [] {}};
    Session& session_ = program_.session;
    ScreenFlow& flow_ = program_.flow;
};

} // namespace
} // namespace tessaly

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tessaly::prepareApplication(app);
    tessaly::Bench bench;
    return bench.run() ? 0 : 1;
}
