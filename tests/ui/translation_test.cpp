// SPDX-License-Identifier: MIT
// The windows in the desktop's language: the sign-in window, the exercise
// window after a test, Explain and a print message, with every caption shown
// whole; in English, and in a language without a catalogue, the texts stay
// exactly as they always were.

#include "ui_test_helpers.hpp"

#include "ui/controls/translation.hpp"
#include "ui/form/builder.hpp"

#include <QAction>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTemporaryDir>

namespace tessaly::test {

namespace {

// The captions under `window` that their widgets cut off.
QStringList clippedCaptions(const QWidget& window) {
    QStringList clipped;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (button->fontMetrics().horizontalAdvance(button->text()) > room.width()) {
            clipped << button->text();
        }
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->sizeHint().width() > label->width()) {
            clipped << label->text();
        }
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width()) {
            clipped << frame->title();
        }
    }
    return clipped;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void windowsSpeakTheDesktopsLanguage_data() {
        QTest::addColumn<QString>("desktop");  // the desktop's language
        QTest::addColumn<QString>("language"); // the catalogue taken; empty: English
        QTest::addColumn<QString>("signIn");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("verdict"); // after a test without marks
        QTest::addColumn<QString>("strayMarks");
        QTest::addColumn<QString>("explain");
        QTest::addColumn<QString>("noService");
        QTest::addColumn<QString>("yes"); // Qt's own button, from its catalogue
        QTest::newRow("de") << "de-DE"
                            << "de"
                            << "Bitte anmelden"
                            << "Weiter"
                            << "Aufgabe 1 falsch: 0 von "
                            << ", 0 überzählige Markierungen."
                            << "Erklären"
                            << "Auf diesem Computer läuft kein Druckdienst."
                            << "&Ja";
        // French counts zero in the singular; Canadian French takes the French catalogue.
        QTest::newRow("fr-CA") << "fr-CA"
                               << "fr"
                               << "Connecte-toi"
                               << "Suivant"
                               << "Exercice 1 faux\u00a0: 0 cases justes sur "
                               << ", 0 marque en trop."
                               << "Expliquer"
                               << "Aucun service d’impression ne fonctionne sur cet ordinateur."
                               << "&Oui";
        QTest::newRow("es") << "es"
                            << "es"
                            << "Inicia sesión"
                            << "Siguiente"
                            << "Problema 1 incorrecto: 0 de "
                            << ", 0 marcas de más."
                            << "Explicar"
                            << "No hay ningún servicio de impresión en marcha en este ordenador."
                            << "&Sí";
        const QStringList english = {"Please Sign In",
                                     "Next",
                                     "Problem 1 wrong: 0 of ",
                                     ", 0 stray marks.",
                                     "Explain",
                                     "No print service is running on this computer.",
                                     "&Yes"};
        for (const QString desktop : {"en-US", "C", "it"}) {
            QTest::newRow(qPrintable(desktop))
                << desktop << "" << english[0] << english[1] << english[2] << english[3]
                << english[4] << english[5] << english[6];
        }
    }

    void windowsSpeakTheDesktopsLanguage() {
        QFETCH(QString, desktop);
        QFETCH(QString, language);
        const Translations translations({desktop}, QStringLiteral(TESSALY_TRANSLATIONS_DIR));
        QCOMPARE(translations.language(), language);
        QTEST(QCoreApplication::translate("QPlatformTheme", "&Yes"), "yes");

        OpenProgram program = openSignIn();
        QTEST(program->windowTitle(), "signIn");
        QVERIFY2(clippedCaptions(*program).isEmpty(),
                 qPrintable(clippedCaptions(*program).join(" | ")));
        QVERIFY(signInWithCode(program));
        frmArray& main = program.mainWindow();
        click(main.cmdStart);
        click(main.cmdRun);
        QTEST(main.cmdRun->text(), "next");
        const QString told = main.cmdRun->accessibleDescription();
        QFETCH(QString, verdict);
        QFETCH(QString, strayMarks);
        QVERIFY2(told.startsWith(verdict) && told.contains(strayMarks), qPrintable(told));
        QVERIFY2(clippedCaptions(main).isEmpty(), qPrintable(clippedCaptions(main).join(" | ")));

        main.mnu40->trigger();
        QVERIFY(main.explainWindow() != nullptr);
        QTEST(main.explainWindow()->windowTitle(), "explain");
        QVERIFY2(clippedCaptions(*main.explainWindow()).isEmpty(),
                 qPrintable(clippedCaptions(*main.explainWindow()).join(" | ")));
        click(main.explainWindow()->cmdClose);
        QTRY_VERIFY(main.explainWindow() == nullptr);

        while (!main.cmdPrint->isVisible()) {
            click(main.cmdRun);
        }
        // "20 of 20": the word between the counters stays clear of both.
        const QRect of = control<QLabel>(*main.clientArea(), "Label5")->geometry();
        QVERIFY(!of.intersects(main.lblProbNum->geometry()));
        QVERIFY(!of.intersects(main.lblProbLimit->geometry()));
        QVERIFY2(clippedCaptions(main).isEmpty(), qPrintable(clippedCaptions(main).join(" | ")));
        const QTemporaryDir folder;
        printWithoutService(folder.path());
        QString problem;
        main.printer().askToSavePdf = [&problem](const QString& asked) {
            problem = asked;
            return false;
        };
        click(main.cmdPrint);
        QTRY_VERIFY(!problem.isEmpty());
        QTEST(problem, "noService");
    }
};

} // namespace tessaly::test

QTEST_MAIN(tessaly::test::TranslationTest)
#include "translation_test.moc"
