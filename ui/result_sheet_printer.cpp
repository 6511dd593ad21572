#include "result_sheet_printer.hpp"

#include "cups_job.hpp"
#include "frm_array.hpp"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tessaly {

namespace {
const QString DocumentName = QStringLiteral("Tessaly result sheet");
} // namespace

QImage ResultSheetPrinter::resultSheet() const {
    return window_.clientArea()->grab().toImage();
}

QString paintSheet(QPrinter& printer, const QImage& sheet) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return QObject::tr("The print job could not be started.");
    }
    const QRect page = painter.viewport();
    QSize size = sheet.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), sheet);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return QObject::tr("The print job could not be finished.");
    }
    return {};
}

QString ResultSheetPrinter::printOnDefaultPrinter() const {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return QObject::tr("No default printer is set up on this computer.");
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        return QObject::tr("The printer \"%1\" cannot be reached.").arg(info.printerName());
    }
    // The sheet goes to the print service as a PDF laid out for the printer's
    // paper, and the service's answer is checked: Qt's own print engine does
    // not report a job that the service refuses.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return QObject::tr("No temporary folder for the print job: %1").arg(folder.errorString());
    }
    const QString pdfPath = folder.filePath(QStringLiteral("result-sheet.pdf"));
    const QString problem = writePdf(pdfPath, printer.pageLayout());
    if (!problem.isEmpty()) {
        return problem;
    }
    return submitPdfJob(info.printerName(), pdfPath, DocumentName);
}

QString ResultSheetPrinter::writePdf(const QString& path, const QPageLayout& layout) const {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(layout);
    pdf.setOutputFileName(path);
    pdf.setDocName(DocumentName);
    if (!paintSheet(pdf, resultSheet()).isEmpty()) {
        return QObject::tr("The PDF file \"%1\" could not be written.").arg(path);
    }
    return {};
}

bool ResultSheetPrinter::printResultSheet() {
    lastProblem_ = printOnDefaultPrinter();
    if (lastProblem_.isEmpty()) {
        return true;
    }
    return offerPdf(lastProblem_);
}

bool ResultSheetPrinter::offerPdf(const QString& problem) {
    if (!ask(problem)) {
        return false;
    }
    const QString path = chooseFile(proposedPdfName());
    if (path.isEmpty()) {
        return false;
    }
    const QString pdfProblem = savePdf(path);
    if (!pdfProblem.isEmpty()) {
        lastProblem_ = pdfProblem;
        report(pdfProblem);
        return false;
    }
    return true;
}

QString ResultSheetPrinter::savePdf(const QString& path) const {
    return writePdf(path, QPrinter(QPrinter::HighResolution).pageLayout());
}

QString ResultSheetPrinter::proposedPdfName() const {
    const StudentData& student = window_.exercise().student;
    QString name = qs(student.lblName) + " " + qs(student.lblDate);
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (refused.contains(c) || c.category() == QChar::Other_Control) {
            c = QLatin1Char('-');
        }
    }
    name = name.simplified().left(80).trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) {
        name.prepend(QStringLiteral("Tessaly result"));
    }
    return name + QStringLiteral(".pdf");
}

bool ResultSheetPrinter::ask(const QString& problem) const {
    if (askToSavePdf) {
        return askToSavePdf(problem);
    }
    const QString text =
        problem + "\n\n" +
        QObject::tr("The result sheet was not printed. Save it as a PDF file instead?");
    return QMessageBox::warning(&window_, QObject::tr("Print"), text,
                                QMessageBox::Save | QMessageBox::Cancel,
                                QMessageBox::Save) == QMessageBox::Save;
}

QString ResultSheetPrinter::chooseFile(const QString& proposedName) const {
    if (choosePdfFile) {
        return choosePdfFile(proposedName);
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QFileDialog::getSaveFileName(&window_, QObject::tr("Save the result sheet as PDF"),
                                        QDir(folder).filePath(proposedName),
                                        QObject::tr("PDF files (*.pdf)"));
}

void ResultSheetPrinter::report(const QString& problem) const {
    if (reportFailure) {
        reportFailure(problem);
        return;
    }
    QMessageBox::warning(&window_, QObject::tr("Print"), problem);
}

} // namespace tessaly
