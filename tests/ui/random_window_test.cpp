// SPDX-License-Identifier: MIT
// Random whole series played with real mouse clicks and menu commands on the
// offscreen windows; after every event the widgets must show exactly what the
// exercise holds.

#include "ui_test_helpers.hpp"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

#include <random>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Seeds played on every run; one more, fresh, is drawn per run and printed.
constexpr int FixedSeeds = 12;

QString mismatch(const QString& what, const QString& shown, const std::string& held) {
    return shown == qs(held) ? QString()
                             : what + ": shows \"" + shown + "\", holds \"" + qs(held) + "\"";
}

// The first difference between what the window shows and what the exercise
// holds, or an empty string.
QString firstDifference(const frmArray& window) {
    const Exercise& e = window.exercise();
    for (int k = 1; k <= 25; ++k) {
        const Cell& cell = e.grid.lblCell[k];
        QString d = mismatch(QString("cell %1").arg(k), window.lblCell[k]->text(), cell.caption);
        if (d.isEmpty() && background(window.lblCell[k]) != toQColor(cell.backColor)) {
            d = QString("cell %1 colour").arg(k);
        }
        if (d.isEmpty() && window.lblCell[k]->isHidden() == cell.visible) {
            d = QString("cell %1 visibility").arg(k);
        }
        if (d.isEmpty() && window.lblIndex[k]->isHidden() == e.grid.lblIndex[k].visible) {
            d = QString("coordinates %1 visibility").arg(k);
        }
        if (!d.isEmpty()) {
            return d;
        }
    }
    for (int i = 0; i < Listing::LineCount; ++i) {
        if (QString d =
                mismatch(QString("line %1").arg(i), window.lblCode[i]->text(), e.listing.line(i));
            !d.isEmpty()) {
            return d;
        }
    }
    const std::pair<const QLabel*, const std::string*> captions[] = {
        {window.lblProbNum, &e.lblProbNum}, {window.lblRight, &e.lblRight},
        {window.lblWrong, &e.lblWrong},     {window.lblScore, &e.lblScore},
        {window.lblLevel, &e.lblLevel},     {window.lblProbLimit, &e.lblProbLimit}};
    for (const auto& [label, held] : captions) {
        if (QString d = mismatch("counter", label->text(), *held); !d.isEmpty()) {
            return d;
        }
    }
    if (QString d = mismatch("test button", window.cmdRun->text(), e.cmdRun); !d.isEmpty()) {
        return d;
    }
    const std::pair<const QWidget*, bool> shown[] = {
        {window.fraProgram, e.fraProgramVisible},
        {window.fraArray, e.fraArrayVisible},
        {window.fraInstructions, e.fraInstructionsVisible},
        {window.cmdStart, e.cmdStartVisible},
        {window.cmdPrint, e.cmdPrintVisible},
        {window.lblScore, e.lblScoreVisible}};
    for (const auto& [widget, visible] : shown) {
        if (widget->isHidden() == visible) {
            return widget->objectName() + QString(" visibility of a frame, button or label");
        }
    }
    const std::pair<const QAction*, const MenuEntry*> menus[] = {
        {window.levelItem(1), &e.menus.level(1)},
        {window.levelItem(2), &e.menus.level(2)},
        {window.levelItem(3), &e.menus.level(3)},
        {window.languageItem(1), &e.menus.language(1)},
        {window.languageItem(2), &e.menus.language(2)},
        {window.languageItem(3), &e.menus.language(3)},
        {window.languageItem(4), &e.menus.language(4)},
        {window.languageItem(5), &e.menus.language(5)},
        {window.mnu10->menuAction(), &e.menus.mnu10},
        {window.mnu20->menuAction(), &e.menus.mnu20}};
    for (const auto& [action, entry] : menus) {
        if (action->isChecked() != entry->checked || action->isEnabled() != entry->enabled) {
            return "menu " + action->text();
        }
    }
    if (background(window.clientArea()) != toQColor(e.backColor)) {
        return "window background";
    }
    return {};
}

// One student: random menu choices before Start, then random clicks, tests and
// "Next" through the whole series, sometimes answering right.
class Student {
public:
    Student(frmArray& window, unsigned seed) : window_(window), random_(seed) {}

    QString play() {
        std::vector<QAction*> choices = {window_.levelItem(1), window_.levelItem(2),
                                         window_.levelItem(3), window_.mnu30};
        choices.insert(choices.end(), window_.languageItems.begin(), window_.languageItems.end());
        for (int i = 0, n = pick(6); i < n; ++i) {
            if (QString d = act(choices[static_cast<std::size_t>(pick(int(choices.size())))]);
                !d.isEmpty()) {
                return d;
            }
            closeInstructions();
        }
        click(window_.cmdStart);
        while (window_.cmdRun->isVisible()) {
            if (QString d = playProblem(); !d.isEmpty()) {
                return d;
            }
        }
        return window_.cmdPrint->isVisible() ? firstDifference(window_) : "series did not end";
    }

    // The events played so far, for replaying a failure by hand.
    QString events() const { return log_.join(", "); }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString act(QAction* action) {
        action->trigger();
        log_ << action->text();
        return firstDifference(window_);
    }

    void closeInstructions() {
        if (window_.fraInstructions->isVisible()) {
            click(window_.cmdOK);
            log_ << "OK";
        }
    }

    QString clickCell(int k) {
        click(window_.lblCell[k]);
        log_ << QString("cell %1").arg(k);
        return firstDifference(window_);
    }

    QString playProblem() {
        const bool answerRight = pick(3) == 0;
        const QList<int> cells = cellsWritten(window_);
        const int clicks = answerRight ? int(cells.size()) : pick(8);
        for (int i = 0; i < clicks; ++i) {
            const int k = answerRight ? cells[i] : pick(25) + 1;
            if (!window_.lblCell[k]->isVisible()) {
                continue;
            }
            if (QString d = clickCell(k); !d.isEmpty()) {
                return d;
            }
        }
        if (pick(5) == 0) {
            if (QString d = act(window_.mnu30); !d.isEmpty()) {
                return d;
            }
            closeInstructions();
        }
        for (int press = 0; press < 2 && window_.cmdRun->isVisible(); ++press) {
            click(window_.cmdRun);
            log_ << window_.cmdRun->text();
            if (QString d = firstDifference(window_); !d.isEmpty()) {
                return d;
            }
        }
        return {};
    }

    QStringList log_;
    frmArray& window_;
    std::mt19937 random_;
};

} // namespace

class RandomWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void wholeSeries_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= FixedSeeds; ++seed) {
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
        }
        const unsigned fresh = std::random_device{}();
        qInfo("fresh seed this run: %u", fresh);
        QTest::newRow(qPrintable(QString("fresh seed %1").arg(fresh))) << fresh;
    }

    void wholeSeries() {
        QFETCH(unsigned, seed);
        auto signIn = openSignIn(std::make_unique<FixedSeedRandom>(float(seed % 86400)));
        QVERIFY(signInWithCode(signIn));
        Student student(signIn.mainWindow(), seed);
        const QString difference = student.play();
        QVERIFY2(difference.isEmpty(),
                 qPrintable(
                     QString("seed %1: %2 after: %3").arg(seed).arg(difference, student.events())));
    }
};

QTEST_MAIN(RandomWindowTest)
#include "random_window_test.moc"
