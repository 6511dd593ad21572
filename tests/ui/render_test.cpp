// SPDX-License-Identifier: MIT
// The render touches only what changed: a second render with nothing changed
// makes no widget call and causes no repaint, a click sets one cell and
// nothing else; and every layout font resolves to its Liberation family
// without going through substitution.

#include "ui/form/layout.hpp"
#include "ui_test_helpers.hpp"

#include <QAction>
#include <QFontInfo>
#include <QMenuBar>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Counts what a widget call would cause: repaints, palette, font, geometry
// and visibility changes, and menu entry changes.
class WidgetEvents : public QObject {
public:
    explicit WidgetEvents(QWidget& window) {
        window.installEventFilter(this);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            widget->installEventFilter(this);
        }
    }
    int count = 0;
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::PaletteChange:
        case QEvent::FontChange:
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ActionChanged:
            ++count;
            seen << watched->objectName() + ":" + QString::number(event->type());
            break;
        default:
            break;
        }
        return false;
    }
};

// Long enough for a pending repaint, which Qt delivers on a short timer.
constexpr int PaintSettles = 50;

enum Phase { Fresh, Typed, Level1Java, Started, Marked, Tested, Instructions, SeriesOver };

void bringTo(OpenProgram& program, Phase phase) {
    frmArray& main = program.mainWindow();
    if (phase == Typed) {
        QTest::keyClicks(program->txtName, "Ng, Lan");
    }
    if (phase == Level1Java) {
        main.chooseLevel(1);
        main.mnu21_Click();
    }
    if (phase >= Started) {
        QVERIFY(signInWithCode(program));
        main.cmdStart_Click();
    }
    if (phase >= Marked) {
        main.lblCell_Click(7);
        main.lblCell_Click(19);
    }
    if (phase >= Tested) {
        main.cmdRun_Click();
    }
    if (phase == Instructions) {
        main.mnu30_Click();
    }
    for (int presses = 0; phase == SeriesOver && presses < 38; ++presses) {
        main.cmdRun_Click();
    }
}

} // namespace

class RenderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void renderWithNothingChangedTouchesNothing_data() {
        QTest::addColumn<int>("phase");
        QTest::newRow("just created") << int(Fresh);
        QTest::newRow("sign-in typed") << int(Typed);
        QTest::newRow("level 1, Java") << int(Level1Java);
        QTest::newRow("started") << int(Started);
        QTest::newRow("cells marked") << int(Marked);
        QTest::newRow("tested") << int(Tested);
        QTest::newRow("instructions open") << int(Instructions);
        QTest::newRow("series over") << int(SeriesOver);
    }

    void renderWithNothingChangedTouchesNothing() {
        QFETCH(int, phase);
        OpenProgram program = openSignIn();
        bringTo(program, Phase(phase));
        frmArray& main = program.mainWindow();
        QTest::qWait(PaintSettles); // what the phase changed is painted
        const std::size_t calls = main.renderCache().widgetCalls();
        WidgetEvents events(main);
        main.render();
        QTest::qWait(PaintSettles);
        QCOMPARE(main.renderCache().widgetCalls(), calls);
        QVERIFY2(events.count == 0, qPrintable(events.seen.join(' ')));
    }

    // A click changes one cell's caption and colour, and the render sets
    // exactly those two; unmarking it sets them back.
    void clickSetsOnlyItsCell() {
        OpenProgram program = openSignIn();
        QVERIFY(signInWithCode(program));
        frmArray& main = program.mainWindow();
        click(main.cmdStart);
        for (int round = 0; round < 2; ++round) {
            const std::size_t calls = main.renderCache().widgetCalls();
            click(main.lblCell[13]);
            QCOMPARE(main.renderCache().widgetCalls(), calls + 2);
        }
        QCOMPARE(gridRows(main), BlankGrid);
    }

    void layoutFontsNeedNoSubstitution_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::newRow("dialog") << int(Face::MsSansSerif) << 8.0 << false << "Liberation Sans";
        QTest::newRow("problem number")
            << int(Face::MsSansSerif) << 24.0 << true << "Liberation Sans";
        QTest::newRow("level") << int(Face::Arial) << 36.0 << true << "Liberation Sans";
        QTest::newRow("counters") << int(Face::ArialBlack) << 36.0 << false << "Liberation Sans";
        QTest::newRow("student data")
            << int(Face::TimesNewRoman) << 15.75 << true << "Liberation Serif";
    }

    // The family asked for first is the one that is drawn with.
    void layoutFontsNeedNoSubstitution() {
        QFETCH(int, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        const QFont font = layoutFont(Face(face), points, bold);
        QCOMPARE(font.families().value(0), family);
        QCOMPARE(QFontInfo(font).family(), family);
    }

    void everyControlDrawsWithItsFirstFamily() {
        Program program(std::make_unique<FixedSeedRandom>(7));
        QWidgetList widgets = program.mainWindow().findChildren<QWidget*>();
        widgets << program.signIn()->findChildren<QWidget*>();
        for (const QWidget* widget : std::as_const(widgets)) {
            const QString first = widget->font().families().value(0, widget->font().family());
            QVERIFY2(QFontInfo(widget->font()).family() == first,
                     qPrintable(widget->objectName() + " draws with " +
                                QFontInfo(widget->font()).family()));
        }
    }
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
