#pragma once

#include "StrengthCircleChart.h"

#include <QString>

#include <memory>

class QPicture;

namespace tessaly {

// One document on its way to the default printer, in layout units from the top-left corner
// of the printable area. Every operation can fail; a failed FillSector shows at EndDoc.
class PrinterPage : public DrawSurface {
public:
    // One line of text in the current font; the page continues on the next when full.
    virtual bool PrintLine(const QString& text) = 0;
    virtual bool SetBold(bool bold) = 0;
    // The image of a screen's client area, as taken at 96 dots per inch, at its natural size
    // from the top-left corner.
    virtual bool PrintScreen(const QPicture& client) = 0;
    // A picture from the program's resources, as large as the printable area allows.
    virtual bool PrintPicture(const QString& resource) = 0;
    // Finishes the document and hands it to the printer.
    virtual bool EndDoc() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // A new document, or nullptr when there is no printer to print on.
    virtual std::unique_ptr<PrinterPage> StartDoc(const QString& title) = 0;
};

} // namespace tessaly
