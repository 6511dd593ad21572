#pragma once

#include "cups_job.hpp"

#include <QString>

namespace tessaly {

// The print service as the window reaches it: the same questions as
// queryDefaultPrinter and submitPdfJob, answered by the print module, which is
// loaded the first time it is needed. When the module cannot be loaded the
// answer is ServiceAnswer::NoPrintModule with the loader's reason.
DefaultPrinter askDefaultPrinter(const ServiceLimits& limits);
SubmittedJob handOverPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                            const ServiceLimits& limits);

// Where the print module is looked for besides its installed place, beside the
// program: for test programs, which run from other folders. Call before printing.
void addPrintModuleCandidate(const QString& path);

} // namespace tessaly
