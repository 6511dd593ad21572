#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QPageLayout;
class QPrinter;
class QWidget;

namespace tessaly {

class frmArray;

// Prints the exercise window's client area, as it looks at that moment, on the
// default printer without a dialog. When there is no printer, or the job
// cannot be started or finished, it says so and offers to save the same sheet
// as a PDF file instead. Never reports a failure as success.
class ResultSheetPrinter {
public:
    explicit ResultSheetPrinter(frmArray& window) : window_(window) {}

    // The image that goes to paper: the client area with every visible control.
    QImage resultSheet() const;

    // Prints the sheet; on failure runs the PDF offer. True when the sheet
    // reached the printer or a PDF file.
    bool printResultSheet();

    // Writes the sheet into a PDF file at `path`; an empty string on success,
    // otherwise what went wrong.
    QString savePdf(const QString& path) const;

    // A file name for the PDF from the student's name and the date, with
    // characters that file systems refuse replaced.
    QString proposedPdfName() const;

    // What the window asks the user; tests replace these.
    std::function<bool(const QString& problem)> askToSavePdf;
    std::function<QString(const QString& proposedName)> choosePdfFile;
    std::function<void(const QString& problem)> reportFailure;

    // The last failure, for tests and diagnostics; empty after a success.
    const QString& lastProblem() const { return lastProblem_; }

private:
    QString printOnDefaultPrinter() const;
    QString writePdf(const QString& path, const QPageLayout& layout) const;
    bool offerPdf(const QString& problem);
    bool ask(const QString& problem) const;
    QString chooseFile(const QString& proposedName) const;
    void report(const QString& problem) const;

    frmArray& window_;
    QString lastProblem_;
};

// Draws `sheet` on the printer's page, scaled to fit its printable area with
// its proportions kept; an empty string on success, otherwise the problem.
QString paintSheet(QPrinter& printer, const QImage& sheet);

} // namespace tessaly
