// SPDX-License-Identifier: MIT
#pragma once

#include "engine/exercise.hpp"
#include "ui/print/off_thread.hpp"
#include "ui/print/print_module.hpp"

#include <QImage>
#include <QPageLayout>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace tessaly {

// Prints the exercise window's client area, as it looks at that moment, on the
// default printer without a dialog. When there is no printer, the print service
// does not answer, or the job cannot be started or finished, it says which and
// offers to save the same sheet as a PDF file instead; when the printer is
// paused, it says that the sheet waits in its queue and offers the PDF as well.
// The print service is asked off the user-interface thread, so the window
// keeps working while it waits. Never reports a failure as success.
class ResultSheetPrinter {
public:
    // `sheet` is what goes to paper; the student's name and date name the PDF.
    ResultSheetPrinter(QWidget& sheet, const StudentData& student)
        : sheet_(sheet), student_(student) {}

    // The image that goes to paper: the sheet with every visible control.
    QImage resultSheet() const;

    // Prints the sheet; on failure runs the PDF offer. True when the sheet
    // reached the printer's queue or a PDF file. A press while a print is
    // under way does nothing and returns false.
    bool printResultSheet();

    // Whether a print is under way: the window may take events meanwhile.
    bool printing() const { return printing_; }

    // Writes the sheet into a PDF file at `path`, completely or not at all (a
    // file that was there stays as it was); an empty string on success,
    // otherwise what went wrong, with the reason in plain words.
    QString savePdf(const QString& path) const;

    // A file name for the PDF from the student's name and the date, with
    // characters that file systems refuse replaced.
    QString proposedPdfName() const;

    // The page of a PDF saved without a printer's paper to follow: A4 with
    // 10-point margins.
    static QPageLayout defaultPdfLayout();

    // What the window asks the user; tests replace these.
    std::function<bool(const QString& problem)> askToSavePdf;
    std::function<QString(const QString& proposedName)> choosePdfFile;
    // Tells why the PDF file could not be written; true to choose another place.
    std::function<bool(const QString& problem)> reportFailure;
    // Tells where the PDF file went.
    std::function<void(const QString& message)> reportSaved;

    // How long Print waits for each answer of the print service before it
    // says that the service is not answering.
    std::chrono::milliseconds serviceTimeLimit = std::chrono::seconds(4);

    // The last failure, for tests and diagnostics; empty after a success.
    const QString& lastProblem() const { return lastProblem_; }

private:
    // What became of one attempt to print.
    struct Attempt {
        QString problem;                         // empty when the printer took the sheet
        bool queued = false;                     // the sheet waits in a paused printer's queue
        bool interrupted = false;                // the program is ending: nothing more to say
        QPageLayout layout = defaultPdfLayout(); // the printer's page, when known
    };

    template <typename Reply>
    OffThreadResult<Reply> askService(std::function<Reply(const ServiceLimits&)> conversation);
    Attempt printOnDefaultPrinter(const QImage& sheet);
    void submit(Attempt& attempt, const QString& printer, const QImage& sheet);
    QString notAnswering() const;
    QString writePdf(const QString& path, const QPageLayout& layout, const QImage& sheet) const;
    bool offerPdf(const Attempt& attempt, const QImage& sheet);
    bool ask(const Attempt& attempt) const;
    QString chooseFile(const QString& proposedName) const;
    bool report(const QString& problem) const;
    void tellSaved(const QString& path) const;

    QWidget& sheet_;
    const StudentData& student_;
    // The print service's conversations; the last ones are waited for when
    // the printer goes, so that none outlives the program.
    OffThreadWorkers workers_;
    QString lastProblem_;
    bool printing_ = false;
};

// Draws `sheet` on the device's page, scaled to fit its printable area with
// its proportions kept; an empty string on success, otherwise the problem.
QString paintSheet(QPagedPaintDevice& device, const QImage& sheet);

} // namespace tessaly
