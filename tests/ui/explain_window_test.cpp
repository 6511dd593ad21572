// SPDX-License-Identifier: MIT
// Explain: the menu entry follows the test, and the Explain window replays a
// problem answered with the loops swapped, by keys, and leaves the exercise
// window as it was.

#include "ui_test_helpers.hpp"

#include <QAccessible>
#include <QAction>
#include <QCryptographicHash>
#include <QPlainTextEdit>

using namespace tessaly;
using namespace tessaly::test;

namespace {

enum Phase { BeforeStart, AfterStart, AfterTest, AfterNext, SeriesOver };

void press(int key) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

// The cells of the listing's loops with X and Y swapped, read off the listing shown.
QList<int> cellsSwapped(const frmArray& main) {
    const auto x = parseLoopHeader(main.lblCode[3]->text());
    const auto y = parseLoopHeader(main.lblCode[4]->text());
    QList<int> cells;
    for (int j = y->first; j <= y->last; j += y->step) {
        for (int i = x->first; i <= x->last; i += x->step) {
            cells << i * 5 + j + 1;
        }
    }
    return cells;
}

// What the student sees of the exercise and would print.
QStringList exerciseOnShow(const frmArray& main) {
    QStringList seen = gridRows(main);
    for (const QLabel* label : {main.lblProbNum, main.lblRight, main.lblWrong, main.lblScore}) {
        seen << label->text();
    }
    const QImage sheet = main.clientArea()->grab().toImage();
    const QByteArray pixels(reinterpret_cast<const char*>(sheet.constBits()), sheet.sizeInBytes());
    seen << main.cmdRun->text()
         << QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex();
    return seen;
}

QString accessibleText(QObject* object, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

// "Step k of n", "X = a, Y = b" and the grid's captions as one line.
QString replayShown(const frmExplain& explain) {
    QString cells;
    for (int k = 1; k <= 25; ++k) {
        cells += (explain.lblCell[k]->text().isEmpty() ? "." : explain.lblCell[k]->text()) + " ";
    }
    return explain.lblStep->text() + " | " + explain.lblVariables->text() + " | " + cells.trimmed();
}

} // namespace

class ExplainWindowTest : public QObject {
    Q_OBJECT

    std::optional<OpenProgram> signIn_;
    frmArray* main_ = nullptr;

    void open() {
        signIn_.emplace(openSignIn());
        main_ = &signIn_->mainWindow();
        QVERIFY(signInWithCode(*signIn_));
    }

    frmExplain* openExplain() {
        main_->mnu40->trigger();
        frmExplain* explain = main_->explainWindow();
        return explain != nullptr && waitUntilActive(*explain) ? explain : nullptr;
    }

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }
    void cleanup() { signIn_.reset(); }

    void entryFollowsTheTest_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("before Start") << int(BeforeStart) << false;
        QTest::newRow("after Start") << int(AfterStart) << false;
        QTest::newRow("after a test") << int(AfterTest) << true;
        QTest::newRow("after Next") << int(AfterNext) << false;
        QTest::newRow("after the 20th test") << int(SeriesOver) << true;
    }

    void entryFollowsTheTest() {
        QFETCH(int, phase);
        QFETCH(bool, enabled);
        open();
        const int presses = phase == SeriesOver ? 39 : phase - AfterStart; // after Start
        for (int i = 0; i <= presses; ++i) {
            click(i == 0 ? main_->cmdStart : main_->cmdRun);
        }
        QCOMPARE(main_->mnu40->isEnabled(), enabled);
        main_->mnu40_Click();
        QCOMPARE(main_->explainWindow() != nullptr, enabled);
        if (enabled) {
            QVERIFY(waitUntilActive(*main_->explainWindow()));
            press(Qt::Key_Escape);
            QVERIFY(waitUntilActive(*main_));
            QCOMPARE(QApplication::focusWidget(),
                     phase == SeriesOver ? main_->cmdPrint : main_->cmdRun);
        }
    }

    void replaysSwappedLoops() {
        open();
        click(main_->cmdStart);
        const QList<int> written = cellsWritten(*main_);
        const QList<int> swapped = cellsSwapped(*main_);
        for (int cell : swapped) {
            click(main_->lblCell[cell]);
        }
        click(main_->cmdRun);
        const QStringList before = exerciseOnShow(*main_);
        frmExplain* explain = openExplain();
        QVERIFY(explain != nullptr);
        QCOMPARE(explain->windowTitle(), QString("Explain"));
        QVERIFY(!explain->windowIcon().isNull());
        QCOMPARE(accessibleText(explain->txtDiagnosis, QAccessible::Name), QString("Diagnosis"));
        const QString diagnosis = explain->txtDiagnosis->toPlainText();
        QVERIFY2(diagnosis.startsWith("Your numbers follow these loops instead:\n"),
                 qPrintable(diagnosis));
        QVERIFY(diagnosis.endsWith("\nThe loops are swapped: the outer loop runs over Y."));
        QCOMPARE(QApplication::focusWidget(), explain->fraReplay);
        for (QWidget* next :
             std::initializer_list<QWidget*>{explain->cmdFirstMistake, explain->cmdClose,
                                             explain->txtDiagnosis, explain->fraReplay}) {
            press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        const int n = int(written.size());
        const QString last = QString("Step %1 of %1").arg(n);
        QCOMPARE(explain->lblStep->text(), QString("Step 0 of %1").arg(n));
        for (int key : {Qt::Key_Right, Qt::Key_Space}) {
            press(key);
        }
        QCOMPARE(explain->lblStep->text(), QString("Step 2 of %1").arg(n));
        QVERIFY(accessibleText(explain->fraReplay, QAccessible::Description)
                    .startsWith(QString("Step 2 of %1: X = ").arg(n)));
        // The second write goes where the student wrote a later number: red, with that number under
        // it.
        const int second = written[1];
        QCOMPARE(explain->lblCell[second]->text(), QString("2"));
        QCOMPARE(background(explain->lblCell[second]), toQColor(colors::Red));
        QCOMPARE(explain->lblMark[second]->text(), QString::number(swapped.indexOf(second) + 1));
        QCOMPARE(background(explain->lblCell[written[0]]), toQColor(colors::Green));
        QCOMPARE(explain->lblCell[written[2]]->text(), QString());

        const QString atEnd = (press(Qt::Key_End), replayShown(*explain));
        QVERIFY(atEnd.startsWith(last + " | "));
        press(Qt::Key_Right);
        QCOMPARE(replayShown(*explain), atEnd);
        for (int k = n; k > 0; --k) {
            press(Qt::Key_Left);
        }
        const QString atStart = replayShown(*explain);
        QVERIFY(atStart.startsWith(QString("Step 0 of %1 |  | . . .").arg(n)));
        press(Qt::Key_Left);
        QCOMPARE(replayShown(*explain), atStart);
        press(Qt::Key_End);
        press(Qt::Key_Home);
        QCOMPARE(replayShown(*explain), atStart);

        QVERIFY(explain->cmdFirstMistake->isEnabled());
        click(explain->cmdFirstMistake);
        QCOMPARE(explain->step(), 2); // the first cell is the same in either order
        click(explain->cmdClose);
        QVERIFY(waitUntilActive(*main_));
        QCOMPARE(QApplication::focusWidget(), main_->cmdRun);
        QCOMPARE(exerciseOnShow(*main_), before);
    }
};

QTEST_MAIN(ExplainWindowTest)
#include "explain_window_test.moc"
