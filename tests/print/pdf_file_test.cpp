// SPDX-License-Identifier: MIT
// The result sheet's PDF is complete or not written at all: on a full disk the
// student is told why, a file that was there stays as it was, nothing is left
// behind, and the focus stays on Print until the sheet is saved somewhere.
// pdf_file_test.sh gives the test a small disk of its own in
// TESSALY_SMALL_DISK; without one the full-disk cases are skipped.

#include "print_test_support.hpp"
#include "ui/print/result_sheet_printer.hpp"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

const QByteArray OldSheet = "%PDF-1.4 the sheet saved before\n%%EOF\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF that a reader can open: its header, and the end of file after the trailer.
bool completePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") &&
           bytes.contains("trailer");
}

// Fills the disk of `folder` up to its last byte.
void fill(const QString& folder) {
    QFile filler(folder + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

} // namespace

class PdfFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        QVERIFY(roomy_.isValid());
        qputenv("CUPS_SERVER", roomy_.filePath("no-such-server.sock").toLocal8Bit());
        qputenv("CUPS_SERVERROOT", roomy_.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        // The save dialog opens in the home folder.
        qputenv("HOME", roomy_.path().toLocal8Bit());
    }

    void init() {
        // Each case starts with empty folders.
        for (const QString& folder : {roomy_.path(), smallDisk()}) {
            if (!folder.isEmpty()) {
                for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
                    QFile::remove(folder + "/" + name);
                }
            }
        }
    }

    void savePdf_data() {
        QTest::addColumn<QString>("disk");   // "roomy", "small" (16 KiB) or "full"
        QTest::addColumn<bool>("existing");  // a sheet saved before is at the name
        QTest::addColumn<QString>("reason"); // empty when the file is written
        QTest::addColumn<QString>("name");
        const QString name = "Lovelace, Ada.pdf";
        QTest::newRow("roomy disk") << "roomy" << false << "" << name;
        QTest::newRow("roomy disk, over an existing file") << "roomy" << true << "" << name;
        // The longest name a folder holds: the file written beside it must fit as well.
        QTest::newRow("a 255-byte name")
            << "roomy" << false << "" << QString(123, QChar(0xe9)) + "abcde.pdf";
        QTest::newRow("16 KiB free") << "small" << false << "The disk is full." << name;
        QTest::newRow("nothing free") << "full" << false << "The disk is full." << name;
        QTest::newRow("nothing free, over an existing file")
            << "full" << true << "The disk is full." << name;
        QTest::newRow("no such folder")
            << "missing" << false << "The folder does not exist." << name;
    }

    void savePdf() {
        QFETCH(QString, disk);
        QFETCH(bool, existing);
        QFETCH(QString, reason);
        QFETCH(QString, name);
        const QString folder = folderFor(disk);
        if (folder.isEmpty()) {
            QSKIP("no small disk of its own (pdf_file_test.sh gives one)");
        }
        const QString path = folder + "/" + name;
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(OldSheet) == OldSheet.size());
        }
        if (disk == "full") {
            fill(folder);
        }
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        Program program;
        playSeries(program, "Lovelace, Ada");

        const QString problem = program.mainWindow().printer().savePdf(path);

        if (reason.isEmpty()) {
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            QVERIFY(completePdf(contents(path)));
        } else {
            QVERIFY2(problem.contains(reason), qPrintable(problem));
            QVERIFY2(problem.contains(path), qPrintable(problem));
            QCOMPARE(contents(path), existing ? OldSheet : QByteArray());
        }
        if (disk != "missing") {
            QStringList after = before;
            if (!existing && reason.isEmpty()) {
                after << QFileInfo(path).fileName();
            }
            QStringList now = QDir(folder).entryList(QDir::Files | QDir::Hidden);
            now.sort();
            after.sort();
            QCOMPARE(now, after);
        }
    }

    // Print with no printer, the PDF offered: a full disk is reported with
    // its reason and another place offered; the focus stays on Print until
    // the sheet is saved, and the student is told where it went.
    void fullDiskOffersAnotherPlace_data() {
        QTest::addColumn<bool>("chooseAnother");
        QTest::newRow("another place chosen") << true;
        QTest::newRow("given up") << false;
    }

    void fullDiskOffersAnotherPlace() {
        QFETCH(bool, chooseAnother);
        if (smallDisk().isEmpty()) {
            QSKIP("no small disk of its own (pdf_file_test.sh gives one)");
        }
        Program program;
        playSeries(program, "Hopper, Grace");
        frmArray& window = program.mainWindow();
        QStringList places = {smallDisk() + "/sheet.pdf", roomy_.filePath("sheet.pdf")};
        QStringList failures;
        QStringList told;
        window.printer().askToSavePdf = [](const QString&) { return true; };
        window.printer().choosePdfFile = [&](const QString&) {
            return places.isEmpty() ? QString() : places.takeFirst();
        };
        window.printer().reportFailure = [&](const QString& problem) {
            failures << problem;
            return chooseAnother;
        };
        window.printer().reportSaved = [&](const QString& message) { told << message; };
        window.cmdPrint->setFocus();

        QTest::mouseClick(window.cmdPrint, Qt::LeftButton);

        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains("The disk is full."), qPrintable(failures[0]));
        QVERIFY(!QFile::exists(smallDisk() + "/sheet.pdf"));
        QCOMPARE(QFile::exists(roomy_.filePath("sheet.pdf")), chooseAnother);
        QCOMPARE(told.size(), chooseAnother ? 1 : 0);
        if (chooseAnother) {
            QVERIFY2(told[0].contains(QFileInfo(roomy_.filePath("sheet.pdf")).absoluteFilePath()),
                     qPrintable(told[0]));
        }
        QCOMPARE(window.focusWidget(), chooseAnother ? window.cmdExit : window.cmdPrint);
    }

    // The name typed into the save dialog is the name the sheet is saved
    // under, or the dialog refuses it and says why; the student is told where
    // the sheet went.
    void typedName_data() {
        QTest::addColumn<QStringList>("typed"); // each name typed, then Enter
        QTest::addColumn<QString>("saved");     // the file in the dialog's folder
        QTest::addColumn<QString>("refusal");   // in the message of a name refused
        QTest::newRow("plain name") << QStringList{"Zoë O'Brien back.pdf"} << "Zoë O'Brien back.pdf"
                                    << "";
        QTest::newRow("without .pdf") << QStringList{"sheet"} << "sheet.pdf"
                                      << "";
        QTest::newRow("double quotes, then without")
            << QStringList{"Zoë O'Brien \"x\" back.pdf", "Zoë O'Brien x back.pdf"}
            << "Zoë O'Brien x back.pdf"
            << "double quotes";
    }

    void typedName() {
        QFETCH(QStringList, typed);
        QFETCH(QString, saved);
        QFETCH(QString, refusal);
        Program program;
        playSeries(program, "O'Brien, Zoë");
        frmArray& window = program.mainWindow();
        QStringList told;
        QStringList messages;
        window.printer().askToSavePdf = [](const QString&) { return true; };
        window.printer().reportFailure = [](const QString& problem) {
            QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
            return false;
        };
        window.printer().reportSaved = [&](const QString& message) { told << message; };
        // Answers the dialogs as they come up, from the event loop.
        QTimer answer;
        answer.setInterval(50);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* top = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(top)) {
                messages << box->text();
                QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
            } else if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog && !typed.isEmpty()) {
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name != nullptr);
                name->setText(typed.takeFirst());
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        answer.start();

        QVERIFY(window.printer().printResultSheet());

        QCOMPARE(typed, QStringList());
        const QString path = QDir(roomy_.path()).absoluteFilePath(saved);
        QVERIFY(completePdf(contents(path)));
        QCOMPARE(QDir(roomy_.path()).entryList(QDir::Files), QStringList{saved});
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(path), qPrintable(told[0]));
        QCOMPARE(messages.size(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty()) {
            QVERIFY2(messages[0].contains(refusal), qPrintable(messages[0]));
        }
    }

private:
    static QString smallDisk() { return qEnvironmentVariable("TESSALY_SMALL_DISK"); }

    QString folderFor(const QString& disk) const {
        if (disk == "roomy") {
            return roomy_.path();
        }
        if (disk == "missing") {
            return roomy_.filePath("missing-folder");
        }
        return smallDisk();
    }

    QTemporaryDir roomy_;
};

QTEST_MAIN(PdfFileTest)
#include "pdf_file_test.moc"
