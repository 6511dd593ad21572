// SPDX-License-Identifier: MIT
#pragma once

#include "ui/print/print_module.hpp"

#include <QString>

namespace tessaly {

// The print service as the window reaches it: the questions of the print
// module, answered by the module, which is loaded the first time it is
// needed. When the module cannot be loaded the answer is
// ServiceAnswer::NoPrintModule with the reason in plain words, and the next
// question tries to load it again. Runs on any thread.
DefaultPrinter askDefaultPrinter(const ServiceLimits& limits);
SubmittedJob handOverPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                            const ServiceLimits& limits);

// Where the print module is looked for besides its installed place, beside the
// program: for test programs, which run from other folders. Call before printing.
void addPrintModuleCandidate(const QString& path);

} // namespace tessaly
