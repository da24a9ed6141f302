#pragma once

#include "StrengthValues.h"

#include <QPicture>
#include <QString>

class QWidget;

namespace tessaly {

class DrawSurface;
class Printer;
struct StyleDescription;

// The Strength Circle of the four values, Red, Yellow, Blue, Green.
void drawStrengthCircle(const StrengthValues& values, DrawSurface& surface);

// What the program prints. Each returns false when the printer failed at any step; what
// to tell the person is the caller's to decide.

// The image of a screen's client area as it is now, to be printed however long the printer
// takes to be found, and whatever becomes of the screen meanwhile.
QPicture screenImage(QWidget& client);

// The image of a screen's client area, at its natural size, from the page's top-left.
bool PrintScreenImage(Printer& printer, const QPicture& client, const QString& title);

// The values printout: the name and the four values below the Strength Circle chart.
bool printValues(Printer& printer, const QString& name, const StrengthValues& values);

// A description's bold header and its text, from the stored print text.
bool printDescription(Printer& printer, const StyleDescription& style);

// The paper answer sheet, then the paper graph sheet: two printouts.
bool printPaperVersion(Printer& printer);

} // namespace tessaly
