// SPDX-License-Identifier: MIT
// The sign-in window driven through real key presses and clicks: when OK may
// be pressed, the mirroring into the exercise window, the flashing caption,
// and how the window is left.

#include "ui_test_helpers.hpp"

#include <QDate>
#include <QLocale>
#include <QPointer>
#include <QTimer>

using namespace tessaly;
using namespace tessaly::test;

class SignInWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void exerciseWindowWaitsBehindSignIn() {
        auto signIn = openSignIn();
        frmArray& main = signIn->mainWindow();
        QVERIFY(main.isVisible());
        QVERIFY(!main.isEnabled());
        QVERIFY(!signIn->cmdOk->isEnabled());
        QCOMPARE(QApplication::focusWidget(), signIn->txtPeriod);
        // A disabled window takes no clicks.
        QTest::ignoreMessage(QtWarningMsg,
                             "Mouse event \"MousePress\" not accepted by receiving widget");
        QTest::ignoreMessage(QtWarningMsg,
                             "Mouse event \"MouseRelease\" not accepted by receiving widget");
        click(main.lblCell[13]);
        QCOMPARE(main.lblCell[13]->text(), QString("0"));
    }

    void okFollowsEveryKeystroke() {
        auto signIn = openSignIn();
        frmArray& main = signIn->mainWindow();
        const std::array<std::pair<QLineEdit*, QLabel*>, 4> boxes = {
            {{signIn->txtPeriod, main.lblPeriod},
             {signIn->txtID, main.lblID},
             {signIn->txtName, main.lblName},
             {signIn->txtTeacher, main.lblTeacher}}};
        const std::array<QString, 4> texts = {"3", "A12", "Doe, Jane", "Smith"};
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            const auto [box, label] = boxes[b];
            for (const QChar ch : texts[b]) {
                QTest::keyClick(box, ch.toLatin1());
                QCOMPARE(label->text(), box->text());
                QCOMPARE(signIn->cmdOk->isEnabled(), b == 3); // only the fourth box completes
            }
            QCOMPARE(box->text(), texts[b]);
        }
        // Deleting a box character by character disables OK at its last character.
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            const auto [box, label] = boxes[b];
            QTest::keyClick(box, Qt::Key_End);
            while (!box->text().isEmpty()) {
                QTest::keyClick(box, Qt::Key_Backspace);
                QCOMPARE(label->text(), box->text());
                QCOMPARE(signIn->cmdOk->isEnabled(), !box->text().isEmpty());
            }
            QTest::keyClicks(box, texts[b]);
            QVERIFY(signIn->cmdOk->isEnabled());
        }
    }

    void enterPressesOkOnlyWhileEnabled_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("all four") << "3"
                                  << "A12"
                                  << "Doe, Jane"
                                  << "Smith" << true;
        QTest::newRow("teacher missing") << "3"
                                         << "A12"
                                         << "Doe, Jane"
                                         << "" << false;
        QTest::newRow("period missing") << ""
                                        << "A12"
                                        << "Doe, Jane"
                                        << "Smith" << false;
        QTest::newRow("blanks count") << " "
                                      << " "
                                      << " "
                                      << " " << true;
        QTest::newRow("code alone") << "~"
                                    << ""
                                    << ""
                                    << "" << true;
        QTest::newRow("code and the rest") << "~"
                                           << "A12"
                                           << "Doe"
                                           << "Smith" << true;
        QTest::newRow("code then letter") << "~x"
                                          << ""
                                          << ""
                                          << "" << false;
        QTest::newRow("letter then code") << "x~"
                                          << ""
                                          << ""
                                          << "" << false;
        QTest::newRow("blank then code") << " ~"
                                         << ""
                                         << ""
                                         << "" << false;
        QTest::newRow("code in another box") << ""
                                             << "~"
                                             << ""
                                             << "" << false;
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "" << false;
    }

    void enterPressesOkOnlyWhileEnabled() {
        QFETCH(QString, period);
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QString, teacher);
        QFETCH(bool, accepted);
        auto signIn = openSignIn();
        frmArray& main = signIn->mainWindow();
        QTest::keyClicks(signIn->txtPeriod, period);
        QTest::keyClicks(signIn->txtID, id);
        QTest::keyClicks(signIn->txtName, name);
        QTest::keyClicks(signIn->txtTeacher, teacher);
        QCOMPARE(signIn->cmdOk->isEnabled(), accepted);
        // Empty boxes never changed, so their labels keep the captions of the layout.
        QCOMPARE(main.lblPeriod->text(), period.isEmpty() ? QString("18") : period);
        QCOMPARE(main.lblID->text(), id);
        QCOMPARE(main.lblName->text(), name);
        QCOMPARE(main.lblTeacher->text(), teacher);

        const QPointer<frmSignIn> window = &*signIn;
        const QPointer<QTimer> timer = signIn->Timer1;
        QTest::keyClick(signIn->txtTeacher, Qt::Key_Return);
        QCOMPARE(main.isEnabled(), accepted);
        // Accepted, the window is removed for good: destroyed, its timer with it.
        QCOMPARE(signIn.program().signIn() == nullptr, accepted);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.isNull(), accepted);
        QCOMPARE(timer.isNull(), accepted);
        if (!accepted) {
            QVERIFY(window->isVisible());
            QVERIFY(timer->isActive());
        }
        QVERIFY(main.isVisible());
        const QString today =
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(main.lblDate->text(), accepted ? today : QString());
        if (accepted) {
            QVERIFY(waitUntilActive(main));
        }
    }

    void captionFlashesEverySecond() {
        // Checked before anything runs the event loop, so that no tick can come first.
        Program program(std::make_unique<FixedSeedRandom>(1));
        frmSignIn* signIn = program.signIn();
        const QLabel* flash = signIn->lblFlash;
        QCOMPARE(background(flash), toQColor(colors::PaleYellow));
        QCOMPARE(textColour(flash), QColor(Qt::black));
        QCOMPARE(signIn->Timer1->interval(), 1000);
        QVERIFY(signIn->Timer1->isActive());
        program.start();
        // The first real tick turns it yellow on black.
        QTRY_COMPARE_WITH_TIMEOUT(background(flash), toQColor(colors::Black), 2500);
        QCOMPARE(textColour(flash), toQColor(colors::Yellow));
        signIn->Timer1->stop();
        for (int tick = 2; tick <= 5; ++tick) {
            signIn->Timer1_Timer();
            const bool blackOnYellow = tick % 2 == 0;
            QCOMPARE(background(flash), toQColor(blackOnYellow ? colors::Yellow : colors::Black));
            QCOMPARE(textColour(flash), toQColor(blackOnYellow ? colors::Black : colors::Yellow));
        }
    }

    void escapeAndCloseDoNotLeave() {
        auto signIn = openSignIn();
        QTest::keyClicks(signIn->txtPeriod, "3");
        QTest::keyClick(signIn->txtPeriod, Qt::Key_Escape);
        QVERIFY(signIn->isVisible());
        QVERIFY(!signIn->close());
        QVERIFY(signIn->isVisible());
        QCOMPARE(signIn.program().signIn(), &*signIn);
        QVERIFY(signIn->mainWindow().isVisible());
        QVERIFY(!signIn->mainWindow().isEnabled());
    }

    void exitEndsBothWindows() {
        auto signIn = openSignIn();
        QTest::keyClicks(signIn->txtPeriod, "3");
        click(signIn->cmdExit);
        QVERIFY(!signIn->isVisible());
        QVERIFY(!signIn->mainWindow().isVisible());
    }

    void tabVisitsBoxesThenButtons() {
        auto signIn = openSignIn();
        QTest::keyClicks(signIn->txtPeriod, "~"); // OK enabled, so that it can take the focus
        QCOMPARE(QApplication::focusWidget(), signIn->txtPeriod);
        const QList<QWidget*> order = {signIn->txtID, signIn->txtName, signIn->txtTeacher,
                                       signIn->cmdOk, signIn->cmdExit, signIn->txtPeriod};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }
};

QTEST_MAIN(SignInWindowTest)
#include "sign_in_window_test.moc"
