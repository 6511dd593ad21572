#include "cups_job.hpp"

#include <QObject>

#include <cups/cups.h>

namespace tessaly {

QString submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title) {
    const QByteArray name = printer.toLocal8Bit();
    const QByteArray file = pdfPath.toLocal8Bit();
    const QByteArray jobTitle = title.toUtf8();
    const int job =
        cupsPrintFile(name.constData(), file.constData(), jobTitle.constData(), 0, nullptr);
    if (job == 0) {
        return QObject::tr("The printer \"%1\" did not take the job: %2")
            .arg(printer, QString::fromUtf8(cupsLastErrorString()));
    }
    return {};
}

} // namespace tessaly
