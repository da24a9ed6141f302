#include "RecordingPrinter.h"


namespace tessaly::testing {
namespace {

class RecordingPage final : public PrinterPage {
public:
    RecordingPage(RecordingPrinter& printer, std::size_t document) : printer_(printer), document_(document) {}

    bool PrintLine(const QString& text) override { return record(QStringLiteral("line:") + text); }
    bool SetBold(bool bold) override { return record(bold ? QStringLiteral("bold:on") : QStringLiteral("bold:off")); }
    void FillSector(int x, int y, int r, float start, float end, Color fill) override
    {
        sectorsOk_ = record(QStringLiteral("sector:%1 %2,%3,%4 %5 %6")
                                .arg(QString::fromUtf8(colorName(fill)))
                                .arg(x)
                                .arg(y)
                                .arg(r)
                                .arg(start)
                                .arg(end))
            && sectorsOk_;
    }
    bool PrintScreen(const QPicture& client) override
    {
        if (!record(QStringLiteral("screen")))
            return false;
        printer_.documents[document_].screens.push_back(client);
        return true;
    }
    bool PrintPicture(const QString& resource) override { return record(QStringLiteral("picture:") + resource); }
    bool EndDoc() override
    {
        if (!sectorsOk_ || !record(QStringLiteral("end")))
            return false;
        printer_.documents[document_].ended = true;
        return true;
    }

private:
    bool record(const QString& operation)
    {
        const int index = printer_.operationCount++;
        if (printer_.failAtOperation && index >= *printer_.failAtOperation)
            return false;
        printer_.documents[document_].operations << operation;
        return true;
    }

    RecordingPrinter& printer_;
    std::size_t document_;
    bool sectorsOk_ = true;
};

} // namespace

std::unique_ptr<PrinterPage> RecordingPrinter::StartDoc(const QString& title)
{
    documents.push_back({title, {}, false, {}});
    return std::make_unique<RecordingPage>(*this, documents.size() - 1);
}

} // namespace tessaly::testing
