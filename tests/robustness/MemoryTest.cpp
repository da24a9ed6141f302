// Many sessions in a row, as a kiosk PC would see them: memory settles and stays put.

#include "Harness.h"

#include <QFile>

#include <cstdio>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// Resident memory now, in kilobytes.
long residentKilobytes()
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
        printer.documents.clear();
    }
};

} // namespace

TEST_F(Memory, TwoHundredSessionsEndWhereTheTwentiethLeftOff)
{
    long afterTwenty = 0;
    for (int n = 1; n <= 200; ++n) {
        round(n);
        if (n == 20)
            afterTwenty = residentKilobytes();
        if (n % 20 == 0 && qEnvironmentVariableIsSet("TRACE_RSS"))
            std::fprintf(stderr, "%d %ld\n", n, residentKilobytes());
    }
    const long afterAll = residentKilobytes();
    std::fprintf(stderr, "resident memory: %ld kB after 20 rounds, %ld kB after 200\n", afterTwenty, afterAll);
    ASSERT_GT(afterTwenty, 0);
    EXPECT_LE(afterAll, afterTwenty + afterTwenty / 20);
}
