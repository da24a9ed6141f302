#pragma once

#include "Harness.h"
#include "StrengthValues.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tessaly::testing {

// Four values as the scoring leaves them in the value boxes.
inline const StrengthValues kTenFiveThreeTwo{StrengthValue(10), StrengthValue(5), StrengthValue(3), StrengthValue(2)};

// The screens with a recording printer, for the printouts' tests.
class Printouts : public Harness {
protected:
    QStringList lastDocument() const
    {
        return printer.documents.empty() ? QStringList() : printer.documents.back().operations;
    }

    // Presses a print button or menu item and lets the printout reach its end.
    void print(ScreenId from, const char* control)
    {
        if (screen(from)->findChild<QAbstractButton*>(QString::fromLatin1(control)))
            click(from, control);
        else
            trigger(from, control);
        finishPrinting();
    }
};

// The words of a PDF as pdftotext lays them out.
inline QString pdfText(const QString& file)
{
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of a PDF in the order they were drawn.
inline QString pdfRawText(const QString& file)
{
    QProcess p;
    p.start("pdftotext", {"-raw", file, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).replace('\f', '\n');
}

} // namespace tessaly::testing
