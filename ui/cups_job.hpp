#pragma once

#include <QPageLayout>
#include <QString>

#include <atomic>
#include <chrono>
#include <optional>

namespace tessaly {

// What the print service answered, in the cases the window tells apart.
enum class ServiceAnswer {
    Answered,         // it answered; see the rest of the reply
    NoService,        // nothing listens where the print service should be
    NotAnswering,     // it took the connection but gave no reply in time
    NoDefaultPrinter, // it answered, but no default printer is set up
    Refused,          // it answered with an error, given in the reply's words
    NoPrintModule     // the program's print module could not be loaded; the reply says why
};

// When a conversation with the print service gives up: at `deadline`, or as
// soon as whoever waits for it has `abandoned` it.
struct ServiceLimits {
    std::chrono::steady_clock::time_point deadline;
    const std::atomic<bool>& abandoned;
};

// The default printer as the print service describes it.
struct DefaultPrinter {
    ServiceAnswer answer = ServiceAnswer::NoService;
    QString serviceWords; // the service's own message when it refused
    QString name;
    // The paper and margins of its default media; nothing when it says none.
    std::optional<QPageLayout> layout;
};

// Asks the print service for its default printer. Every wait ends within the
// limits; runs on any thread.
DefaultPrinter queryDefaultPrinter(const ServiceLimits& limits);

// What became of a job handed to the print service.
struct SubmittedJob {
    ServiceAnswer answer = ServiceAnswer::NoService;
    QString serviceWords; // the service's reason for refusing the job
    // The printer took the job but is stopped: the job waits in its queue.
    bool printerPaused = false;
};

// Hands a PDF file to the print service as a job for `printer`, then asks
// whether that printer is paused. Every wait ends within the limits; runs on
// any thread.
SubmittedJob submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                          const ServiceLimits& limits);

} // namespace tessaly
