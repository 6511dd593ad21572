// SPDX-License-Identifier: MIT
#include "ui/print/cups/cups_job.hpp"

#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace tessaly {

namespace {

using Clock = std::chrono::steady_clock;

// libcups calls this whenever a wait on the service has lasted another
// PollSeconds; a zero return ends the wait with an error.
constexpr double PollSeconds = 0.1;

// One connection to the print service whose waits all end within the limits.
class ServiceConnection {
public:
    explicit ServiceConnection(const ServiceLimits& limits) : limits_(limits) {
        const int msec = static_cast<int>(std::max<Clock::rep>(
            1, std::chrono::duration_cast<std::chrono::milliseconds>(limits.deadline - Clock::now())
                   .count()));
        errno = 0;
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, msec,
                             nullptr);
        // A connection that timed out is a service that does not answer; one
        // that was refused or found no socket is a service that is not there.
        connectTimedOut_ =
            http_ == nullptr && (errno == ETIMEDOUT || Clock::now() >= limits.deadline);
        if (http_ != nullptr) {
            httpSetTimeout(http_, PollSeconds, &ServiceConnection::keepWaiting, this);
        }
    }
    ~ServiceConnection() {
        if (http_ != nullptr) {
            httpClose(http_);
        }
    }
    ServiceConnection(const ServiceConnection&) = delete;
    ServiceConnection& operator=(const ServiceConnection&) = delete;

    http_t* http() const { return http_; }

    // Why the last request failed, in the window's terms.
    ServiceAnswer failure() const {
        if (http_ == nullptr) {
            return connectTimedOut_ ? ServiceAnswer::NotAnswering : ServiceAnswer::NoService;
        }
        if (expired_ || Clock::now() >= limits_.deadline) {
            return ServiceAnswer::NotAnswering;
        }
        return ServiceAnswer::Refused;
    }

private:
    static int keepWaiting(http_t*, void* self) {
        auto* connection = static_cast<ServiceConnection*>(self);
        const bool wait =
            !connection->limits_.abandoned && Clock::now() < connection->limits_.deadline;
        connection->expired_ = !wait;
        return wait ? 1 : 0;
    }

    const ServiceLimits& limits_;
    http_t* http_ = nullptr;
    bool connectTimedOut_ = false;
    bool expired_ = false;
};

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestDeleter>;

struct DestInfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

QString lastServiceWords() {
    return QString::fromUtf8(cupsLastErrorString());
}

// A cups_size_t's paper and margins, given in hundredths of a millimetre.
QPageLayout pageLayoutOf(const cups_size_t& size) {
    const QPageSize paper(QSizeF(size.width / 100.0, size.length / 100.0), QPageSize::Millimeter,
                          QString(), QPageSize::FuzzyMatch);
    const QMarginsF margins(size.left / 100.0, size.top / 100.0, size.right / 100.0,
                            size.bottom / 100.0);
    return QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

// The printer's default paper: the destination's own "media" option, else the
// printer's media-default. (cupsGetDestMediaDefault would fall back on US
// Letter whenever the destination carries no "media" option.)
std::optional<QPageLayout> defaultMedia(http_t* http, cups_dest_t* dest) {
    const std::unique_ptr<cups_dinfo_t, DestInfoDeleter> info(cupsCopyDestInfo(http, dest));
    if (!info) {
        return std::nullopt;
    }
    const char* media = cupsGetOption(CUPS_MEDIA, dest->num_options, dest->options);
    if (media == nullptr) {
        ipp_attribute_t* fallback = cupsFindDestDefault(http, dest, info.get(), CUPS_MEDIA);
        media = fallback != nullptr ? ippGetString(fallback, 0, nullptr) : nullptr;
    }
    cups_size_t size{};
    const bool found =
        media != nullptr
            ? cupsGetDestMediaByName(http, dest, info.get(), media, CUPS_MEDIA_FLAGS_DEFAULT, &size)
            : cupsGetDestMediaDefault(http, dest, info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &size);
    if (!found || size.width <= 0 || size.length <= 0) {
        return std::nullopt;
    }
    return pageLayoutOf(size);
}

} // namespace

DefaultPrinter queryDefaultPrinter(const ServiceLimits& limits) {
    DefaultPrinter printer;
    ServiceConnection connection(limits);
    if (connection.http() == nullptr) {
        printer.answer = connection.failure();
        return printer;
    }
    const Dest dest(cupsGetNamedDest(connection.http(), nullptr, nullptr));
    if (!dest) {
        printer.answer = connection.failure();
        if (printer.answer == ServiceAnswer::Refused &&
            (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND || cupsLastError() == IPP_STATUS_OK)) {
            printer.answer = ServiceAnswer::NoDefaultPrinter;
        }
        printer.serviceWords = lastServiceWords();
        return printer;
    }
    printer.name = QString::fromUtf8(dest->name);
    printer.layout = defaultMedia(connection.http(), dest.get());
    if (connection.failure() == ServiceAnswer::NotAnswering) {
        printer.answer = ServiceAnswer::NotAnswering;
        return printer;
    }
    printer.answer = ServiceAnswer::Answered;
    return printer;
}

SubmittedJob submitPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                          const ServiceLimits& limits) {
    SubmittedJob job;
    ServiceConnection connection(limits);
    if (connection.http() == nullptr) {
        job.answer = connection.failure();
        return job;
    }
    const QByteArray name = printer.toUtf8();
    const QByteArray file = pdfPath.toLocal8Bit();
    const QByteArray jobTitle = title.toUtf8();
    if (cupsPrintFile2(connection.http(), name.constData(), file.constData(), jobTitle.constData(),
                       0, nullptr) == 0) {
        job.answer = connection.failure();
        job.serviceWords = lastServiceWords();
        return job;
    }
    job.answer = ServiceAnswer::Answered;
    // A stopped printer takes jobs and keeps them until it is resumed.
    const Dest dest(cupsGetNamedDest(connection.http(), name.constData(), nullptr));
    if (dest) {
        const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
        job.printerPaused = state != nullptr && std::strcmp(state, "5") == 0;
    }
    return job;
}

} // namespace tessaly
