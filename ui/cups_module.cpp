// The print service's module: libcups and everything it loads come into the
// program only when Print is first pressed, through these two entry points.

#include "cups_job.hpp"

#include <QtGlobal>

extern "C" {

Q_DECL_EXPORT void tessaly_query_default_printer(const tessaly::ServiceLimits* limits,
                                                 tessaly::DefaultPrinter* reply) {
    *reply = tessaly::queryDefaultPrinter(*limits);
}

Q_DECL_EXPORT void tessaly_submit_pdf_job(const QString* printer, const QString* pdfPath,
                                          const QString* title,
                                          const tessaly::ServiceLimits* limits,
                                          tessaly::SubmittedJob* reply) {
    *reply = tessaly::submitPdfJob(*printer, *pdfPath, *title, *limits);
}

} // extern "C"
