// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>

namespace tessaly {

// The dialog in which the student chooses where the result sheet's PDF goes.
// Qt's own dialog reads a name typed with double quotes as a list of names and
// saves under one of them, somewhere the student never chose; this one refuses
// such a name and says why, and stays open. A name typed without ".pdf" gets it.
class PdfFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // Opens in the folder of `proposedPath` with its name filled in; the path
    // chosen, or an empty string when the student cancels.
    static QString choose(QWidget* parent, const QString& proposedPath);

    PdfFileDialog(QWidget* parent, const QString& proposedPath);

public slots:
    void accept() override;
};

} // namespace tessaly
