#include "Printing.h"

#include "Dialogs.h"
#include "PdfPrinter.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <mutex>
#include <thread>

namespace tessaly {
namespace {

// Where the save box first points: the person's documents, or home where there are none.
QString proposedPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

struct Printing::Request {
    Printout printout;
    Done done;
    QPointer<QWidget> parent;
    Destination destination; // written by the worker that looks it up, read once it has answered
    QPointer<QTimer> deadline; // runs while a worker's answer is awaited; UI thread only
    bool finished = false;
};

// Where workers post their answers; closed when the Printing object goes.
struct Printing::Mailbox {
    std::mutex mutex;
    QObject* receiver = nullptr;
};

Printing::Printing(std::shared_ptr<PrintSystem> system, Dialogs& dialogs, int answerTimeoutMs)
    : system_(std::move(system)), dialogs_(dialogs), answerTimeoutMs_(answerTimeoutMs),
      mailbox_(std::make_shared<Mailbox>())
{
    mailbox_->receiver = this;
}

Printing::~Printing()
{
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->receiver = nullptr;
}

void Printing::print(QWidget* parent, Printout printout, Done done)
{
    if (onTheirWay_.contains(printout.fileName))
        return;
    onTheirWay_.insert(printout.fileName);
    auto request = std::make_shared<Request>();
    request->printout = std::move(printout);
    request->done = std::move(done);
    request->parent = parent;
    request->deadline = new QTimer(this);
    request->deadline->setSingleShot(true);
    // The timer reaches its request only through a weak link: it must not keep it alive.
    connect(request->deadline, &QTimer::timeout, this, [this, weak = std::weak_ptr<Request>(request)] {
        if (const auto late = weak.lock())
            finish(late, PrintOutcome::Failed);
    });
    inBackground(
        request,
        [system = system_, request] {
            request->destination = system->findDefault();
            return true;
        },
        [this, request](bool) { found(request, request->destination); });
}

void Printing::found(const std::shared_ptr<Request>& request, const Destination& destination)
{
    std::function<bool()> sending;
    switch (destination.kind) {
    case Destination::Kind::Unanswered:
        finish(request, PrintOutcome::Failed);
        return;
    case Destination::Kind::None: {
        // The screen that asked is gone (New discarded it): nobody is left to choose a file.
        if (!request->parent) {
            finish(request, PrintOutcome::Cancelled);
            return;
        }
        const QString path = dialogs_.saveFileName(request->parent, proposedPath(request->printout.fileName));
        if (path.isEmpty()) {
            finish(request, PrintOutcome::Cancelled);
            return;
        }
        std::function<bool()> keep = [path, paper = localPage(), draw = request->printout.draw] {
            PdfPrinter pdf(paper, PdfPrinter::Layout::OnePdf);
            return draw(pdf) && pdf.finish() && writeFile(path, pdf.documents().front().pdf);
        };
        if (!request->printout.picturesOnly) {
            // Drawn here, where the screens are; only the writing goes to the worker.
            PdfPrinter pdf(localPage(), PdfPrinter::Layout::OnePdf);
            if (!request->printout.draw(pdf) || !pdf.finish()) {
                finish(request, PrintOutcome::Failed);
                return;
            }
            keep = [path, bytes = pdf.documents().front().pdf] { return writeFile(path, bytes); };
        }
        sending = std::move(keep);
        break;
    }
    case Destination::Kind::Printer: {
        std::shared_ptr<PrintJob> job = system_->jobFor(destination);
        if (!job) {
            finish(request, PrintOutcome::Failed);
            return;
        }
        if (request->printout.picturesOnly && job->drawnOnAnyThread()) {
            sending = [job, draw = request->printout.draw] { return draw(*job) && job->send(); };
            break;
        }
        if (!request->printout.draw(*job)) {
            finish(request, PrintOutcome::Failed);
            return;
        }
        sending = [job] { return job->send(); };
        break;
    }
    }
    inBackground(request, std::move(sending),
                 [this, request](bool sent) { finish(request, sent ? PrintOutcome::Printed : PrintOutcome::Failed); });
}

void Printing::finish(const std::shared_ptr<Request>& request, PrintOutcome outcome)
{
    if (request->finished)
        return;
    request->finished = true;
    delete request->deadline;
    onTheirWay_.remove(request->printout.fileName);
    request->done(outcome);
}

void Printing::inBackground(const std::shared_ptr<Request>& request, std::function<bool()> work,
                            std::function<void(bool)> then)
{
    request->deadline->start(answerTimeoutMs_);
    // An answer that comes after the deadline finds the request finished.
    auto answer = [request, then = std::move(then)](bool result) {
        if (request->finished)
            return;
        request->deadline->stop();
        then(result);
    };
    std::thread([mailbox = mailbox_, work = std::move(work), answer = std::move(answer)]() mutable {
        const bool result = work();
        const std::lock_guard lock(mailbox->mutex);
        // What the work holds (a job and its documents) goes back with the answer, to end on
        // the UI thread where it was made.
        if (mailbox->receiver)
            QMetaObject::invokeMethod(
                mailbox->receiver, [answer = std::move(answer), work = std::move(work), result] { answer(result); },
                Qt::QueuedConnection);
    }).detach();
}

} // namespace tessaly
