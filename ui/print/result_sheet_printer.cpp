// SPDX-License-Identifier: MIT
#include "ui/print/result_sheet_printer.hpp"

#include "ui/controls/whole_characters.hpp"
#include "ui/print/complete_file.hpp"
#include "ui/print/pdf_file_dialog.hpp"
#include "ui/print/print_module_loader.hpp"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace tessaly {

namespace {

using Clock = std::chrono::steady_clock;

const QString DocumentName = QStringLiteral("Tessaly result sheet");

// A proposed PDF name holds at most this many characters, as a reader counts
// them, and fits the usual file systems' limit on a name's bytes.
constexpr qsizetype ProposedNameGraphemes = 80;
constexpr qsizetype FileNameBytes = 255;
// The name proposed when the student's name gives none, in the student's language.
QString defaultPdfName() {
    return QObject::tr("Tessaly result");
}

// `text` fit for a file name: characters that file systems or their users
// refuse become '-', blanks are simplified.
QString fileNameText(QString text) {
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : text) {
        if (refused.contains(c) || c.category() == QChar::Other_Control) {
            c = QLatin1Char('-');
        }
    }
    return text.simplified();
}

// The print service's own time limit ends every wait on it; the window waits
// this much longer, in case a call does not keep to it.
constexpr std::chrono::milliseconds WaitGrace{1000};

// The busy cursor while the print service is being asked; the window still works.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

// Runs one conversation with the print service off the user-interface thread.
template <typename Reply>
OffThreadResult<Reply>
ResultSheetPrinter::askService(std::function<Reply(const ServiceLimits&)> conversation) {
    const std::chrono::milliseconds limit = serviceTimeLimit;
    return workers_.run<Reply>(
        [limit, conversation = std::move(conversation)](const std::atomic<bool>& abandoned) {
            return conversation(ServiceLimits{Clock::now() + limit, abandoned});
        },
        limit + WaitGrace);
}

QImage ResultSheetPrinter::resultSheet() const {
    return sheet_.grab().toImage();
}

QPageLayout ResultSheetPrinter::defaultPdfLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Point);
}

QString paintSheet(QPagedPaintDevice& device, const QImage& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return QObject::tr("The print job could not be started.");
    }
    const QRect page = painter.viewport();
    QSize size = sheet.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), sheet);
    if (!painter.end()) {
        return QObject::tr("The print job could not be finished.");
    }
    return {};
}

QString ResultSheetPrinter::notAnswering() const {
    const double seconds = std::chrono::duration<double>(serviceTimeLimit).count();
    return QObject::tr("The print service is not answering: it gave no reply within %1 seconds.")
        .arg(seconds);
}

ResultSheetPrinter::Attempt ResultSheetPrinter::printOnDefaultPrinter(const QImage& sheet) {
    Attempt attempt;
    const auto query = askService<DefaultPrinter>(askDefaultPrinter);
    if (query.end == WaitEnd::Interrupted) {
        attempt.interrupted = true;
        return attempt;
    }
    const ServiceAnswer answer =
        query.end == WaitEnd::TimedOut ? ServiceAnswer::NotAnswering : query.result->answer;
    switch (answer) {
    case ServiceAnswer::Answered:
        break;
    case ServiceAnswer::NoService:
        attempt.problem = QObject::tr("No print service is running on this computer.");
        return attempt;
    case ServiceAnswer::NotAnswering:
        attempt.problem = notAnswering();
        return attempt;
    case ServiceAnswer::NoDefaultPrinter:
        attempt.problem = QObject::tr("No default printer is set up on this computer.");
        return attempt;
    case ServiceAnswer::Refused:
        attempt.problem = QObject::tr("The print service did not name a default printer: %1")
                              .arg(query.result->serviceWords);
        return attempt;
    case ServiceAnswer::NoPrintModule:
        attempt.problem = QObject::tr("Tessaly's print module cannot be used: %1")
                              .arg(query.result->serviceWords);
        return attempt;
    }
    if (query.result->layout) {
        attempt.layout = *query.result->layout;
    }
    submit(attempt, query.result->name, sheet);
    return attempt;
}

void ResultSheetPrinter::submit(Attempt& attempt, const QString& printer, const QImage& sheet) {
    // The sheet goes to the print service as a PDF laid out for the printer's
    // paper, and the service's answer is checked: a job that the service
    // refuses is reported. The folder lives as long as the job's conversation,
    // which may outlast the wait.
    auto folder = std::make_shared<QTemporaryDir>();
    if (!folder->isValid()) {
        attempt.problem =
            QObject::tr("No temporary folder for the print job: %1").arg(folder->errorString());
        return;
    }
    const QString pdfPath = folder->filePath(QStringLiteral("result-sheet.pdf"));
    attempt.problem = writePdf(pdfPath, attempt.layout, sheet);
    if (!attempt.problem.isEmpty()) {
        return;
    }
    const auto job =
        askService<SubmittedJob>([folder, printer, pdfPath](const ServiceLimits& limits) {
            return handOverPdfJob(printer, pdfPath, DocumentName, limits);
        });
    if (job.end == WaitEnd::Interrupted) {
        attempt.interrupted = true;
        return;
    }
    const ServiceAnswer answer =
        job.end == WaitEnd::TimedOut ? ServiceAnswer::NotAnswering : job.result->answer;
    if (answer == ServiceAnswer::Answered && job.result->printerPaused) {
        attempt.queued = true;
        attempt.problem = QObject::tr("The printer \"%1\" is paused. The result sheet waits in "
                                      "its queue and prints when the printer is resumed.")
                              .arg(printer);
    } else if (answer == ServiceAnswer::NotAnswering) {
        attempt.problem = notAnswering();
    } else if (answer == ServiceAnswer::NoService) {
        attempt.problem = QObject::tr("The print service went away before it took the job.");
    } else if (answer != ServiceAnswer::Answered) {
        attempt.problem = QObject::tr("The printer \"%1\" did not take the job: %2")
                              .arg(printer, job.result->serviceWords);
    }
}

// The whole document is made in memory first: QPdfWriter does not report a
// write that fails, so the file is written by a writer that checks every write.
QString ResultSheetPrinter::writePdf(const QString& path, const QPageLayout& layout,
                                     const QImage& sheet) const {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QString problem;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageLayout(layout);
        pdf.setTitle(DocumentName);
        problem = paintSheet(pdf, sheet);
    }
    if (problem.isEmpty()) {
        problem = writeCompleteFile(path, document);
    }
    if (!problem.isEmpty()) {
        return QObject::tr("The PDF file \"%1\" could not be written. %2")
            .arg(QFileInfo(path).absoluteFilePath(), problem);
    }
    return {};
}

bool ResultSheetPrinter::printResultSheet() {
    if (printing_) {
        return false; // a second press while the window waits for the first
    }
    const QScopedValueRollback busy(printing_, true);
    // The sheet is the window as it was when Print was pressed, whatever
    // happens in it while the print service is asked.
    const QImage sheet = resultSheet();
    Attempt attempt;
    {
        const BusyCursor cursor;
        attempt = printOnDefaultPrinter(sheet);
    }
    lastProblem_ = attempt.problem;
    if (attempt.interrupted) {
        return false;
    }
    if (attempt.problem.isEmpty()) {
        return true;
    }
    return offerPdf(attempt, sheet) || attempt.queued;
}

// Until the sheet is in a complete file, or the student gives up: a file that
// could not be written is reported with the reason, and another place offered.
bool ResultSheetPrinter::offerPdf(const Attempt& attempt, const QImage& sheet) {
    if (!ask(attempt)) {
        return false;
    }
    for (;;) {
        const QString path = chooseFile(proposedPdfName());
        if (path.isEmpty()) {
            return false;
        }
        const QString pdfProblem = writePdf(path, attempt.layout, sheet);
        if (pdfProblem.isEmpty()) {
            tellSaved(QFileInfo(path).absoluteFilePath());
            return true;
        }
        lastProblem_ = pdfProblem;
        if (!report(pdfProblem)) {
            return false;
        }
    }
}

QString ResultSheetPrinter::savePdf(const QString& path) const {
    return writePdf(path, defaultPdfLayout(), resultSheet());
}

QString ResultSheetPrinter::proposedPdfName() const {
    const QString suffix = QStringLiteral(".pdf");
    // The date stays whole; the student's name gives way to it.
    QString date = fileNameText(QString::fromStdString(student_.lblDate));
    if (!date.isEmpty()) {
        date.prepend(QLatin1Char(' '));
    }
    const qsizetype graphemes = ProposedNameGraphemes - graphemeCount(date);
    const qsizetype bytes = FileNameBytes - (date + suffix).toUtf8().size();
    QString name =
        leftWholeGraphemes(fileNameText(QString::fromStdString(student_.lblName)), graphemes, bytes)
            .trimmed();
    if (name.isEmpty() && date.isEmpty()) {
        name = defaultPdfName();
    } else if (name.isEmpty()) {
        date.remove(0, 1);
    } else if (name.startsWith(QLatin1Char('.'))) {
        name = leftWholeGraphemes(defaultPdfName() + name, graphemes, bytes);
    }
    return name + date + suffix;
}

bool ResultSheetPrinter::ask(const Attempt& attempt) const {
    if (askToSavePdf) {
        return askToSavePdf(attempt.problem);
    }
    const QString question =
        attempt.queued
            ? QObject::tr("Save the result sheet as a PDF file as well?")
            : QObject::tr("The result sheet was not printed. Save it as a PDF file instead?");
    return QMessageBox::warning(
               sheet_.window(), QObject::tr("Print"), attempt.problem + "\n\n" + question,
               QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save) == QMessageBox::Save;
}

QString ResultSheetPrinter::chooseFile(const QString& proposedName) const {
    if (choosePdfFile) {
        return choosePdfFile(proposedName);
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return PdfFileDialog::choose(sheet_.window(), QDir(folder).filePath(proposedName));
}

bool ResultSheetPrinter::report(const QString& problem) const {
    if (reportFailure) {
        return reportFailure(problem);
    }
    return QMessageBox::warning(
               sheet_.window(), QObject::tr("Print"),
               problem + "\n\n" + QObject::tr("Save the result sheet in another place?"),
               QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save) == QMessageBox::Save;
}

void ResultSheetPrinter::tellSaved(const QString& path) const {
    const QString message = QObject::tr("The result sheet was saved as \"%1\".").arg(path);
    if (reportSaved) {
        reportSaved(message);
        return;
    }
    QMessageBox::information(sheet_.window(), QObject::tr("Print"), message);
}

} // namespace tessaly
