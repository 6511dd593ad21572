// SPDX-License-Identifier: MIT
#include "ui/print/print_module_loader.hpp"

#include "tessaly_config.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QPluginLoader>

namespace tessaly {

namespace {

struct LoadedModule {
    PrintModule* module = nullptr;
    QString problem; // why it could not be loaded
};

QMutex& loaderMutex() {
    static QMutex mutex;
    return mutex;
}

QStringList& extraCandidates() {
    static QStringList candidates;
    return candidates;
}

// Installed, the module lies at the same place relative to the program in
// every prefix; in the build tree too.
QStringList candidates() {
    QStringList paths = {
        QDir(QCoreApplication::applicationDirPath()).filePath(PrintModuleRelativePath)};
    paths += extraCandidates();
    return paths;
}

// The first candidate that is there, else the installed place.
QString modulePath() {
    const QStringList paths = candidates();
    for (const QString& path : paths) {
        if (QFileInfo::exists(path)) {
            return QFileInfo(path).absoluteFilePath();
        }
    }
    return QDir::cleanPath(paths.front());
}

// Why the file at `path` is not a print module we can use, in plain words.
QString whyNotLoaded(const QString& path, QPluginLoader& loader) {
    const QFileInfo file(path);
    if (!file.exists()) {
        return QObject::tr("the file %1 is missing.").arg(path);
    }
    if (file.size() == 0) {
        return QObject::tr("the file %1 is empty.").arg(path);
    }
    if (loader.metaData().value(QStringLiteral("IID")).toString() !=
        QLatin1String(TessalyPrintModule_iid)) {
        return QObject::tr("the file %1 is not Tessaly's print module.").arg(path);
    }
    return QObject::tr("the file %1 could not be loaded (%2).").arg(path, loader.errorString());
}

LoadedModule load() {
    const QString path = modulePath();
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    auto* module = qobject_cast<PrintModule*>(instance);
    if (module == nullptr) {
        LoadedModule failed{nullptr, whyNotLoaded(path, loader)};
        if (instance != nullptr) {
            loader.unload();
        }
        return failed;
    }
    // The module stays loaded for the rest of the run, its object on the
    // program's own thread whichever thread loaded it.
    instance->moveToThread(QCoreApplication::instance()->thread());
    return {module, {}};
}

// Loaded by whichever thread asks first; a failed load is tried again at the
// next question, so that a module installed meanwhile is found.
LoadedModule printModule() {
    const QMutexLocker lock(&loaderMutex());
    static PrintModule* loaded = nullptr;
    if (loaded != nullptr) {
        return {loaded, {}};
    }
    LoadedModule attempt = load();
    loaded = attempt.module;
    return attempt;
}

// Calls the module for a reply of type Reply, or tells why it is missing.
template <typename Reply, typename Call> Reply ask(Call call) {
    const LoadedModule loaded = printModule();
    if (loaded.module == nullptr) {
        Reply reply;
        reply.answer = ServiceAnswer::NoPrintModule;
        reply.serviceWords = loaded.problem;
        return reply;
    }
    return call(*loaded.module);
}

} // namespace

DefaultPrinter askDefaultPrinter(const ServiceLimits& limits) {
    return ask<DefaultPrinter>(
        [&](PrintModule& module) { return module.queryDefaultPrinter(limits); });
}

SubmittedJob handOverPdfJob(const QString& printer, const QString& pdfPath, const QString& title,
                            const ServiceLimits& limits) {
    return ask<SubmittedJob>(
        [&](PrintModule& module) { return module.submitPdfJob(printer, pdfPath, title, limits); });
}

void addPrintModuleCandidate(const QString& path) {
    const QMutexLocker lock(&loaderMutex());
    extraCandidates().append(path);
}

} // namespace tessaly
