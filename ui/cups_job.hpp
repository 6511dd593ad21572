#pragma once

#include <QString>

namespace tessaly {

// Hands a PDF file to the print service as a job for `printer`. An empty
// string when the service accepted the job, otherwise its reason for refusing.
QString submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title);

} // namespace tessaly
