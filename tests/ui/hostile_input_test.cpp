// SPDX-License-Identifier: MIT
// Whatever a student types or pastes into the sign-in boxes is mirrored exactly,
// never crashes, and every keystroke stays prompt.

#include "ui_test_helpers.hpp"

#include <QClipboard>
#include <QElapsedTimer>

using namespace tessaly;
using namespace tessaly::test;

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void pastedTextIsMirrored_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("periodAloneSignsIn");
        QTest::newRow("a megabyte") << QString(1 << 20, QChar('m')) << false;
        QTest::newRow("combining marks")
            << QString::fromUtf8("Zoe\u0308 Ame\u0301lie\u0327\u0328") << false;
        QTest::newRow("emoji") << QString::fromUtf8("🙂👩‍🏫🏳️‍🌈") << false;
        QTest::newRow("right to left") << QString::fromUtf8("שלום \u202Eevil\u202C عربى") << false;
        QTest::newRow("control characters") << QString("a\x01"
                                                       "b\x07"
                                                       "c\x1b[2J\x7f")
                                            << false;
        QTest::newRow("only blanks") << QString("     ") << false;
        QTest::newRow("code") << QString("~") << true;
        QTest::newRow("code after text") << QString("1~") << false;
        QTest::newRow("code before text") << QString("~1") << false;
        QTest::newRow("code twice") << QString("~~") << false;
        QTest::newRow("blank and code") << QString(" ~") << false;
    }

    // Pasted into every box in turn: the box keeps what it can hold, and the
    // exercise window's label shows exactly the box's text.
    void pastedTextIsMirrored() {
        QFETCH(QString, text);
        QFETCH(bool, periodAloneSignsIn);
        auto signIn = openSignIn();
        frmArray& window = signIn->mainWindow();
        const std::pair<QLineEdit*, QLabel*> boxes[] = {{signIn->txtPeriod, window.lblPeriod},
                                                        {signIn->txtID, window.lblID},
                                                        {signIn->txtName, window.lblName},
                                                        {signIn->txtTeacher, window.lblTeacher}};
        QApplication::clipboard()->setText(text);
        for (int i = 0; i < 4; ++i) {
            boxes[i].first->setFocus();
            QTest::keyClick(boxes[i].first, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(boxes[i].first->text(), text.left(MaxEntryLength));
            QCOMPARE(boxes[i].second->text(), boxes[i].first->text());
            if (i == 0) {
                QCOMPARE(signIn->cmdOk->isEnabled(), periodAloneSignsIn);
            }
        }
        QVERIFY(signIn->cmdOk->isEnabled()); // four filled boxes, whatever they hold
        QVERIFY(!window.grab().isNull());    // paints without trouble
        QTest::keyClick(signIn->txtTeacher, Qt::Key_Return);
        QVERIFY(window.isEnabled());
        QCOMPARE(window.lblName->text(), text.left(MaxEntryLength));
    }

    // A keystroke in a full box, mirrored and painted, stays far below what a
    // typist notices.
    void keystrokeInAFullBoxIsPrompt() {
        auto signIn = openSignIn();
        QApplication::clipboard()->setText(QString(1 << 20, QChar('k')));
        signIn->txtName->setFocus();
        QTest::keyClick(signIn->txtName, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(signIn->txtName, Qt::Key_Home);
        QElapsedTimer timer;
        timer.start();
        constexpr int Keystrokes = 20;
        for (int i = 0; i < Keystrokes; ++i) {
            QTest::keyClick(signIn->txtName, i % 2 ? Qt::Key_Delete : Qt::Key_X);
            signIn->mainWindow().lblName->repaint();
        }
        const double perKey = double(timer.elapsed()) / Keystrokes;
        qInfo("a keystroke in a full box: %.1f ms", perKey);
        QVERIFY2(perKey < 100, qPrintable(QString("%1 ms a keystroke").arg(perKey)));
        QCOMPARE(signIn->mainWindow().lblName->text(), signIn->txtName->text());
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
