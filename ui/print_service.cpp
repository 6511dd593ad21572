#include "print_service.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <mutex>

namespace tessaly {

namespace {

using QueryEntry = void (*)(const ServiceLimits*, DefaultPrinter*);
using SubmitEntry = void (*)(const QString*, const QString*, const QString*, const ServiceLimits*,
                             SubmittedJob*);

struct PrintModule {
    QueryEntry query = nullptr;
    SubmitEntry submit = nullptr;
    QString problem; // why it could not be loaded
};

QStringList& extraCandidates() {
    static QStringList candidates;
    return candidates;
}

// Installed, the module lies at the same place relative to the program in
// every prefix; in the build tree too.
QStringList candidates() {
    QStringList paths = {
        QDir(QCoreApplication::applicationDirPath()).filePath(TESSALY_PRINT_MODULE_RELATIVE)};
    paths += extraCandidates();
    return paths;
}

PrintModule load() {
    PrintModule module;
    for (const QString& path : candidates()) {
        QLibrary library(path);
        if (!library.load()) {
            module.problem = library.errorString();
            continue;
        }
        // The module stays loaded for the rest of the run.
        module.query =
            reinterpret_cast<QueryEntry>(library.resolve("tessaly_query_default_printer"));
        module.submit = reinterpret_cast<SubmitEntry>(library.resolve("tessaly_submit_pdf_job"));
        if (module.query != nullptr && module.submit != nullptr) {
            return module;
        }
        module.problem = library.errorString();
    }
    module.query = nullptr;
    module.submit = nullptr;
    return module;
}

// Loaded once, by whichever thread asks first.
const PrintModule& printModule() {
    static std::once_flag once;
    static PrintModule module;
    std::call_once(once, [] { module = load(); });
    return module;
}

} // namespace

// Calls the module's entry `entry` for a reply of type Reply, or tells why
// the module is missing.
template <typename Reply, typename Entry, typename... Arguments>
Reply ask(Entry PrintModule::*entry, const Arguments*... arguments) {
    const PrintModule& module = printModule();
    Reply reply;
    if (module.*entry == nullptr) {
        reply.answer = ServiceAnswer::NoPrintModule;
        reply.serviceWords = module.problem;
        return reply;
    }
    (module.*entry)(arguments..., &reply);
    return reply;
}

DefaultPrinter askDefaultPrinter(const ServiceLimits& limits) {
    return ask<DefaultPrinter>(&PrintModule::query, &limits);
}

SubmittedJob handOverPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                            const ServiceLimits& limits) {
    return ask<SubmittedJob>(&PrintModule::submit, &printer, &pdfPath, &title, &limits);
}

void addPrintModuleCandidate(const QString& path) {
    extraCandidates().append(path);
}

} // namespace tessaly
