// Many sessions in a row, as a kiosk PC would see them: memory settles and stays put.

#include "Harness.h"

#include <QFile>

#include <cstdio>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime, whose headers GCC does not install.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer resident memory mostly shows the sanitizer's own bookkeeping, which
// never shrinks; the bytes the program holds on the heap are the honest measure there.
constexpr const char* kMeasure = "heap in use";
long memoryKilobytes() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }
#else
constexpr const char* kMeasure = "resident memory";
long memoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}
#endif

class Memory : public Harness {
protected:
    // One round: a new session, the questionnaire, the results, two descriptions, printing.
    void round(int n)
    {
        arriveAt(Yourcolor1);
        dialogs.expectQuestion(QStringLiteral("Do you want to start a new Tessaly session?"), true);
        trigger(Yourcolor1, "mnunew");
        arriveAt(Intro);
        dialogs.expectInput(QStringLiteral("Please enter your name"), QStringLiteral("Corvane Tessaly"),
                            QStringLiteral("Person %1").arg(n));
        click(Intro, "Command1");
        markEveryBox(1 + n % 4, 1 + (n + 1) % 4);
        click(quiz, "Command74");
        click(quiz2, "Command74");
        click(Graph1, "Command3");
        click(Graph1, "Command2");
        click(Yourcolor1, "Command3");
        arriveAt(choice1);
        click(choice1, "Command6");
        click(blueyellow, "Command1");
        finishPrinting();
        printer.documents.clear();
        // What the window system said meanwhile (shown, exposed, moved) is taken in, as the
        // program's event loop does between two clicks.
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(Memory, TwoHundredSessionsEndWhereTheTwentiethLeftOff)
{
    long afterTwenty = 0;
    for (int n = 1; n <= 200; ++n) {
        round(n);
        if (n == 20)
            afterTwenty = memoryKilobytes();
    }
    const long afterAll = memoryKilobytes();
    std::fprintf(stderr, "%s: %ld kB after 20 rounds, %ld kB after 200\n", kMeasure, afterTwenty, afterAll);
    ASSERT_GT(afterTwenty, 0);
    EXPECT_LE(afterAll, afterTwenty + afterTwenty / 20);
}
