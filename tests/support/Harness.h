#pragma once

#include "FakePrintSystem.h"
#include "Program.h"
#include "QtWindowStacking.h"
#include "Screens.h"
#include "ScriptedDialogs.h"
#include "SystemInfo.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

namespace tessaly::testing {

// Matches every member of a control array ("Label1_0", "Label1_1", ...) and a control of that
// name that stands alone.
inline QRegularExpression arrayNamed(const char* name)
{
    return QRegularExpression(QStringLiteral("^%1(_\\d+)?$").arg(QString::fromLatin1(name)));
}

// The scale a run was started at, the screen's own size where its environment names none: a
// run at another scale would not check what it is meant to.
inline void expectTheRunsScale()
{
    const QString expected = qEnvironmentVariable("TESSALY_EXPECTED_SCALE");
    ASSERT_DOUBLE_EQ(qGuiApp->devicePixelRatio(), expected.isEmpty() ? 1.0 : expected.toDouble());
}

// A place in Qt's pixels as the screen's own pixels cover it, at the screen's scale `ratio`.
inline QRect onDevice(const QRect& place, qreal ratio)
{
    return QRectF(QPointF(place.topLeft()) * ratio, QSizeF(place.size()) * ratio).toAlignedRect();
}

// A rectangle as a failure message shows it: "x,y wxh".
inline std::string text(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// Lets every printout on its way reach its end, as the screens go on meanwhile.
inline void finishPrinting(const Printing& printing)
{
    QDeadlineTimer deadline(20000);
    while (!printing.idle() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(printing.idle()) << "a printout never came to an end";
}

// The real stacking, counted.
class CountingStacking final : public WindowStacking {
public:
    void keepOnTop(QWidget& window) override
    {
        ++calls;
        lastWindow = &window;
        real_.keepOnTop(window);
    }
    int calls = 0;
    QWidget* lastWindow = nullptr;

private:
    QtWindowStacking real_;
};

// A system information tool that is looked for and started only in the test's imagination.
class FakeSystemInfoTool final : public SystemInfoTool {
public:
    std::optional<std::string> locate() override { return found; }
    bool launch(const std::string& path) override
    {
        launched.push_back(path);
        return launchSucceeds;
    }
    std::optional<std::string> found;
    bool launchSucceeds = true;
    std::vector<std::string> launched;
};

// The whole program over stand-ins for the system's seams, with the boxes the test gives.
class ProgramOverFakes {
public:
    explicit ProgramOverFakes(Dialogs& boxes)
        : program{{boxes, stacking, systemInfo, printSystem}, [this] { ended = true; }}
    {
    }

    CountingStacking stacking;
    bool ended = false;
    FakeSystemInfoTool systemInfo;
    std::shared_ptr<FakePrintSystem> printSystem = std::make_shared<FakePrintSystem>();
    RecordingPrinter& printer = printSystem->printer;
    Program program;
    Session& session = program.session;
    Printing& printing = program.printing;
    ScreenFlow& flow = program.flow;
    Shell& shell = program.shell;
};

// The boxes, made before the program that shows them.
struct WithScriptedDialogs {
    ScriptedDialogs dialogs;
};

// The whole program with real widgets on the offscreen platform and scripted boxes.
class Harness : public ::testing::Test, protected WithScriptedDialogs, protected ProgramOverFakes {
protected:
    Harness() : ProgramOverFakes(dialogs) {}

    ~Harness() override
    {
        printSystem->release();
        finishPrinting();
        dialogs.verify();
        flow.discardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* screen(ScreenId id) { return flow.screen(id); }
    bool visible(ScreenId id) const { return flow.existing(id) && flow.existing(id)->isVisible(); }

    std::set<ScreenId> visibleScreens() const
    {
        std::set<ScreenId> result;
        for (const auto& info : allScreens()) {
            if (visible(info.id))
                result.insert(info.id);
        }
        return result;
    }

    // Hides everything and shows one screen, as if the user had just arrived there.
    void arriveAt(ScreenId id)
    {
        for (const auto& info : allScreens()) {
            if (flow.existing(info.id))
                flow.hide(info.id);
        }
        flow.show(id);
    }

    void click(ScreenId id, const char* button)
    {
        auto* b = screen(id)->findChild<QAbstractButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void trigger(ScreenId id, const char* action)
    {
        auto* a = screen(id)->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void finishPrinting() { testing::finishPrinting(printing); }

    // Scores as Part II's end publishes them; the colours of the worked example unless given.
    void publish(const ColorValues& values, ColorChoice colors = {Color::Yellow, Color::Red})
    {
        ColorScores scores{};
        scores.value = values;
        scores.colors = colors;
        session.publishScores(scores);
    }

    // The mouse moves over the Strength Circle's chart box, which then draws the chart.
    void moveOverChart()
    {
        QWidget* chart = screen(ScreenId::Graph1)->findChild<QWidget*>(QStringLiteral("Picture1"));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), chart->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
    }

    void markEveryBox(int mostRow = 1, int leastRow = 4)
    {
        for (int box = 1; box <= kBoxCount; ++box) {
            session.selectMark(MarkColumn::Most, box, mostRow);
            session.selectMark(MarkColumn::Least, box, leastRow);
        }
    }
};

} // namespace tessaly::testing
