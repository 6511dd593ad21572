// SPDX-License-Identifier: MIT
// A mouse double-click on "Test Now!" or Print is one press: the student sees
// the verdict, and one sheet is printed. Two clicks further apart than the
// double-click interval, and presses by keyboard, stay two presses.

#include "ui/print/result_sheet_printer.hpp"
#include "ui_test_helpers.hpp"

#include <QTemporaryDir>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Where `button` is in its window, for events that go through the window as
// the window system's would (a double-click is recognised there).
QPoint inWindow(const QWidget* button) {
    return button->mapTo(button->window(), button->rect().center());
}

void act(QWidget* button, const QString& action) {
    QWindow* window = button->window()->windowHandle();
    if (action == "double-click") {
        QTest::mouseDClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "two clicks apart") {
        // Each click of QTest ends a double-click interval after its release.
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "double-click, then a click") {
        QTest::mouseDClick(window, Qt::LeftButton, {}, inWindow(button));
        QTest::mouseClick(window, Qt::LeftButton, {}, inWindow(button));
    } else if (action == "lone double-click event, then a click") {
        QTest::mouseDClick(button, Qt::LeftButton); // the event alone, no release after it
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (action == "space twice") {
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
}

// How often "Test Now!"/"Next" was pressed since the first problem was shown.
int runPresses(const frmArray& main) {
    return (main.lblProbNum->text().toInt() - 1) * 2 + (main.cmdRun->text() == "Next" ? 1 : 0);
}

} // namespace

class DoubleClickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyTessalyLook(*qApp);
        // Print finds no print service at once and offers the PDF.
        QVERIFY(folder_.isValid());
        qputenv("CUPS_SERVER", folder_.filePath("no-such-server.sock").toLocal8Bit());
        qputenv("CUPS_SERVERROOT", folder_.path().toLocal8Bit());
    }

    void presses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("presses");
        for (const QString button : {"Test Now!", "Print"}) {
            QTest::addRow("%s: double-click", qPrintable(button)) << button << "double-click" << 1;
            QTest::addRow("%s: two clicks apart", qPrintable(button))
                << button << "two clicks apart" << 2;
            QTest::addRow("%s: double-click, then a click", qPrintable(button))
                << button << "double-click, then a click" << 2;
            QTest::addRow("%s: lone double-click event", qPrintable(button))
                << button << "lone double-click event, then a click" << 1;
            QTest::addRow("%s: space twice", qPrintable(button)) << button << "space twice" << 2;
        }
    }

    void presses() {
        QFETCH(QString, button);
        QFETCH(QString, action);
        QFETCH(int, presses);
        auto signIn = openSignIn();
        QVERIFY(signInWithCode(signIn));
        frmArray& main = signIn.mainWindow();
        click(main.cmdStart);
        int prints = 0;
        main.printer().askToSavePdf = [&](const QString&) {
            ++prints;
            return false;
        };
        QWidget* target = main.cmdRun;
        if (button == "Print") {
            while (!main.cmdPrint->isVisible()) {
                click(main.cmdRun);
            }
            target = main.cmdPrint;
        }
        target->setFocus();

        act(target, action);

        QCOMPARE(button == "Print" ? prints : runPresses(main), presses);
        if (button == "Test Now!" && presses == 1) {
            QCOMPARE(main.cmdRun->text(), QString("Next")); // the verdict is on show
        }
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(DoubleClickTest)
#include "double_click_test.moc"
