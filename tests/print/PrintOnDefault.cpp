// Prints through the system's default printer as the program does, without its screens: the
// values printout for the name given, the longest description and the paper version, each a
// job of its own. The end-to-end paper tests run it once per queue and locale.
#include "CupsPrintSystem.h"
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
    CupsPrintSystem system;
    Deadline deadline(Printing::kSilence);
    const Destination destination = system.findDefault(deadline);
    if (destination.kind != Destination::Kind::Printer) {
        std::fputs("no default printer\n", stderr);
        return 1;
    }
    const auto job = system.jobFor(destination);
    const bool printed = job && printValues(*job, QString::fromLocal8Bit(argv[1]), {"10", "5", "3", "2"})
        && printDescription(*job, *StyleLibrary::byScreen("redyellow")) && printPaperVersion(*job)
        && job->send(deadline);
    return printed ? 0 : 1;
}
