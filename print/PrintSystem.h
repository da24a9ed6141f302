#pragma once

#include "Printer.h"

#include <QPageLayout>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

namespace tessaly {

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
    // The name a job asks for that paper by, where the print system takes one.
    QString media;
    // The printer's dots per inch, where the print system says; 0 where not.
    int resolution = 0;
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

// The print system of the system the program was built for: linux/ and windows/ each make
// their own.
std::shared_ptr<PrintSystem> makePrintSystem();

} // namespace tessaly
