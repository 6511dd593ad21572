// SPDX-License-Identifier: MIT
// The print module as the loader finds it: missing, empty or not ours is said
// in plain words, and a failed load is tried again at the next question.

#include "ui/print/print_module_loader.hpp"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

namespace tessaly {

class PrintModuleTest : public QObject {
    Q_OBJECT

private:
    static constexpr const char* EmptyFile = "(an empty file)";
    QTemporaryDir folder_;
    QString path_;

    // Each case has a place of its own: a library once mapped stays mapped
    // under its name for the rest of the run.
    void newPlace(const QString& name) {
        QFile::remove(path_);
        QVERIFY(QDir(folder_.path()).mkpath(name));
        path_ = folder_.filePath(name + "/libtessaly-print.so");
        addPrintModuleCandidate(path_);
    }

    static DefaultPrinter ask() {
        const std::atomic<bool> abandoned{false};
        return askDefaultPrinter(
            ServiceLimits{std::chrono::steady_clock::now() + std::chrono::seconds(2), abandoned});
    }

    // Puts a copy of `source` where the module is looked for; none when empty.
    void placeModule(const QString& source) {
        if (!source.isEmpty()) {
            QVERIFY(QFile::copy(source, path_));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        qputenv("CUPS_SERVER", folder_.filePath("no-service.sock").toLocal8Bit());
    }

    void unusableModuleIsNamed_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("words");
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        QTest::newRow("missing") << QString() << "is missing.";
        QTest::newRow("empty") << QString(EmptyFile) << "is empty.";
        QTest::newRow("another program's plugin") << plugins + "/platforms/libqoffscreen.so"
                                                  << "is not Tessaly's print module.";
        QTest::newRow("not a plugin")
            << QString(TESSALY_PLAIN_LIBRARY) << "is not Tessaly's print module.";
    }

    void unusableModuleIsNamed() {
        QFETCH(QString, source);
        QFETCH(QString, words);
        newPlace(QTest::currentDataTag());
        placeModule(source == EmptyFile ? QString() : source);
        if (source == EmptyFile) {
            QFile empty(path_);
            QVERIFY(empty.open(QIODevice::WriteOnly));
        }
        const DefaultPrinter reply = ask();
        QCOMPARE(reply.answer, ServiceAnswer::NoPrintModule);
        QVERIFY2(reply.serviceWords.endsWith(words), qPrintable(reply.serviceWords));
        QVERIFY2(!reply.serviceWords.contains("Unknown error"), qPrintable(reply.serviceWords));
    }

    // Runs last: once loaded, the module stays for the rest of the run.
    void moduleInstalledLaterIsFound() {
        newPlace("installed later");
        QCOMPARE(ask().answer, ServiceAnswer::NoPrintModule);
        placeModule(TESSALY_PRINT_MODULE);
        QCOMPARE(ask().answer, ServiceAnswer::NoService);
    }
};

} // namespace tessaly

QTEST_GUILESS_MAIN(tessaly::PrintModuleTest)
#include "print_module_test.moc"
