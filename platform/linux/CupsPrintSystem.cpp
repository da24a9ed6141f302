#include "CupsPrintSystem.h"

#include "PdfPrinter.h"

#include <QSizeF>

#include <cups/cups.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>

namespace tessaly {
namespace {

// How long withdrawing a job that could not be sent whole may take.
constexpr std::chrono::milliseconds kWithdrawTime{2000};
// How much of a document goes to the scheduler between two looks at the deadline.
constexpr qsizetype kChunk = 64 * 1024;

// The parts of libcups in use, found in the library once, on first use.
struct Cups {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsGetNamedDest) namedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&::cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&::cupsGetOption) option = nullptr;
    decltype(&::cupsFindDestDefault) findDestDefault = nullptr;
    decltype(&::ippGetString) string = nullptr;
    decltype(&::cupsGetDestMediaByName) mediaByName = nullptr;
    decltype(&::pwgMediaForPWG) pwgMedia = nullptr;
    decltype(&::pwgMediaForLegacy) legacyMedia = nullptr;
    decltype(&::cupsCreateJob) createJob = nullptr;
    decltype(&::cupsStartDocument) startDocument = nullptr;
    decltype(&::cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&::cupsFinishDocument) finishDocument = nullptr;
    decltype(&::cupsCancelJob2) cancelJob = nullptr;
    bool loaded = false;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

Cups load()
{
    Cups c;
    void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return c;
    c.loaded = resolve(library, "cupsServer", c.server) && resolve(library, "ippPort", c.port)
        && resolve(library, "cupsEncryption", c.encryption) && resolve(library, "httpConnect2", c.connect)
        && resolve(library, "httpSetTimeout", c.setTimeout) && resolve(library, "httpClose", c.close)
        && resolve(library, "cupsGetNamedDest", c.namedDest) && resolve(library, "cupsFreeDests", c.freeDests)
        && resolve(library, "cupsLastError", c.lastError) && resolve(library, "cupsCopyDestInfo", c.copyDestInfo)
        && resolve(library, "cupsFreeDestInfo", c.freeDestInfo) && resolve(library, "cupsGetOption", c.option)
        && resolve(library, "cupsFindDestDefault", c.findDestDefault) && resolve(library, "ippGetString", c.string)
        && resolve(library, "cupsGetDestMediaByName", c.mediaByName) && resolve(library, "pwgMediaForPWG", c.pwgMedia)
        && resolve(library, "pwgMediaForLegacy", c.legacyMedia) && resolve(library, "cupsCreateJob", c.createJob)
        && resolve(library, "cupsStartDocument", c.startDocument)
        && resolve(library, "cupsWriteRequestData", c.writeRequestData)
        && resolve(library, "cupsFinishDocument", c.finishDocument) && resolve(library, "cupsCancelJob2", c.cancelJob);
    return c;
}

const Cups& cups()
{
    static const Cups library = load();
    return library;
}

// A connection to the scheduler whose every wait ends once the deadline has passed.
class Connection {
public:
    explicit Connection(const Deadline& deadline) : deadline_(deadline)
    {
        const Cups& c = cups();
        // libcups waits for ever on a time of 0.
        if (deadline.passed())
            return;
        http_ = c.connect(c.server(), c.port(), nullptr, AF_UNSPEC, c.encryption(), 1,
                          static_cast<int>(deadline.left().count()), nullptr);
        if (http_)
            c.setTimeout(http_, 0.25, &Connection::stillWaiting, this);
    }
    ~Connection()
    {
        if (http_)
            cups().close(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* http() const { return http_; }
    // True once the scheduler kept us waiting past the deadline.
    bool gaveUp() const { return gaveUp_; }

private:
    static int stillWaiting(http_t*, void* data)
    {
        auto* connection = static_cast<Connection*>(data);
        connection->gaveUp_ = connection->deadline_.passed();
        return connection->gaveUp_ ? 0 : 1;
    }

    const Deadline& deadline_;
    http_t* http_ = nullptr;
    bool gaveUp_ = false;
};

// Sizes and margins come from libcups in hundredths of a millimetre.
QPageLayout pageOf(int width, int length, const QMarginsF& margins)
{
    return QPageLayout(
        QPageSize(QSizeF(width / 100.0, length / 100.0), QPageSize::Millimeter, {}, QPageSize::FuzzyMatch),
        QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

// A paper by its standard name or by an older one ("A4", "letter").
const pwg_media_t* knownSize(const char* name)
{
    const pwg_media_t* media = cups().pwgMedia(name);
    return media ? media : cups().legacyMedia(name);
}

// The paper the destination takes by default and the edges of it that it cannot print on;
// invalid when the destination says nothing of its paper.
QPageLayout mediaOf(const Connection& connection, cups_dest_t* destination)
{
    const Cups& c = cups();
    cups_dinfo_t* info = c.copyDestInfo(connection.http(), destination);
    if (!info)
        return {};
    // The person's own choice for the queue comes first, then the queue's default paper.
    // (libcups' own default look-up reads only the former and otherwise assumes US Letter.)
    const char* name = c.option("media", destination->num_options, destination->options);
    if (!name) {
        if (ipp_attribute_t* media = c.findDestDefault(connection.http(), destination, info, "media"))
            name = c.string(media, 0, nullptr);
    }
    QPageLayout page;
    cups_size_t size{};
    if (name && c.mediaByName(connection.http(), destination, info, name, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
        // A driver rounding its paper to whole points can give an edge a margin below zero.
        auto margin = [](int edge) { return std::max(edge, 0) / 100.0; };
        page = pageOf(size.width, size.length,
                      QMarginsF(margin(size.left), margin(size.top), margin(size.right), margin(size.bottom)));
    } else if (const pwg_media_t* known = name ? knownSize(name) : nullptr) {
        // A queue without a driver names its paper but not what the printer reaches on it.
        page = pageOf(known->width, known->length, localPage().margins(QPageLayout::Millimeter));
    }
    c.freeDestInfo(info);
    return page;
}

// Documents drawn into PDFs in memory, then sent to one queue as a job each.
class CupsJob final : public PrintJob {
public:
    CupsJob(const Destination& destination)
        : queue_(destination.name.toUtf8()), pdf_(destination.page.isValid() ? destination.page : localPage())
    {
    }

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override { return pdf_.StartDoc(title); }
    bool drawnOnAnyThread() const override { return true; }

    bool send(Deadline& deadline) override
    {
        for (const auto& document : pdf_.documents()) {
            if (!sendOne(deadline, document))
                return false;
        }
        return true;
    }

private:
    bool sendOne(Deadline& deadline, const PdfPrinter::Document& document)
    {
        const Cups& c = cups();
        int job = 0;
        {
            const Connection connection(deadline);
            if (!connection.http())
                return false;
            const QByteArray title = document.title.toUtf8();
            // The scheduler answers with the number of the job it accepted, or 0.
            job = c.createJob(connection.http(), queue_.constData(), title.constData(), 0, nullptr);
            if (job <= 0)
                return false;
            bool sent = !deadline.passed()
                && c.startDocument(connection.http(), queue_.constData(), job, title.constData(), CUPS_FORMAT_PDF, 1)
                    == HTTP_STATUS_CONTINUE;
            // Sent piece by piece: a slow line that keeps taking data is not a silent one.
            for (qsizetype at = 0; sent && at < document.pdf.size(); at += kChunk) {
                const auto piece = std::min(kChunk, document.pdf.size() - at);
                sent = !deadline.passed()
                    && c.writeRequestData(connection.http(), document.pdf.constData() + at, static_cast<size_t>(piece))
                        == HTTP_STATUS_CONTINUE;
                if (sent)
                    deadline.heardFrom();
            }
            if (sent && c.finishDocument(connection.http(), queue_.constData()) <= IPP_STATUS_OK_EVENTS_COMPLETE)
                return true;
        }
        // A job begun and not sent whole is withdrawn, over a connection of its own: the one
        // above may have been cut off in the middle of a request.
        const Deadline withdrawing(kWithdrawTime);
        const Connection connection(withdrawing);
        if (connection.http())
            c.cancelJob(connection.http(), queue_.constData(), job, 1);
        return false;
    }

    QByteArray queue_;
    PdfPrinter pdf_;
};

} // namespace

Destination CupsPrintSystem::findDefault(const Deadline& deadline)
{
    const Cups& c = cups();
    // Without libcups or a scheduler to talk to, this system has no printer at all.
    if (!c.loaded)
        return {};
    const Connection connection(deadline);
    if (!connection.http())
        return {};
    cups_dest_t* destination = c.namedDest(connection.http(), nullptr, nullptr);
    if (!destination) {
        // libcups says "not found" for a scheduler that failed to answer too.
        if (connection.gaveUp() || c.lastError() != IPP_STATUS_ERROR_NOT_FOUND)
            return {Destination::Kind::Unanswered, {}, {}};
        return {};
    }
    Destination found{Destination::Kind::Printer, QString::fromUtf8(destination->name),
                      mediaOf(connection, destination)};
    c.freeDests(1, destination);
    return found;
}

std::unique_ptr<PrintJob> CupsPrintSystem::jobFor(const Destination& destination)
{
    return std::make_unique<CupsJob>(destination);
}

} // namespace tessaly
