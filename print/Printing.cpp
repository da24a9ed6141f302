#include "Printing.h"

#include "PdfPrinter.h"

#include <QDir>
#include <QEventLoop>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

namespace tessaly {
namespace {

using namespace std::chrono;

// Where the save box first points: the person's documents, or home where there are none, or
// the working folder; never the root, which is where Qt's answers lead when HOME is not set.
// Where even the working folder is the root, the system's folder for temporary files.
QString proposedPath(const QString& fileName)
{
    const auto usable = [](const QString& folder) {
        return !folder.isEmpty() && QDir(folder).exists() && !QDir(folder).isRoot();
    };
    QString folder = QDir::tempPath();
    for (const QString& candidate : {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                     QDir::homePath(), QDir::currentPath()}) {
        if (usable(candidate)) {
            folder = candidate;
            break;
        }
    }
    return QDir(folder).filePath(fileName);
}

// Writes the file whole or not at all: an existing file stays as it was unless every byte of
// the new one reached the disk. The empty text, or why it could not be written.
QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // The system's own words for a write that failed (a full disk, say) are read at once:
    // Qt's are vaguer, and withdrawing the file changes errno.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

struct Printing::Request {
    Request(Printout p, Done d, QWidget* w, milliseconds silence)
        : printout(std::move(p)), done(std::move(d)), parent(w), deadline(std::make_shared<Deadline>(silence))
    {
    }

    Printout printout;
    Done done;
    QPointer<QWidget> parent;
    // Shared with the worker that talks to the print system for this printout.
    std::shared_ptr<Deadline> deadline;
    // Written by the worker that looks it up, read once it has answered.
    Destination destination;
    QTimer watcher; // the deadline as the UI thread sees it
    bool finished = false;
};

Printing::Printing(std::shared_ptr<PrintSystem> system, Dialogs& dialogs, milliseconds silence, milliseconds graceAtEnd,
                   std::function<void()> endNow)
    : system_(std::move(system)), dialogs_(dialogs), silence_(silence), graceAtEnd_(graceAtEnd),
      endNow_(std::move(endNow))
{
    // A print system that does not answer holds a thread until the deadline: keep enough for a
    // few presses meanwhile.
    pool_.setMaxThreadCount(4);
}

void Printing::giveGrace(const std::function<void()>& takeWhatCame)
{
    closing_ = true;
    // What the person pressed for still has a short while to reach the print system whole.
    for (const auto& request : requests_)
        request->deadline->shortenTo(graceAtEnd_);
    while (!requests_.empty()) {
        const auto soonest = std::min_element(requests_.begin(), requests_.end(), [](const auto& a, const auto& b) {
            return a->deadline->left() < b->deadline->left();
        });
        if ((*soonest)->deadline->passed()) {
            finish(*soonest, PrintOutcome::Failed);
            continue;
        }
        takeWhatCame();
    }
}

Printing::~Printing()
{
    QEventLoop loop;
    giveGrace([&loop] { loop.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents, 20); });
    // The workers see their cancelled deadlines, withdraw what they had begun and end; none
    // outlives this object, so none touches Qt once the program is on its way out. A call into
    // the print system may never return (a spooler that never answers): the program then ends
    // without its worker rather than never.
    if (endNow_ && !pool_.waitForDone(static_cast<int>(graceAtEnd_.count())))
        endNow_();
    pool_.waitForDone();
}

void Printing::endWithoutEvents()
{
    // The workers' answers are taken here, as the event loop would take them: a printer found
    // meanwhile still gets its printout.
    giveGrace([this] {
        takeAnswers();
        std::this_thread::sleep_for(milliseconds(20));
    });
    pool_.waitForDone(static_cast<int>(graceAtEnd_.count()));
}

void Printing::print(QWidget* parent, Printout printout, Done done)
{
    auto request = std::make_shared<Request>(std::move(printout), std::move(done), parent, silence_);
    requests_.push_back(request);
    watch(request);
    inBackground(
        request,
        [system = system_, request, deadline = request->deadline] {
            request->destination = system->findDefault(*deadline);
            return true;
        },
        [this, request](bool) { found(request); });
}

void Printing::watch(const std::shared_ptr<Request>& request)
{
    request->watcher.setSingleShot(true);
    // The timer belongs to the request: it must not keep it alive.
    connect(&request->watcher, &QTimer::timeout, this, [this, weak = std::weak_ptr<Request>(request)] {
        const auto late = weak.lock();
        if (!late)
            return;
        if (late->deadline->passed())
            finish(late, PrintOutcome::Failed);
        else
            late->watcher.start(late->deadline->left());
    });
    request->watcher.start(request->deadline->left());
}

void Printing::found(const std::shared_ptr<Request>& request)
{
    switch (request->destination.kind) {
    case Destination::Kind::Unanswered:
        finish(request, PrintOutcome::Failed);
        return;
    case Destination::Kind::None:
        offerPdf(request);
        return;
    case Destination::Kind::Printer:
        sendToPrinter(request);
        return;
    }
}

QWidget* Printing::over(const Request& request) const
{
    if (closing_)
        return nullptr;
    if (request.parent && request.parent->isVisible())
        return request.parent;
    QWidget* front = front_ ? front_() : nullptr;
    return front ? front : request.parent.data();
}

void Printing::offerPdf(const std::shared_ptr<Request>& request)
{
    // No print system is waited for any more: the person takes the time they need.
    request->watcher.stop();
    // At the end nobody is left to choose a file.
    if (!over(*request)) {
        finish(request, PrintOutcome::Cancelled);
        return;
    }
    const QString proposal = proposedPath(request->printout.fileName);
    if (request->printout.picturesOnly) {
        keepInFile(request, {}, proposal);
        return;
    }
    // Drawn here, where the screens are.
    PdfPrinter pdf(localPage(), PdfPrinter::Layout::OnePdf);
    if (!request->printout.draw(pdf) || !pdf.finish()) {
        finish(request, PrintOutcome::Failed);
        return;
    }
    keepInFile(request, pdf.documents().front().pdf, proposal);
}

void Printing::keepInFile(const std::shared_ptr<Request>& request, QByteArray pdf, const QString& proposal)
{
    QWidget* parent = over(*request);
    const QString path = parent ? dialogs_.saveFileName(parent, proposal) : QString();
    if (path.isEmpty()) {
        finish(request, PrintOutcome::Cancelled);
        return;
    }
    auto failure = std::make_shared<QString>();
    inBackground(
        request,
        [failure, path, pdf, draw = request->printout.draw] {
            QByteArray bytes = pdf;
            if (bytes.isEmpty()) {
                PdfPrinter printer(localPage(), PdfPrinter::Layout::OnePdf);
                if (!draw(printer) || !printer.finish())
                    return false;
                bytes = printer.documents().front().pdf;
            }
            *failure = writeWhole(path, bytes);
            return failure->isEmpty();
        },
        [this, request, failure, path, pdf](bool written) {
            if (written) {
                finish(request, PrintOutcome::Printed);
                return;
            }
            QWidget* parent = over(*request);
            if (failure->isEmpty() || !parent) {
                finish(request, PrintOutcome::Failed);
                return;
            }
            // Nothing is lost: the person hears why and chooses again, from where they were.
            dialogs_.inform(parent, kSaveFailureBox,
                            QStringLiteral("The printout could not be saved as %1: %2")
                                .arg(QDir::toNativeSeparators(path), *failure));
            keepInFile(request, pdf, path);
        });
}

void Printing::sendToPrinter(const std::shared_ptr<Request>& request)
{
    const std::shared_ptr<PrintJob> job = system_->jobFor(request->destination);
    if (!job) {
        finish(request, PrintOutcome::Failed);
        return;
    }
    std::function<bool()> sending;
    if (request->printout.picturesOnly && job->drawnOnAnyThread()) {
        sending = [job, deadline = request->deadline, draw = request->printout.draw] {
            return !deadline->passed() && draw(*job) && job->send(*deadline);
        };
    } else {
        if (!request->printout.draw(*job)) {
            finish(request, PrintOutcome::Failed);
            return;
        }
        sending = [job, deadline = request->deadline] { return job->send(*deadline); };
    }
    inBackground(request, std::move(sending),
                 [this, request](bool sent) { finish(request, sent ? PrintOutcome::Printed : PrintOutcome::Failed); });
}

void Printing::finish(const std::shared_ptr<Request>& request, PrintOutcome outcome)
{
    if (request->finished)
        return;
    request->finished = true;
    request->watcher.stop();
    // A worker still busy for it gives up at once, and withdraws what it began.
    request->deadline->cancel();
    std::erase(requests_, request);
    request->done(outcome, over(*request));
}

void Printing::inBackground(const std::shared_ptr<Request>& request, std::function<bool()> work,
                            std::function<void(bool)> then)
{
    // What the work holds goes back with the answer, to end on the UI thread where it was made.
    auto task = [this, request, work = std::move(work), then = std::move(then)]() mutable {
        const bool result = work();
        const std::lock_guard lock(mutex_);
        // Everything the task holds moves into the answer: the request must end on the UI thread.
        answers_.push_back([request = std::move(request), then = std::move(then), work = std::move(work), result] {
            // An answer that comes after the deadline finds the request finished.
            if (!request->finished)
                then(result);
        });
        QMetaObject::invokeMethod(this, "takeAnswers", Qt::QueuedConnection);
    };
    {
        const std::lock_guard lock(mutex_);
        work_.push_back(std::move(task));
    }
    // The pool's threads take the work through our own lock, so that what passes between the
    // threads is guarded where the thread sanitizer can see it.
    pool_.start([this] {
        std::function<void()> next;
        {
            const std::lock_guard lock(mutex_);
            next = std::move(work_.front());
            work_.pop_front();
        }
        next();
    });
}

void Printing::takeAnswers()
{
    std::vector<std::function<void()>> answers;
    {
        const std::lock_guard lock(mutex_);
        answers.swap(answers_);
    }
    for (auto& answer : answers)
        answer();
}

} // namespace tessaly
