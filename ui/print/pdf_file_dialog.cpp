// SPDX-License-Identifier: MIT
#include "ui/print/pdf_file_dialog.hpp"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace tessaly {

QString PdfFileDialog::choose(QWidget* parent, const QString& proposedPath) {
    PdfFileDialog dialog(parent, proposedPath);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

PdfFileDialog::PdfFileDialog(QWidget* parent, const QString& proposedPath)
    : QFileDialog(parent, tr("Save the result sheet as PDF"), QFileInfo(proposedPath).path(),
                  tr("PDF files (*.pdf)")) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QStringLiteral("pdf"));
    selectFile(QFileInfo(proposedPath).fileName());
}

void PdfFileDialog::accept() {
    // Qt's own dialog has this box; a dialog of the desktop's takes any name as typed.
    const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr && name->text().contains(QLatin1Char('"'))) {
        QMessageBox::warning(this, windowTitle(),
                             tr("A file name here cannot contain double quotes (\"): the "
                                "dialog would read the name as a list of files. Please type "
                                "the name without them."));
        return;
    }
    QFileDialog::accept();
}

} // namespace tessaly
