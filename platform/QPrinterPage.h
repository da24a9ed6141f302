#pragma once

#include "Printer.h"

#include <QPainter>
#include <QPrinter>

namespace tessaly {

// A document drawn with QPainter on a QPrinter. Where the finished document goes (a PDF
// file for CUPS, the Windows spooler) is up to the subclass, which points the printer at its
// destination and then calls begin(). The drawing is the same for every destination.
class QPrinterPage : public PrinterPage {
public:
    bool PrintLine(const QString& text) override;
    bool SetBold(bool bold) override;
    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, ColorRef fill) override;
    bool PrintScreen(QWidget& client) override;
    bool PrintPicture(const QString& resource) override;
    bool EndDoc() override;

protected:
    QPrinterPage();
    QPrinter& printer() { return printer_; }
    // Starts the document; every later operation fails when this did.
    void begin(const QString& title, const QPageSize& pageSize);
    // Hands the finished document on, once the painter has ended.
    virtual bool deliver() = 0;

private:
    QPrinter printer_;
    QPainter painter_;
    bool ok_ = false;
    int y_ = 0;
};

} // namespace tessaly
