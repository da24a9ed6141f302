#include "CupsPrintSystem.h"

#include "PdfPrinter.h"
#include "QueuePaper.h"

#include <QSizeF>

#include <cups/cups.h>
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tessaly {
namespace {

// How long one attempt to withdraw a job that could not be sent whole may take, how long a
// scheduler that does not answer (it may be restarting) is asked again, and how often.
constexpr std::chrono::milliseconds kWithdrawTime{2000};
constexpr std::chrono::milliseconds kWithdrawPatience{30000};
constexpr std::chrono::milliseconds kWithdrawAgain{500};
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
    decltype(&::ippGetCollection) collection = nullptr;
    decltype(&::ippFindAttribute) findAttribute = nullptr;
    decltype(&::ippGetInteger) integer = nullptr;
    decltype(&::cupsGetDestMediaCount) mediaCount = nullptr;
    decltype(&::cupsGetDestMediaByIndex) mediaByIndex = nullptr;
    decltype(&::cupsGetFd) getFd = nullptr;
    decltype(&::pwgMediaForPWG) pwgMedia = nullptr;
    decltype(&::pwgMediaForPPD) ppdMedia = nullptr;
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
        && resolve(library, "ippGetCollection", c.collection) && resolve(library, "ippFindAttribute", c.findAttribute)
        && resolve(library, "ippGetInteger", c.integer) && resolve(library, "cupsGetDestMediaCount", c.mediaCount)
        && resolve(library, "cupsGetDestMediaByIndex", c.mediaByIndex) && resolve(library, "cupsGetFd", c.getFd)
        && resolve(library, "pwgMediaForPWG", c.pwgMedia) && resolve(library, "pwgMediaForPPD", c.ppdMedia)
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

// Sizes and margins come from libcups in hundredths of a millimetre. Where the queue does not
// say what the printer reaches, a quarter of an inch all round is within what any printer does.
QPageLayout pageOf(const Paper& paper)
{
    constexpr double kSafeMarginMm = 6.35;
    const QMarginsF margins = paper.marginsKnown
        ? QMarginsF(paper.left / 100.0, paper.top / 100.0, paper.right / 100.0, paper.bottom / 100.0)
        : QMarginsF(kSafeMarginMm, kSafeMarginMm, kSafeMarginMm, kSafeMarginMm);
    // Exactly the queue's size: a driver's A5 of 421 x 595 points is not made the standard A5.
    return QPageLayout(QPageSize(QSizeF(paper.width / 100.0, paper.length / 100.0), QPageSize::Millimeter, {},
                                 QPageSize::ExactMatch),
                       QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

// A size's name as this program reads it, or as libcups does where the program does not know it.
std::optional<Paper> sizeNamed(std::string_view name)
{
    if (auto paper = paperNamed(name))
        return paper;
    const std::string text(name);
    const Cups& c = cups();
    const pwg_media_t* media = c.pwgMedia(text.c_str());
    if (!media)
        media = c.ppdMedia(text.c_str());
    if (!media)
        media = c.legacyMedia(text.c_str());
    if (!media || media->width <= 0 || media->length <= 0)
        return std::nullopt;
    return Paper::ofSize(media->width, media->length);
}

std::string stringOf(ipp_attribute_t* attribute)
{
    const char* text = attribute ? cups().string(attribute, 0, nullptr) : nullptr;
    return text ? text : "";
}

// A media collection's size and margins ("media-col-default").
std::optional<Paper> collectionPaper(ipp_attribute_t* attribute)
{
    const Cups& c = cups();
    ipp_t* collection = attribute ? c.collection(attribute, 0) : nullptr;
    if (!collection)
        return std::nullopt;
    auto integer = [&](const char* name) {
        ipp_attribute_t* found = c.findAttribute(collection, name, IPP_TAG_INTEGER);
        return found ? c.integer(found, 0) : -1;
    };
    Paper paper = Paper::ofSize(integer("media-size/x-dimension"), integer("media-size/y-dimension"));
    if (paper.width <= 0 || paper.length <= 0)
        return std::nullopt;
    paper.left = integer("media-left-margin");
    paper.bottom = integer("media-bottom-margin");
    paper.right = integer("media-right-margin");
    paper.top = integer("media-top-margin");
    paper.marginsKnown = paper.left >= 0 && paper.bottom >= 0 && paper.right >= 0 && paper.top >= 0;
    return paper;
}

// The driver description of a queue that has one, read into memory.
std::optional<Paper> ppdPaper(const Connection& connection, const char* queue)
{
    const int fd = memfd_create("ppd", MFD_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const std::string resource = std::string("/printers/") + queue + ".ppd";
    std::string ppd;
    if (cups().getFd(connection.http(), resource.c_str(), fd) == HTTP_STATUS_OK && lseek(fd, 0, SEEK_SET) == 0) {
        char buffer[16384];
        for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
            ppd.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return ppd.empty() ? std::nullopt : ppdDefaultPaper(ppd);
}

// The paper the destination takes by default, the edges of it that it cannot print on and the
// name a job asks for it by; nothing when the destination says nothing of its paper.
std::optional<Paper> mediaOf(const Connection& connection, cups_dest_t* destination)
{
    const Cups& c = cups();
    cups_dinfo_t* info = c.copyDestInfo(connection.http(), destination);
    if (!info)
        return std::nullopt;
    QueueFacts facts;
    // libcups' own default look-up reads only the person's choice and otherwise assumes US
    // Letter; its look-up by name turns a size it cannot read into another. The program reads
    // what the queue says itself.
    if (const char* chosen = c.option("media", destination->num_options, destination->options))
        facts.chosen = chosen;
    facts.mediaDefault = stringOf(c.findDestDefault(connection.http(), destination, info, "media"));
    facts.collectionDefault = collectionPaper(c.findDestDefault(connection.http(), destination, info, "media-col"));
    const int count = c.mediaCount(connection.http(), destination, info, CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t size{};
        if (c.mediaByIndex(connection.http(), destination, info, i, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            facts.supported.push_back({size.width, size.length, size.left, size.bottom, size.right, size.top, true,
                                       size.media});
    }
    facts.ppdDefault = [&connection, destination] { return ppdPaper(connection, destination->name); };
    auto paper = queuePaper(facts, sizeNamed);
    c.freeDestInfo(info);
    return paper;
}

// Documents drawn into PDFs in memory, then sent to one queue as a job each.
class CupsJob final : public PrintJob {
public:
    CupsJob(const Destination& destination)
        : queue_(destination.name.toUtf8()), media_(destination.media.toUtf8()),
          pdf_(destination.page)
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
            // The job asks for the paper it was drawn on, so that the queue prints on that one.
            cups_option_t media{const_cast<char*>("media"), const_cast<char*>(media_.constData())};
            job = c.createJob(connection.http(), queue_.constData(), title.constData(), media_.isEmpty() ? 0 : 1,
                              &media);
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
        withdraw(job);
        return false;
    }

    // A job begun and not sent whole is withdrawn, over a connection of its own: the one used
    // for sending may have been cut off in the middle of a request. A scheduler that does not
    // answer is asked again until it does, so that no job of ours stays held in its queue; one
    // that no longer knows the job has nothing left to hold.
    void withdraw(int job) const
    {
        const Cups& c = cups();
        const auto giveUp = std::chrono::steady_clock::now() + kWithdrawPatience;
        for (;;) {
            const Deadline withdrawing(kWithdrawTime);
            const Connection connection(withdrawing);
            if (connection.http()) {
                const ipp_status_t status = c.cancelJob(connection.http(), queue_.constData(), job, 1);
                if (status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_NOT_FOUND)
                    return;
            }
            if (std::chrono::steady_clock::now() + kWithdrawAgain >= giveUp)
                return;
            std::this_thread::sleep_for(kWithdrawAgain);
        }
    }

    QByteArray queue_;
    QByteArray media_;
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
            return {Destination::Kind::Unanswered, {}, {}, {}, 0};
        return {};
    }
    Destination found{Destination::Kind::Printer, QString::fromUtf8(destination->name), {}, {}, 0};
    if (const auto paper = mediaOf(connection, destination)) {
        found.page = pageOf(*paper);
        found.media = QString::fromStdString(paper->name);
    } else {
        // A queue that says nothing of its paper is asked for the paper the page is drawn on.
        found.page = localPage();
        found.media = found.page.pageSize().id() == QPageSize::Letter ? QStringLiteral("na_letter_8.5x11in")
                                                                       : QStringLiteral("iso_a4_210x297mm");
    }
    c.freeDests(1, destination);
    return found;
}

std::unique_ptr<PrintJob> CupsPrintSystem::jobFor(const Destination& destination)
{
    return std::make_unique<CupsJob>(destination);
}

} // namespace tessaly
