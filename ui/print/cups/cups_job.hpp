// SPDX-License-Identifier: MIT
#pragma once

#include "ui/print/print_module.hpp"

namespace tessaly {

// Asks the print service for its default printer. Every wait ends within the
// limits; runs on any thread.
DefaultPrinter queryDefaultPrinter(const ServiceLimits& limits);

// Hands a PDF file to the print service as a job for `printer`, then asks
// whether that printer is paused. Every wait ends within the limits; runs on
// any thread.
SubmittedJob submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                          const ServiceLimits& limits);

} // namespace tessaly
