#pragma once

#include "Printer.h"

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

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

// Documents drawn for one destination on the UI thread, then sent as a whole off it.
class PrintJob : public Printer {
public:
    // Runs on a worker thread after the drawing; true when the destination took every document.
    virtual bool send() = 0;
    // Whether the documents may be drawn on the worker thread too (pictures only; see Printout).
    virtual bool drawnOnAnyThread() const = 0;
};

// The print system. findDefault and PrintJob::send are called off the UI thread and must give
// up on their own within a few seconds when the system does not answer.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    virtual Destination findDefault() = 0;
    // On the UI thread: a job for the destination findDefault gave.
    virtual std::unique_ptr<PrintJob> jobFor(const Destination& destination) = 0;
};

// One printout: the documents `draw` puts on a printer, and the name the PDF gets when there
// is no printer. The name also tells one printout from another. A printout of pictures alone
// (no screen, no text) is drawn off the UI thread where the destination allows: its large
// pictures take a while to go into a PDF.
struct Printout {
    QString fileName;
    std::function<bool(Printer&)> draw;
    bool picturesOnly = false;
};

// Prints without holding up the screens: the default printer is looked up and the job sent
// on worker threads, and the screens go on painting and answering meanwhile. Without a
// printer, the printout can be kept in a PDF the person names. The drawing happens on the UI
// thread once the destination is known.
class Printing final : public QObject {
public:
    using Done = std::function<void(PrintOutcome)>;

    // How long the print system has to answer each step (the look-up, the sending) before the
    // printout counts as failed.
    static constexpr int kAnswerTimeoutMs = 9000;

    Printing(std::shared_ptr<PrintSystem> system, Dialogs& dialogs, int answerTimeoutMs = kAnswerTimeoutMs);
    ~Printing() override;

    // Starts the printout; `done` runs on the UI thread with its outcome. While the same
    // printout is still on its way nothing starts again.
    void print(QWidget* parent, Printout printout, Done done);
    // True while no printout is on its way.
    bool idle() const { return onTheirWay_.isEmpty(); }

private:
    struct Request;
    struct Mailbox;

    void found(const std::shared_ptr<Request>& request, const Destination& destination);
    void send(const std::shared_ptr<Request>& request, std::unique_ptr<PrintJob> job);
    void finish(const std::shared_ptr<Request>& request, PrintOutcome outcome);
    // Runs `work` on a thread of its own and `then` here with its result, unless the request
    // ended meanwhile (its deadline passed) or this object is gone.
    void inBackground(const std::shared_ptr<Request>& request, std::function<bool()> work,
                      std::function<void(bool)> then);

    // Shared with the workers, which may outlast this object when the program ends.
    std::shared_ptr<PrintSystem> system_;
    Dialogs& dialogs_;
    int answerTimeoutMs_;
    std::shared_ptr<Mailbox> mailbox_;
    QSet<QString> onTheirWay_;
};

} // namespace tessaly
