// SPDX-License-Identifier: MIT
// Every cut of text keeps whole characters: a sign-in box that is full never
// ends in half an emoji, its label in the exercise window shows exactly what
// the box holds, and the proposed PDF file name ends between two graphemes.

#include "ui/controls/whole_characters.hpp"
#include "ui/print/result_sheet_printer.hpp"
#include "ui_test_helpers.hpp"

#include <QClipboard>

using namespace tessaly;
using namespace tessaly::test;

namespace {

bool hasHalfCharacter(const QString& text) {
    return withoutHalfCharacters(text) != text;
}

const QString Smile = QString::fromUtf8("🙂");          // two code units
const QString Teacher = QString::fromUtf8("👩‍🏫"); // five: woman, joiner, school
const QString Flag = QString::fromUtf8("🇫🇷");             // four: two regional letters
const QString AccentedE = QString::fromUtf8("e\u0301");   // two: e and a combining acute

} // namespace

class WholeCharactersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void pastedTextKeepsWholeCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("expectedLength");
        QTest::newRow("20000 emoji into an empty box") << "" << Smile.repeated(20000) << 32766;
        QTest::newRow("20000 emoji after one letter") << "a" << Smile.repeated(20000) << 32767;
        QTest::newRow("an emoji into the last free unit")
            << QString(MaxEntryLength - 1, 'x') << Smile << MaxEntryLength - 1;
        QTest::newRow("lone halves pasted")
            << "ab" << QString(Smile[0]) + "c" + QString(Smile[1]) << 3;
    }

    // Pasted into every box: the box keeps whole characters only, and its label
    // in the exercise window equals it.
    void pastedTextKeepsWholeCharacters() {
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(int, expectedLength);
        auto signIn = openSignIn();
        frmArray& main = signIn->mainWindow();
        const std::pair<QLineEdit*, QLabel*> boxes[] = {{signIn->txtPeriod, main.lblPeriod},
                                                        {signIn->txtID, main.lblID},
                                                        {signIn->txtName, main.lblName},
                                                        {signIn->txtTeacher, main.lblTeacher}};
        QApplication::clipboard()->setText(pasted);
        for (const auto& [box, label] : boxes) {
            box->setText(before);
            box->setFocus();
            box->end(false);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text().size(), expectedLength);
            QVERIFY(box->text().startsWith(before));
            QVERIFY(!hasHalfCharacter(box->text()));
            QCOMPARE(label->text(), box->text());
            QCOMPARE(box->cursorPosition(), box->text().size());
        }
    }

    // The name is cut to 80 characters as a reader counts them, and to 255
    // bytes with the date and ".pdf"; the date stays whole.
    void pdfNameEndsBetweenGraphemes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expected");
        const QString a79(79, 'a');
        QTest::newRow("emoji at the cut") << a79 + Smile + "b"
                                          << "" << a79 + Smile;
        QTest::newRow("accent at the cut") << a79 + AccentedE + "b"
                                           << "" << a79 + AccentedE;
        QTest::newRow("joined emoji at the cut") << a79 + Teacher + "b"
                                                 << "" << a79 + Teacher;
        QTest::newRow("flag after the cut") << QString(80, 'a') + Flag << "" << QString(80, 'a');
        QTest::newRow("one long grapheme") << "a" + QString(200, QChar(0x0301)) << ""
                                           << "Tessaly result";
        QTest::newRow("date kept")
            << QString(100, 'a') << "09-12-2026" << QString(69, 'a') + " 09-12-2026";
        // 11 bytes each: 21 of them and the date's 11 bytes and ".pdf" fit in 255.
        QTest::newRow("emoji name, date kept")
            << Teacher.repeated(40) << "09/12/2026" << Teacher.repeated(21) + " 09-12-2026";
        QTest::newRow("short") << "Lovelace, Ada"
                               << ""
                               << "Lovelace, Ada";
    }

    void pdfNameEndsBetweenGraphemes() {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, expected);
        Program program;
        program.mainWindow().writeStudentData(&StudentData::lblName, name);
        program.mainWindow().writeSignInDate(date);
        QCOMPARE(program.mainWindow().printer().proposedPdfName(), expected + ".pdf");
        QVERIFY(QFile::encodeName(expected + ".pdf").size() <= 255);
    }
};

QTEST_MAIN(WholeCharactersTest)
#include "whole_characters_test.moc"
