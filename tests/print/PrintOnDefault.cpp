// Prints through the system's default printer as the program does, without its screens: the
// values printout for the name given, the longest description and the paper version, each a
// job of its own. The end-to-end paper tests run it once per queue and locale.
#include "PrintSystem.h"
#include "Printing.h"
#include "Printouts.h"
#include "StyleLibrary.h"

#include <QGuiApplication>

#include <cstdio>

using namespace tessaly;

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: print_on_default NAME\n", stderr);
        return 2;
    }
    const auto system = makePrintSystem();
    Deadline deadline(Printing::kSilence);
    const Destination destination = system->findDefault(deadline);
    if (destination.kind != Destination::Kind::Printer) {
        std::fputs("no default printer\n", stderr);
        return 1;
    }
    const auto job = system->jobFor(destination);
    const bool printed = job
        && printValues(*job, QString::fromLocal8Bit(argv[1]),
                       {StrengthValue(10), StrengthValue(5), StrengthValue(3), StrengthValue(2)})
        && printDescription(*job, *StyleLibrary::byScreen("redyellow")) && printPaperVersion(*job)
        && job->send(deadline);
    return printed ? 0 : 1;
}
