#pragma once

#include "Printer.h"

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QWidget;

namespace tessaly {

class Dialogs;

// What became of a printout.
enum class PrintOutcome {
    Printed, // the print system has the job (or the file was written)
    Failed, // the print system refused it or did not answer; nothing was printed
    Cancelled, // no printer, and the person chose not to keep it in a file
};

// The system's default printer, as the print system sees it.
struct Destination {
    enum class Kind {
        Printer, // a default printer, named
        None, // no printer at all: no default destination, or no print system running
        Unanswered, // a print system that failed or did not answer in time
    };
    Kind kind = Kind::None;
    QString name;
    // The printer's own paper, its margins the edges it cannot print on; invalid when unknown.
    QPageLayout page;
};

// How long a printout may wait on a print system that has gone silent. Every sign of life
// (data taken by the scheduler) moves it on; the program's end can cut it short. Shared by
// the UI thread and the worker that talks to the print system.
class Deadline {
public:
    using Clock = std::chrono::steady_clock;

    explicit Deadline(std::chrono::milliseconds silence);

    // The print system moved: the wait starts again.
    void heardFrom();
    // No longer than `most` from now, whatever the print system does meanwhile.
    void shortenTo(std::chrono::milliseconds most);
    // Give up at once.
    void cancel();

    bool passed() const;
    bool cancelled() const { return cancelled_; }
    // Time left, zero once passed.
    std::chrono::milliseconds left() const;

private:
    const std::chrono::milliseconds silence_;
    std::atomic<Clock::rep> expires_;
    std::atomic<Clock::rep> latest_; // no sign of life moves it past this
    std::atomic<bool> cancelled_{false};
};

// Documents drawn for one destination, then sent as a whole off the UI thread.
class PrintJob : public Printer {
public:
    // Runs on a worker thread after the drawing; true when the destination took every document
    // whole. Gives up when the deadline passes, and then leaves no part of a job behind.
    virtual bool send(Deadline& deadline) = 0;
    // Whether the documents may be drawn on the worker thread too (pictures only; see Printout).
    virtual bool drawnOnAnyThread() const = 0;
};

// The print system. findDefault and PrintJob::send are called off the UI thread and give up
// on their own once the deadline passes.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    virtual Destination findDefault(const Deadline& deadline) = 0;
    // On the UI thread: a job for the destination findDefault gave.
    virtual std::unique_ptr<PrintJob> jobFor(const Destination& destination) = 0;
};

// One printout: the documents `draw` puts on a printer, and the name the PDF gets when there
// is no printer. A printout of pictures alone (no screen, no text) is drawn off the UI thread
// where the destination allows: its large pictures take a while to go into a PDF.
struct Printout {
    QString fileName;
    std::function<bool(Printer&)> draw;
    bool picturesOnly = false;
};

// Prints without holding up the screens: the default printer is looked up and the job sent
// on worker threads, and the screens go on painting and answering meanwhile. Without a
// printer, the printout can be kept in a PDF the person names. The drawing happens on the UI
// thread once the destination is known. Every press is a printout of its own.
class Printing final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(PrintOutcome)>;

    // How long the print system may stay silent before the printout counts as failed.
    static constexpr std::chrono::milliseconds kSilence{9000};
    // At the program's end, how long the printouts on their way still have to reach the print
    // system whole; what has not by then is cancelled.
    static constexpr std::chrono::milliseconds kGraceAtEnd{4000};

    Printing(std::shared_ptr<PrintSystem> system, Dialogs& dialogs, std::chrono::milliseconds silence = kSilence,
             std::chrono::milliseconds graceAtEnd = kGraceAtEnd);
    // Gives the printouts on their way their last chance, then waits for every worker.
    ~Printing() override;

    // Starts the printout; `done` runs on the UI thread with its outcome.
    void print(QWidget* parent, Printout printout, Done done);
    // True while no printout is on its way.
    bool idle() const { return requests_.empty(); }

private:
    struct Request;

    void found(const std::shared_ptr<Request>& request);
    void keepInFile(const std::shared_ptr<Request>& request, QByteArray pdf, const QString& proposal);
    void sendToPrinter(const std::shared_ptr<Request>& request);
    void finish(const std::shared_ptr<Request>& request, PrintOutcome outcome);
    // Runs `work` on the pool and `then` here with its result, unless the request ended
    // meanwhile (its deadline passed) or this object is gone.
    void inBackground(const std::shared_ptr<Request>& request, std::function<bool()> work,
                      std::function<void(bool)> then);
    // Watches the request's deadline from the UI thread.
    void watch(const std::shared_ptr<Request>& request);
    Q_INVOKABLE void takeAnswers();

    std::shared_ptr<PrintSystem> system_;
    Dialogs& dialogs_;
    std::chrono::milliseconds silence_;
    std::chrono::milliseconds graceAtEnd_;
    std::vector<std::shared_ptr<Request>> requests_;
    // The work handed to the pool, and the answers the workers leave for the UI thread (taken
    // by takeAnswers), both behind one lock.
    std::mutex mutex_;
    std::deque<std::function<void()>> work_;
    std::vector<std::function<void()>> answers_;
    bool closing_ = false;
    // Last, so that it goes first: its workers end before what they use.
    QThreadPool pool_;
};

} // namespace tessaly
