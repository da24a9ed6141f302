#include "WindowsPrintSystem.h"

#include "DevicePage.h"
#include "LineDocument.h"
#include "PaintedPage.h"
#include "PdfPrinter.h"
#include "DisplayColors.h"

#include <QImage>
#include <QPainter>

#include <windows.h>
// The Windows headers' GDI macro would rename our own StartDoc.
#undef StartDoc

#include <cmath>
#include <numbers>
#include <vector>

namespace tessaly {
namespace {

// Pictures are drawn at the printer's resolution up to this one and stretched to the printer's
// own: a page in memory stays within a few tens of megabytes.
constexpr int kMostPictureDpi = 300;

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
    Drawing(const QPageLayout& page, int dpi)
    {
        const QRectF area = page.paintRect(QPageLayout::Inch);
        canvas = QImage(qRound(area.width() * dpi), qRound(area.height() * dpi), QImage::Format_RGB32);
        const int dotsPerMeter = qRound(dpi / 0.0254);
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

    QImage canvas;
    QPainter painter;
    std::vector<QImage> pages;
};

// One document for the spooler: a line printout, drawn on the printer's device context as text
// and shapes, or pictures, one for each page.
struct SpooledDocument {
    QString title;
    LineDocument lines;
    std::shared_ptr<Drawing> pictures;
};

// Gathers a document: its lines and chart as they are printed, its screens and pictures drawn
// into pages at once.
class SpooledPage final : public PrinterPage {
public:
    SpooledPage(std::shared_ptr<SpooledDocument> document, const QPageLayout& page, int dpi,
                std::function<void()> keep)
        : document_(std::move(document)), page_(page), dpi_(dpi), keep_(std::move(keep))
    {
    }

    bool PrintLine(const QString& text) override
    {
        document_->lines.printLine(text);
        return true;
    }
    bool SetBold(bool bold) override
    {
        document_->lines.setBold(bold);
        return true;
    }
    void FillSector(int centreX, int centreY, int radius, float startAngle, float endAngle, Color fill) override
    {
        document_->lines.fillSector(centreX, centreY, radius, startAngle, endAngle, fill);
    }
    bool PrintScreen(const QPicture& client) override { return pictures().PrintScreen(client); }
    bool PrintPicture(const QString& resource) override { return pictures().PrintPicture(resource); }
    bool EndDoc() override
    {
        if (painted_)
            return painted_->EndDoc();
        keep_();
        return true;
    }

private:
    PaintedPage& pictures()
    {
        if (!painted_) {
            auto drawing = std::make_shared<Drawing>(page_, dpi_);
            document_->pictures = drawing;
            painted_ = std::make_unique<PaintedPage>(
                drawing->painter, drawing->canvas, [drawing] { return drawing->nextPage(); },
                [this, drawing] {
                    if (!drawing->end())
                        return false;
                    keep_();
                    return true;
                });
        }
        return *painted_;
    }

    std::shared_ptr<SpooledDocument> document_;
    QPageLayout page_;
    int dpi_;
    std::function<void()> keep_;
    std::unique_ptr<PaintedPage> painted_;
};

// A GDI object selected into the device context while it lives, and deleted after.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), before_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selected()
    {
        if (before_)
            SelectObject(dc_, before_);
        if (object_)
            DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

    bool ok() const { return object_ && before_ && before_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ before_;
};

const wchar_t* wide(const QString& text) { return reinterpret_cast<const wchar_t*>(text.utf16()); }

// A line printout on the printer's device context, in its own dots: the words as text in the
// printer's fixed-pitch face, the chart's sectors as filled shapes. Any call that fails makes
// the rest fail.
class DeviceLines final : public LineSurface {
public:
    explicit DeviceLines(HDC dc)
        : dc_(dc), dpiX_(GetDeviceCaps(dc, LOGPIXELSX)), dpiY_(GetDeviceCaps(dc, LOGPIXELSY)),
          area_(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES))
    {
        ok_ = dpiX_ > 0 && dpiY_ > 0 && !area_.isEmpty() && SetBkMode(dc, TRANSPARENT) != 0
            && SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP) != GDI_ERROR
            && SetTextColor(dc, RGB(0, 0, 0)) != CLR_INVALID;
    }

    bool ok() const { return ok_; }

    QSizeF area() const override { return area_; }
    qreal pitch() override
    {
        const Selected font(dc_, fontOf(false, 10));
        TEXTMETRICW metrics{};
        ok_ = ok_ && font.ok() && GetTextMetricsW(dc_, &metrics);
        return ok_ ? metrics.tmHeight + metrics.tmExternalLeading : area_.height();
    }
    qreal widthOf(const QString& text, bool bold, qreal points) override
    {
        const Selected font(dc_, fontOf(bold, points));
        SIZE size{};
        ok_ = ok_ && font.ok() && GetTextExtentPoint32W(dc_, wide(text), static_cast<int>(text.size()), &size);
        return ok_ ? size.cx : 0;
    }
    QString elided(const QString& text, bool bold, qreal points, qreal width) override
    {
        const QString ellipsis(QChar(0x2026));
        const Selected font(dc_, fontOf(bold, points));
        SIZE size{};
        int fit = 0;
        ok_ = ok_ && font.ok() && GetTextExtentPoint32W(dc_, wide(ellipsis), 1, &size)
            && GetTextExtentExPointW(dc_, wide(text), static_cast<int>(text.size()),
                                     std::max(0, static_cast<int>(width - size.cx)), &fit, nullptr, &size);
        return text.left(fit) + ellipsis;
    }
    bool drawLine(qreal top, const QString& text, bool bold, qreal points) override
    {
        const Selected font(dc_, fontOf(bold, points));
        ok_ = ok_ && font.ok() && TextOutW(dc_, 0, qRound(top), wide(text), static_cast<int>(text.size()));
        return ok_;
    }
    bool fillSector(const LineDocument::Sector& s) override
    {
        // Layout units are twentieths of a point.
        const auto x = [this](double units) { return static_cast<int>(std::lround(units * dpiX_ / 1440.0)); };
        const auto y = [this](double units) { return static_cast<int>(std::lround(units * dpiY_ / 1440.0)); };
        const QColor fill = displayColor(s.fill);
        const Selected pen(dc_, CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        const Selected brush(dc_, CreateSolidBrush(RGB(fill.red(), fill.green(), fill.blue())));
        ok_ = ok_ && pen.ok() && brush.ok();
        if (!ok_)
            return false;
        const int left = x(s.centreX - s.radius), top = y(s.centreY - s.radius);
        const int right = x(s.centreX + s.radius), bottom = y(s.centreY + s.radius);
        if (s.endAngle - s.startAngle >= 2 * std::numbers::pi - 1e-4) {
            ok_ = Ellipse(dc_, left, top, right, bottom);
            return ok_;
        }
        // The radials give only the directions from the centre: taken far out, a thin sector's
        // two are never rounded into one, which would make the whole circle.
        constexpr double kFar = 100000;
        const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
        ok_ = Pie(dc_, left, top, right, bottom, static_cast<int>(std::lround(cx + kFar * std::cos(s.startAngle))),
                  static_cast<int>(std::lround(cy - kFar * std::sin(s.startAngle))),
                  static_cast<int>(std::lround(cx + kFar * std::cos(s.endAngle))),
                  static_cast<int>(std::lround(cy - kFar * std::sin(s.endAngle))));
        return ok_;
    }
    bool newPage() override
    {
        ok_ = ok_ && EndPage(dc_) > 0 && StartPage(dc_) > 0 && SetBkMode(dc_, TRANSPARENT) != 0;
        return ok_;
    }

private:
    // The printer's fixed-pitch face at `points`, in its own dots.
    HFONT fontOf(bool bold, qreal points) const
    {
        return CreateFontW(-static_cast<int>(std::lround(points * dpiY_ / 72.0)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                           FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
    }

    HDC dc_;
    int dpiX_;
    int dpiY_;
    QSizeF area_;
    bool ok_ = false;
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

// Each document a spooler job of its own, handed to the spooler page by page off the UI thread,
// every step's answer heard: a line printout drawn then as text and shapes, pictures drawn into
// memory first.
class SpoolerJob final : public PrintJob {
public:
    explicit SpoolerJob(const Destination& destination)
        : printer_(destination.name), page_(destination.page.isValid() ? destination.page : localPage()),
          pictureDpi_(destination.resolution > 0 ? std::min(destination.resolution, kMostPictureDpi)
                                                  : kMostPictureDpi)
    {
    }

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override
    {
        auto document = std::make_shared<SpooledDocument>();
        document->title = title;
        return std::make_unique<SpooledPage>(document, page_, pictureDpi_,
                                             [this, document] { documents_.push_back(document); });
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
    bool sendOne(Deadline& deadline, const SpooledDocument& document)
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
        if (document.pictures) {
            for (const QImage& page : document.pictures->pages) {
                sent = !deadline.passed() && StartPage(dc) > 0 && putPage(dc, page) && EndPage(dc) > 0;
                if (!sent)
                    break;
                deadline.heardFrom();
            }
        } else {
            DeviceLines lines(dc);
            sent = !deadline.passed() && StartPage(dc) > 0 && lines.ok() && layOut(document.lines, lines)
                && EndPage(dc) > 0;
            if (sent)
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
    int pictureDpi_;
    std::vector<std::shared_ptr<SpooledDocument>> documents_;
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
    Destination found{Destination::Kind::Printer, QString::fromWCharArray(name.data()), {}, {}, 0};
    if (deadline.passed())
        return {Destination::Kind::Unanswered, {}, {}, {}, 0};
    const PrinterDc printer(found.name);
    if (printer.get()) {
        const DeviceCaps caps = capsOf(printer.get());
        found.page = pageOfDevice(caps);
        found.resolution = caps.dpiX;
    }
    return found;
}

std::unique_ptr<PrintJob> WindowsPrintSystem::jobFor(const Destination& destination)
{
    return std::make_unique<SpoolerJob>(destination);
}

} // namespace tessaly
