#pragma once

#include "Dialogs.h"
#include "PrintSystem.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QWidget;

namespace tessaly {

// A printout kept as a PDF could not be written.
inline constexpr BoxLook kSaveFailureBox{BoxSign::Warning, BoxTitle::Company};

// What became of a printout.
enum class PrintOutcome {
    Printed, // the print system has the job (or the file was written)
    Failed, // the print system refused it or did not answer; nothing was printed
    Cancelled, // no printer, and the person chose not to keep it in a file
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
    // What became of the printout, and the window a box about it stands over: the screen that
    // asked, or the one in front where that screen is no longer on view (New discarded it, or
    // the person moved on); none when the program is ending.
    using Done = std::function<void(PrintOutcome, QWidget* over)>;

    // How long the print system may stay silent before the printout counts as failed.
    static constexpr std::chrono::milliseconds kSilence{9000};
    // At the program's end, how long the printouts on their way still have to reach the print
    // system whole; what has not by then is cancelled.
    static constexpr std::chrono::milliseconds kGraceAtEnd{4000};

    // `endNow`, where given, ends the program at once: at the end, for a worker that a print
    // system which never answers still holds once the printouts' grace is over.
    Printing(std::shared_ptr<PrintSystem> system, Dialogs& dialogs, std::chrono::milliseconds silence = kSilence,
             std::chrono::milliseconds graceAtEnd = kGraceAtEnd, std::function<void()> endNow = {});
    // Gives the printouts on their way their last chance, then waits for every worker, or for
    // the same grace again before `endNow`.
    ~Printing() override;

    // Where a box about a printout goes when the screen that asked for it is no longer on view.
    void setFront(std::function<QWidget*()> front) { front_ = std::move(front); }

    // The display is gone and no event will be processed again: the printouts on their way have
    // the same grace as at the end, the workers' answers taken without the event loop, and
    // whatever a worker has begun and not sent whole by then is withdrawn. Returns once every
    // worker has ended, or after the same grace again.
    void endWithoutEvents();

    // Starts the printout; `done` runs on the UI thread with its outcome.
    void print(QWidget* parent, Printout printout, Done done);
    // True while no printout is on its way.
    bool idle() const { return requests_.empty(); }

private:
    struct Request;

    // The printouts on their way have their last while to reach the print system; what came
    // from the workers meanwhile is taken by `takeWhatCame`.
    void giveGrace(const std::function<void()>& takeWhatCame);
    // The default printer is known, or that there is none.
    void found(const std::shared_ptr<Request>& request);
    // The window a box about the request stands over; none once the program is ending.
    QWidget* over(const Request& request) const;
    // No printer: the person may keep the printout in a PDF of their choosing.
    void offerPdf(const std::shared_ptr<Request>& request);
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
    std::function<void()> endNow_;
    std::function<QWidget*()> front_;
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
