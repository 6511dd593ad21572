// SPDX-License-Identifier: MIT
// The print module for CUPS: libcups and everything it loads come into the
// program only when Print is first pressed.

#include "ui/print/cups/cups_job.hpp"

#include <QObject>
#include <QtPlugin>

namespace tessaly {

class CupsPrintModule : public QObject, public PrintModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TessalyPrintModule_iid)
    Q_INTERFACES(tessaly::PrintModule)
public:
    DefaultPrinter queryDefaultPrinter(const ServiceLimits& limits) override {
        return tessaly::queryDefaultPrinter(limits);
    }

    SubmittedJob submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                              const ServiceLimits& limits) override {
        return tessaly::submitPdfJob(printer, pdfPath, title, limits);
    }
};

} // namespace tessaly

#include "cups_plugin.moc"
