#include "WindowsPrintSystem.h"

#include "DevicePage.h"
#include "PaintedPage.h"
#include "PdfPrinter.h"

#include <QImage>
#include <QPainter>

#include <windows.h>
// The Windows headers' GDI macro would rename our own StartDoc.
#undef StartDoc

#include <vector>

namespace tessaly {
namespace {

// Pages are drawn at this resolution and stretched to the printer's own: fine enough for text
// and the pictures, and a page in memory stays within a few tens of megabytes.
constexpr int kDrawnDpi = 300;

// The spooler's own library. Loading it makes Wine talk to the print system, so it is loaded
// when the person first prints, never at start-up.
using DefaultPrinterFunction = BOOL(WINAPI*)(LPWSTR, LPDWORD);

DefaultPrinterFunction defaultPrinterFunction()
{
    static const DefaultPrinterFunction function = [] {
        const HMODULE spooler = LoadLibraryW(L"winspool.drv");
        return spooler ? reinterpret_cast<DefaultPrinterFunction>(
                   reinterpret_cast<void*>(GetProcAddress(spooler, "GetDefaultPrinterW")))
                       : nullptr;
    }();
    return function;
}

// A device context for the printer, with its default settings; closed when it goes.
class PrinterDc {
public:
    explicit PrinterDc(const QString& printer)
        : dc_(CreateDCW(L"WINSPOOL", reinterpret_cast<const wchar_t*>(printer.utf16()), nullptr, nullptr))
    {
    }
    ~PrinterDc()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// One document's pages as pictures of their printable area, drawn on any thread.
struct Drawing {
    Drawing(const QString& t, const QPageLayout& page) : title(t)
    {
        const QRectF area = page.paintRect(QPageLayout::Inch);
        canvas = QImage(qRound(area.width() * kDrawnDpi), qRound(area.height() * kDrawnDpi), QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kDrawnDpi / 0.0254);
        canvas.setDotsPerMeterX(dotsPerMeter);
        canvas.setDotsPerMeterY(dotsPerMeter);
        canvas.fill(Qt::white);
        painter.begin(&canvas);
    }

    // The page drawn so far is kept, in the layout a device-independent bitmap has.
    void keepPage() { pages.push_back(canvas.convertToFormat(QImage::Format_BGR888)); }

    bool nextPage()
    {
        keepPage();
        painter.save();
        painter.resetTransform();
        painter.setClipping(false);
        painter.fillRect(canvas.rect(), Qt::white);
        painter.restore();
        return true;
    }

    bool end()
    {
        if (!painter.end())
            return false;
        keepPage();
        canvas = QImage();
        return true;
    }

    QString title;
    QImage canvas;
    QPainter painter;
    std::vector<QImage> pages;
};

// A page's picture stretched over the printable area of the device context's current page.
bool putPage(HDC dc, const QImage& page)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = page.width();
    // Top row first, as in the picture.
    info.bmiHeader.biHeight = -page.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int lines = StretchDIBits(dc, 0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), 0, 0,
                                    page.width(), page.height(), page.constBits(), &info, DIB_RGB_COLORS, SRCCOPY);
    return lines > 0;
}

// Each document a spooler job of its own, drawn into memory first and handed to the spooler
// page by page off the UI thread, every step's answer heard.
class SpoolerJob final : public PrintJob {
public:
    explicit SpoolerJob(const Destination& destination)
        : printer_(destination.name), page_(destination.page.isValid() ? destination.page : localPage())
    {
    }

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override
    {
        auto drawing = std::make_shared<Drawing>(title, page_);
        return std::make_unique<PaintedPage>(
            drawing->painter, drawing->canvas, [drawing] { return drawing->nextPage(); },
            [this, drawing] {
                if (!drawing->end())
                    return false;
                documents_.push_back(drawing);
                return true;
            });
    }

    bool drawnOnAnyThread() const override { return true; }

    bool send(Deadline& deadline) override
    {
        for (const auto& document : documents_) {
            if (!sendOne(deadline, *document))
                return false;
        }
        return true;
    }

private:
    bool sendOne(Deadline& deadline, const Drawing& document)
    {
        if (deadline.passed())
            return false;
        const PrinterDc printer(printer_);
        if (!printer.get())
            return false;
        const HDC dc = printer.get();
        DOCINFOW info{};
        info.cbSize = sizeof info;
        info.lpszDocName = reinterpret_cast<const wchar_t*>(document.title.utf16());
        if (StartDocW(dc, &info) <= 0)
            return false;
        bool sent = true;
        for (const QImage& page : document.pages) {
            sent = !deadline.passed() && StartPage(dc) > 0 && putPage(dc, page) && EndPage(dc) > 0;
            if (!sent)
                break;
            deadline.heardFrom();
        }
        if (sent && !deadline.passed() && EndDoc(dc) > 0)
            return true;
        // Nothing of a job not handed over whole stays with the spooler.
        AbortDoc(dc);
        return false;
    }

    QString printer_;
    QPageLayout page_;
    std::vector<std::shared_ptr<Drawing>> documents_;
};

DeviceCaps capsOf(HDC dc)
{
    return {GetDeviceCaps(dc, PHYSICALWIDTH),   GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, PHYSICALOFFSETX),
            GetDeviceCaps(dc, PHYSICALOFFSETY), GetDeviceCaps(dc, HORZRES),        GetDeviceCaps(dc, VERTRES),
            GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY)};
}

} // namespace

Destination WindowsPrintSystem::findDefault(const Deadline& deadline)
{
    const DefaultPrinterFunction defaultPrinter = defaultPrinterFunction();
    if (!defaultPrinter)
        return {};
    DWORD length = 0;
    defaultPrinter(nullptr, &length);
    if (length == 0)
        return {};
    std::vector<wchar_t> name(length);
    if (!defaultPrinter(name.data(), &length))
        return {};
    Destination found{Destination::Kind::Printer, QString::fromWCharArray(name.data()), {}, {}};
    if (deadline.passed())
        return {Destination::Kind::Unanswered, {}, {}, {}};
    const PrinterDc printer(found.name);
    if (printer.get())
        found.page = pageOfDevice(capsOf(printer.get()));
    return found;
}

std::unique_ptr<PrintJob> WindowsPrintSystem::jobFor(const Destination& destination)
{
    return std::make_unique<SpoolerJob>(destination);
}

} // namespace tessaly
