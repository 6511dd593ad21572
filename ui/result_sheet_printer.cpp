#include "result_sheet_printer.hpp"

#include "frm_array.hpp"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tessaly {

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
    // Without a print service Qt quietly switches a printer to PDF output;
    // that is not printing.
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat) {
        return QObject::tr("The printer \"%1\" cannot be reached.").arg(info.printerName());
    }
    printer.setDocName(QObject::tr("Tessaly result sheet"));
    const QString problem = paintSheet(printer, resultSheet());
    if (!problem.isEmpty()) {
        return problem + " " + QObject::tr("(printer \"%1\")").arg(info.printerName());
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
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QObject::tr("Tessaly result sheet"));
    const QString problem = paintSheet(printer, resultSheet());
    if (!problem.isEmpty()) {
        return QObject::tr("The PDF file \"%1\" could not be written.").arg(path);
    }
    return {};
}

QString ResultSheetPrinter::proposedPdfName() const {
    QString name = window_.lblName->text() + " " + window_.lblDate->text();
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
