// SPDX-License-Identifier: MIT
// What the program and its print module say to each other. The module talks
// to the print service; the program loads it the first time Print is pressed,
// so that the print service's libraries are not loaded at every start.
#pragma once

#include <QObject>
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

// What became of a job handed to the print service.
struct SubmittedJob {
    ServiceAnswer answer = ServiceAnswer::NoService;
    QString serviceWords; // the service's reason for refusing the job
    // The printer took the job but is stopped: the job waits in its queue.
    bool printerPaused = false;
};

// The print module's interface. Its calls run on any thread; every wait on
// the print service ends within the limits.
class PrintModule {
public:
    virtual ~PrintModule() = default;

    // Asks the print service for its default printer.
    virtual DefaultPrinter queryDefaultPrinter(const ServiceLimits& limits) = 0;

    // Hands a PDF file to the print service as a job for `printer`, then asks
    // whether that printer is paused.
    virtual SubmittedJob submitPdfJob(const QString& printer, const QString& pdfPath,
                                      const QString& title, const ServiceLimits& limits) = 0;
};

} // namespace tessaly

#define TessalyPrintModule_iid "io.github.tessaly.Tessaly.PrintModule/1"
Q_DECLARE_INTERFACE(tessaly::PrintModule, TessalyPrintModule_iid)
