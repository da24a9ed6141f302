#include "PrintoutsFixture.h"

#include "Messages.h"
#include "Printouts.h"
#include "StyleLibrary.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <memory>
#include <thread>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList valuesPrintout(const QString& name, const QStringList& values)
{
    QStringList expected;
    for (int i = 0; i < 20; ++i)
        expected << "line:";
    expected << "line:START to Understand " + name << "line:Your Red Value is:  " + values[0]
             << "line:Your Yellow Value is:  " + values[1] << "line:Your Blue Value is:  " + values[2]
             << "line:Your Green Value is:  " + values[3];
    return expected;
}

} // namespace

TEST_F(Printouts, TheValuesPrintoutFromTheButtonAndTheMenuAlike)
{
    session.setUserName("Ann");
    publish({10, 5, 3, 2});
    arriveAt(Graph1);
    print(Graph1, "Command3");
    print(Graph1, "Print");
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.documents[0].operations, printer.documents[1].operations);

    const QStringList ops = printer.documents[0].operations;
    EXPECT_EQ(ops.mid(0, 25), valuesPrintout("Ann", {"10", "5", "3", "2"}));
    ASSERT_EQ(ops.size(), 30);
    EXPECT_EQ(ops[25], "sector:Red 2100,1900,1500 1e-05 3.1416");
    EXPECT_EQ(ops[28], "sector:Green 2100,1900,1500 5.65487 6.28318");
    EXPECT_EQ(ops[29], "end");
    EXPECT_TRUE(printer.documents[0].ended);
}

TEST_F(Printouts, AnEditedValueBoxIsPrintedAsItStands)
{
    session.setUserName("Bo");
    arriveAt(Graph1);
    for (const auto& [name, text] :
         {std::pair{"Text1", "7"}, std::pair{"Text2", "x"}, std::pair{"Text3", ""}, std::pair{"Text4", "7"}}) {
        auto* box = screen(Graph1)->findChild<QLineEdit*>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    print(Graph1, "Command3");
    const QStringList ops = lastDocument();
    EXPECT_EQ(ops.mid(0, 25), valuesPrintout("Bo", {"7", "x", "", "7"}));
    // Red and Green share the chart; the others count as nothing.
    EXPECT_EQ(
        ops.mid(25),
        (QStringList{"sector:Red 2100,1900,1500 1e-05 3.1416", "sector:Green 2100,1900,1500 3.1416 6.28318", "end"}));
}

TEST_F(Printouts, AValuePastedUndoneOrPutByAnAssistiveToolIsWhatTheChartAndThePrintoutShow)
{
    session.setUserName("Bo");
    publish({10, 5, 3, 2});
    arriveAt(Graph1);
    auto* red = screen(Graph1)->findChild<QLineEdit*>("Text1");
    QWidget* chart = screen(Graph1)->findChild<QWidget*>("Picture1");
    struct Case {
        const char* how;
        std::function<void()> change;
        QString shown;
    };
    const Case cases[] = {
        {"paste",
         [red] {
             QGuiApplication::clipboard()->setText("12");
             red->selectAll();
             QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
         },
         "12"},
        {"undo", [red] { QTest::keyClick(red, Qt::Key_Z, Qt::ControlModifier); }, "10"},
        {"assistive tool",
         [red] { QAccessible::queryAccessibleInterface(red)->editableTextInterface()->replaceText(0, 2, "x7"); }, "x7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        c.change();
        ASSERT_EQ(red->text(), c.shown);
        moveOverChart();
        EXPECT_EQ(chart->accessibleDescription(), "Red " + c.shown + ", Yellow 5, Blue 3, Green 2");
        print(Graph1, "Command3");
        EXPECT_EQ(lastDocument().mid(0, 25), valuesPrintout("Bo", {c.shown, "5", "3", "2"}));
    }
}

TEST_F(Printouts, ScreenPrintsTakeTheirOwnScreenAsItIsAtThePress)
{
    struct Case {
        ScreenId from;
        const char* action;
    };
    const Case cases[] = {{quiz, "mnuprint"},     {quiz2, "mnuprint"},    {Intro, "prtform"},
                          {choice1, "prtform"},   {bluered, "prtform"},   {Step6, "prtform"}};
    // A text cursor that blinks would make one image of a screen differ from the next.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    auto bytes = [](const QPicture& picture) { return QByteArray(picture.data(), picture.size()); };
    auto imageOf = [&](ScreenId id) { return bytes(screenImage(*screen(id)->findChild<QWidget*>("client"))); };
    for (const auto& c : cases) {
        SCOPED_TRACE(screenInfo(c.from).name);
        arriveAt(c.from);
        const QByteArray shown = imageOf(c.from);
        print(c.from, c.action);
        EXPECT_EQ(lastDocument(), (QStringList{"screen", "end"}));
        ASSERT_EQ(printer.documents.back().screens.size(), 1u);
        EXPECT_EQ(bytes(printer.documents.back().screens.front()), shown);
        EXPECT_TRUE(visible(c.from)); // printing does not move
    }
    EXPECT_NE(imageOf(quiz), imageOf(quiz2));
    EXPECT_EQ(screen(redblue)->findChild<QAction*>("prtform"), nullptr);

    // What the screen shows after the press, and New discarding it, while the printer is still
    // being looked up, change nothing of the printout.
    arriveAt(quiz);
    const QByteArray atPress = imageOf(quiz);
    printSystem->hold();
    trigger(quiz, "mnuprint");
    QTest::mouseClick(screen(quiz)->findChild<QAbstractButton*>("Option140"), Qt::LeftButton);
    ASSERT_NE(imageOf(quiz), atPress);
    dialogs.expectQuestion("Do you want to start a new Tessaly session?", true);
    trigger(quiz, "mnunew");
    ASSERT_EQ(flow.existing(quiz), nullptr);
    printSystem->release();
    finishPrinting();
    ASSERT_EQ(printer.documents.back().screens.size(), 1u);
    EXPECT_EQ(bytes(printer.documents.back().screens.front()), atPress);
    QApplication::setCursorFlashTime(flashTime);
}

TEST_F(Printouts, APrintoutWhoseScreenNewDiscardedStillEndsAsAnyOther)
{
    // Without a printer the save box still comes, over the screen in front by then, and the
    // file is written; a failure is still told there.
    QTemporaryDir dir;
    const QString kept = dir.filePath("quiz.pdf");
    for (const bool printer : {false, true}) {
        SCOPED_TRACE(printer ? "a printer that fails" : "no printer");
        printSystem->kind = printer ? Destination::Kind::Printer : Destination::Kind::None;
        printSystem->sendSucceeds = false;
        arriveAt(quiz);
        printSystem->hold();
        trigger(quiz, "mnuprint");
        dialogs.expectQuestion("Do you want to start a new Tessaly session?", true);
        trigger(quiz, "mnunew");
        ASSERT_TRUE(visible(frmSplash));
        if (printer)
            dialogs.expectMessage(kPrintFailureBox, "You can not Print the Tessaly at this time!");
        else
            dialogs.expectSaveFile("Tessaly questionnaire 1.pdf", kept);
        printSystem->release();
        finishPrinting();
        dialogs.verify();
        EXPECT_EQ(dialogs.lastParent(), screen(frmSplash));
    }
    EXPECT_TRUE(fileBytes(kept).startsWith("%PDF-"));
}

TEST_F(Printouts, YourColorsPrintsTheSheetWithTheSameNameAndCircles)
{
    markEveryBox();
    session.setUserName("Ann");
    arriveAt(quiz);
    click(quiz, "Command74");
    click(quiz2, "Command74");
    arriveAt(Yourcolor1);
    print(Yourcolor1, "Command5");
    EXPECT_EQ(lastDocument(), (QStringList{"screen", "end"}));

    QWidget* sheet = flow.existing(Printcolor);
    ASSERT_NE(sheet, nullptr);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->findChild<QLineEdit*>("Text2")->text(), "Ann");
    auto fill = [](QWidget* circle) { return circle->grab().toImage().pixelColor(circle->rect().center()); };
    EXPECT_EQ(fill(sheet->findChild<QWidget*>("Shape1")), QColor(255, 255, 0));
    EXPECT_EQ(fill(sheet->findChild<QWidget*>("Shape2")), QColor(255, 0, 0));
    // Where the white panel meets the red strip, the panel lies on top.
    const QImage image = sheet->findChild<QWidget*>("client")->grab().toImage();
    EXPECT_EQ(image.pixelColor(64, 100), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(63, 100), QColor(255, 0, 0));
}

TEST_F(Printouts, DescriptionsPrintTheirStoredTextInABoldHeader)
{
    arriveAt(greenyellow);
    auto* box = screen(greenyellow)->findChild<QPlainTextEdit*>();
    box->moveCursor(QTextCursor::Start);
    QTest::keyClicks(box, "Typed by me ");
    // A megabyte pasted in stays in the box and changes nothing that is printed.
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QString(1 << 20, QChar(u'm')));
    EXPECT_GE(box->toPlainText().size(), 1 << 20);
    print(greenyellow, "Command1");
    print(greenyellow, "Command1");
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.documents[0].operations, printer.documents[1].operations);

    const QStringList ops = printer.documents[0].operations;
    const StyleDescription& style = *StyleLibrary::byScreen("greenyellow");
    ASSERT_EQ(ops.size(), 4 + 2 + 40 + 1);
    EXPECT_EQ(ops[0], "bold:on");
    EXPECT_EQ(ops[3], "line:" + QString(18, ' ') + "Green / Yellow - The Thinking Socializer");
    EXPECT_EQ(ops[5], "bold:off");
    EXPECT_EQ(ops[6], "line:");
    EXPECT_FALSE(ops.join("\n").contains("Typed by me"));
    EXPECT_TRUE(ops.join("\n").contains("'best'"));
    EXPECT_EQ(ops.back(), "end");
    EXPECT_EQ(static_cast<int>(style.printLines.size()), 40);
}

TEST_F(Printouts, FailuresAreToldAndNothingElseChanges)
{
    struct Case {
        ScreenId from;
        const char* control;
        const char* message;
    };
    const Case cases[] = {
        {quiz, "mnuprint", "You can not Print the Tessaly at this time!"},
        {Yourcolor1, "Command5", "You can not Print the Your Colors at this time!"},
        {redblue, "Command1", "You can not Print the text at this time!"},
        {Graph1, "Command3", "You can not Print your Values at this time!"},
        {Intro, "Command4", "You can not Print the Manual Tessaly at this time!"},
        {step2, "prtform", "You can not Print this screen at this time!"},
    };
    enum class Fault { SystemFailed, DrawingFailed, JobRefused };
    for (const Fault fault : {Fault::SystemFailed, Fault::DrawingFailed, Fault::JobRefused}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.message);
            printSystem->kind =
                fault == Fault::SystemFailed ? Destination::Kind::Unanswered : Destination::Kind::Printer;
            printer.failAtOperation =
                fault == Fault::DrawingFailed ? std::optional<int>(printer.operationCount + 1) : std::nullopt;
            printSystem->sendSucceeds = fault != Fault::JobRefused;
            const int sent = printSystem->sends;
            arriveAt(c.from);
            dialogs.expectMessage(kPrintFailureBox, c.message);
            print(c.from, c.control);
            EXPECT_EQ(visibleScreens(), std::set<ScreenId>{c.from});
            // A document that failed on the way is never sent.
            if (fault != Fault::JobRefused) {
                EXPECT_EQ(printSystem->sends, sent);
            }
        }
    }
    // A printout after a failed one starts in regular weight and makes its header bold again.
    printer.failAtOperation.reset();
    printSystem->sendSucceeds = true;
    arriveAt(redblue);
    print(redblue, "Command1");
    EXPECT_EQ(lastDocument().front(), "bold:on");
    EXPECT_TRUE(printer.documents.back().ended);
}

TEST_F(Printouts, ThePaperVersionIsTheAnswerSheetThenTheGraphSheet)
{
    arriveAt(Intro);
    print(Intro, "Command4");
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_EQ(printer.documents[0].operations, (QStringList{"picture::/assets/paper-answer-sheet.png", "end"}));
    EXPECT_EQ(printer.documents[1].operations, (QStringList{"picture::/assets/paper-graph-sheet.png", "end"}));
}

#ifndef Q_OS_WIN
TEST_F(Printouts, WithoutAHomeTheSaveBoxProposesTheWorkingFolderAndNeverTheRoot)
{
    // Without HOME, Qt finds the documents and the home in the root; Windows' own home does not
    // come from HOME.
    const QByteArray home = qgetenv("HOME");
    const QString working = QDir::currentPath();
    qunsetenv("HOME");
    printSystem->kind = Destination::Kind::None;
    arriveAt(Graph1);
    QTemporaryDir dir;
    for (const QString& folder : {dir.path(), QDir::rootPath()}) {
        ASSERT_TRUE(QDir::setCurrent(folder));
        dialogs.expectSaveFile("Tessaly values.pdf", "");
        print(Graph1, "Command3");
        const QString proposed = dialogs.shown().back().mid(QStringLiteral("save: ").size());
        const QString expected = folder == QDir::rootPath() ? QDir::tempPath() : folder;
        EXPECT_EQ(QFileInfo(proposed).absolutePath(), QDir(expected).absolutePath()) << folder.toStdString();
        EXPECT_EQ(QFileInfo(proposed).fileName(), "Tessaly values.pdf");
    }
    QDir::setCurrent(working);
    qputenv("HOME", home);
}
#endif

TEST_F(Printouts, WithoutAPrinterThePrintoutCanBeKeptInAPdf)
{
    QTemporaryDir dir;
    printSystem->kind = Destination::Kind::None;
    session.setUserName("Ann");
    publish({10, 5, 3, 2});
    arriveAt(Graph1);

    // Cancel: nothing drawn, nothing written, nothing said.
    dialogs.expectSaveFile("Tessaly values.pdf", "");
    print(Graph1, "Command3");
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The box proposes the person's documents folder (or home, where there is none).
    const QString proposed = dialogs.shown().back().mid(QStringLiteral("save: ").size());
    EXPECT_TRUE(QFileInfo(proposed).absolutePath()
                    == QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath()
                || QFileInfo(proposed).absolutePath() == QDir::homePath())
        << proposed.toStdString();

    const QString values = dir.filePath("mine.pdf");
    dialogs.expectSaveFile("Tessaly values.pdf", values);
    print(Graph1, "Command3");
    EXPECT_TRUE(fileBytes(values).startsWith("%PDF-"));
#ifndef Q_OS_WIN
    // Reading the words back takes poppler's tools, which only the Linux suite has.
    EXPECT_TRUE(pdfText(values).simplified().contains("START to Understand Ann Your Red Value is: 10"));
#endif
    EXPECT_EQ(printSystem->sends, 0);

    // Two printouts in one press become two pages of one file.
    const QString paper = dir.filePath("paper.pdf");
    arriveAt(Intro);
    dialogs.expectSaveFile("Tessaly paper version.pdf", paper);
    print(Intro, "Command4");
    EXPECT_EQ(QString::fromLatin1(fileBytes(paper)).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 2);

    // A file that cannot be written is said so, with why, and the box comes again.
    arriveAt(quiz);
    const QString missing = dir.filePath("no/such/folder/quiz.pdf");
    dialogs.expectSaveFile("Tessaly questionnaire 1.pdf", missing);
#ifdef Q_OS_WIN
    const QString why = "Path not found.";
#else
    const QString why = "No such file or directory";
#endif
    dialogs.expectMessage(kSaveFailureBox,
                          "The printout could not be saved as " + QDir::toNativeSeparators(missing) + ": " + why);
    dialogs.expectSaveFile("quiz.pdf", "");
    print(quiz, "mnuprint");
    EXPECT_FALSE(QFileInfo::exists(missing));

#ifndef Q_OS_WIN
    // A disk that fills up on the way leaves the earlier file whole, and no part of the new one.
    const QString earlier = dir.filePath("earlier.pdf");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("%PDF-earlier") == 12);
    }
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit nearlyFull{16 * 1024, unlimited.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &nearlyFull), 0);
    arriveAt(Intro);
    dialogs.expectSaveFile("Tessaly paper version.pdf", earlier);
    dialogs.expectMessage(kSaveFailureBox, "The printout could not be saved as " + earlier + ": File too large");
    dialogs.expectSaveFile("earlier.pdf", "");
    print(Intro, "Command4");
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(fileBytes(earlier), "%PDF-earlier");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"earlier.pdf", "mine.pdf", "paper.pdf"}));
#endif
}

TEST_F(Printouts, TheScreensGoOnWhileAPrintoutIsOnItsWayAndEveryPressIsAPrintout)
{
    session.setUserName("Ann");
    arriveAt(Graph1);
    printSystem->hold();
    // The button and the menu item of one printout, and one button twice on another screen.
    click(Graph1, "Command3");
    trigger(Graph1, "Print");
    arriveAt(Intro);
    click(Intro, "Command4");
    click(Intro, "Command4");
    EXPECT_FALSE(printing.idle());
    dialogs.expectInput("Please enter your name", "Corvane Tessaly", "Ann");
    click(Intro, "Command1");
    EXPECT_TRUE(visible(quiz));
    EXPECT_TRUE(printer.documents.empty());
    printSystem->release();
    finishPrinting();
    EXPECT_EQ(printSystem->lookUps, 4);
    EXPECT_EQ(printSystem->sends, 4);
    ASSERT_EQ(printer.documents.size(), 6u);
    int paperSheets = 0;
    int values = 0;
    for (const auto& document : printer.documents) {
        paperSheets += document.operations.front().startsWith("picture:") ? 1 : 0;
        values += document.operations.contains("line:START to Understand Ann") ? 1 : 0;
    }
    EXPECT_EQ(paperSheets, 4);
    EXPECT_EQ(values, 2);
}

TEST_F(Printouts, APrintSystemThatDoesNotAnswerEndsInTheFailureBox)
{
    arriveAt(quiz);
    printSystem->hold();
    trigger(quiz, "mnuprint");
    dialogs.expectMessage(kPrintFailureBox, "You can not Print the Tessaly at this time!");
    QDeadlineTimer deadline(std::chrono::milliseconds(Printing::kSilence).count() + 5000);
    while (dialogs.shown().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(printing.idle());
    // Its answer, coming late, is not taken: nothing is drawn or sent.
    printSystem->release();
    QTest::qWait(200);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(printSystem->sends, 0);
}

namespace {

// A printout on its way when the program ends: the step the print system is in then.
enum class Step { LookUp, Drawing, Sending };

struct EndCase {
    const char* printout;
    Step step;
};

Printout printoutNamed(const std::string& name)
{
    if (name == "paper version")
        return {"paper.pdf", [](Printer& p) { return printPaperVersion(p); }, true};
    if (name == "text")
        return {"text.pdf", [](Printer& p) { return printDescription(p, *StyleLibrary::byScreen("redblue")); }};
    return {"values.pdf", [](Printer& p) { return printValues(p, "Ann", kTenFiveThreeTwo); }};
}

// Waits for a worker; with `answering`, the UI thread takes the workers' answers meanwhile.
template <typename Condition>
void waitUntil(Condition condition, bool answering)
{
    QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired()) {
        if (answering)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(condition());
}

} // namespace

// The program ends (Exit, a frame closed) while printouts are on their way: each gets a short
// while to reach the print system whole, and what cannot is withdrawn; no worker outlives the
// printing, and every printout is told its end once.
TEST(PrintingAtTheEnd, EveryPrintoutEndsWholeOrWithdrawnAndNoWorkerOutlivesIt)
{
    const EndCase cases[] = {
        {"paper version", Step::LookUp}, {"paper version", Step::Drawing}, {"paper version", Step::Sending},
        {"text", Step::LookUp},          {"text", Step::Drawing},          {"text", Step::Sending},
        {"values", Step::LookUp},        {"values", Step::Drawing},        {"values", Step::Sending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.printout) + " in step " + std::to_string(static_cast<int>(c.step)));
        const auto system = std::make_shared<FakePrintSystem>();
        system->drawsOnWorker = true;
        system->drawingTakes = 150;
        ScriptedDialogs dialogs;
        std::vector<PrintOutcome> outcomes;
        // Ample for a drawn printout to go out on a busy machine (its end does not wait for the
        // rest of it), short for one the print system keeps waiting.
        const auto grace = std::chrono::milliseconds(c.step == Step::Drawing ? 60000 : 300);
        auto printing = std::make_unique<Printing>(system, dialogs, std::chrono::seconds(90), grace,
                                                   [] { ADD_FAILURE() << "ended at once, with no worker held"; });
        if (c.step == Step::LookUp)
            system->hold();
        if (c.step == Step::Sending)
            system->holdSending();
        printing->print(nullptr, printoutNamed(c.printout), [&](PrintOutcome o, QWidget* over) {
            EXPECT_EQ(over, nullptr); // the end: nobody to tell
            outcomes.push_back(o);
        });
        const bool pictures = std::string(c.printout) == "paper version";
        switch (c.step) {
        case Step::LookUp:
            waitUntil([&] { return system->lookUpDeadline.load() != nullptr; }, false);
            break;
        case Step::Drawing:
            // Pictures are drawn on the worker; text is drawn here once the look-up's answer is
            // taken, which the end of the printing then does.
            waitUntil([&] { return pictures ? system->drawingsStarted > 0 : system->lookUps > 0; }, pictures);
            break;
        case Step::Sending:
            waitUntil([&] { return system->sendsBegun > 0; }, true);
            break;
        }
        printing.reset();

        ASSERT_EQ(outcomes.size(), 1u);
        EXPECT_EQ(system->sendsBegun, system->sends + system->withdrawn);
        if (c.step == Step::Drawing) {
            // Pressed for, and nothing in its way: it reaches the print system whole.
            EXPECT_EQ(outcomes.front(), PrintOutcome::Printed);
            EXPECT_EQ(system->sends, 1);
        } else {
            EXPECT_EQ(outcomes.front(), PrintOutcome::Failed);
            EXPECT_EQ(system->sends, 0);
            EXPECT_EQ(system->withdrawn, c.step == Step::Sending ? 1 : 0);
        }
        dialogs.verify();
    }
}

TEST(PrintingAtTheEnd, AWorkerThePrintSystemNeverLetsGoEndsTheProgramAtOnce)
{
    const auto system = std::make_shared<FakePrintSystem>();
    ScriptedDialogs dialogs;
    bool endedAtOnce = false;
    auto printing =
        std::make_unique<Printing>(system, dialogs, std::chrono::seconds(90), std::chrono::milliseconds(300), [&] {
            endedAtOnce = true;
            // Here the process would be gone; the test lets the worker go.
            system->release();
        });
    system->hold();
    system->deaf = true;
    std::vector<PrintOutcome> outcomes;
    printing->print(nullptr, printoutNamed("values"), [&](PrintOutcome o, QWidget*) { outcomes.push_back(o); });
    waitUntil([&] { return system->lookUpDeadline.load() != nullptr; }, false);
    printing.reset();
    EXPECT_TRUE(endedAtOnce);
    EXPECT_EQ(outcomes, std::vector<PrintOutcome>{PrintOutcome::Failed});
    dialogs.verify();
}

TEST(PrintingAtTheEnd, OnlySilenceRunsOutTheDeadlineAndItSpansTheWholePrintout)
{
    const auto system = std::make_shared<FakePrintSystem>();
    ScriptedDialogs dialogs;
    Printing printing(system, dialogs, std::chrono::milliseconds(1500));
    // A slow line: the job takes four times the silence allowed, but the scheduler keeps
    // taking data, often enough that even a busy machine does not fall silent for that long.
    system->trickles = 40;
    system->trickleEvery = 150;
    std::vector<PrintOutcome> outcomes;
    printing.print(nullptr, printoutNamed("values"), [&](PrintOutcome o, QWidget*) { outcomes.push_back(o); });
    finishPrinting(printing);
    EXPECT_EQ(outcomes, std::vector<PrintOutcome>{PrintOutcome::Printed});
    // One deadline for the look-up and the sending: a slow look-up leaves the sending less time.
    EXPECT_EQ(system->lookUpDeadline.load(), system->sendDeadline.load());

    // The cut at the program's end holds whatever the print system does meanwhile.
    Deadline deadline(std::chrono::seconds(30));
    deadline.shortenTo(std::chrono::milliseconds(0));
    deadline.heardFrom();
    EXPECT_TRUE(deadline.passed());
    EXPECT_EQ(deadline.left().count(), 0);
}
