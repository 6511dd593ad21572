// SPDX-License-Identifier: MIT
// The windows are built from their layout tables: every row becomes a widget
// of that name, in its container, at its rectangle, and the menus carry the
// names of the menu tree.

#include "ui/form/layout.hpp"
#include "ui_test_helpers.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenuBar>

using namespace tessaly;
using namespace tessaly::test;

namespace {

// Checks every row of `layout` against the widgets below `root`; an empty
// string when all match, otherwise the first difference.
QString differences(const QWidget& root, const Layout& layout) {
    for (const Control& row : layout) {
        const QString name = QString::fromStdString(row.name);
        const auto* widget = root.findChild<QWidget*>(name);
        if (widget == nullptr) {
            return name + ": missing";
        }
        const QString container =
            row.container.empty() ? root.objectName() : QString::fromStdString(row.container);
        if (widget->parentWidget()->objectName() != container) {
            return name + ": in " + widget->parentWidget()->objectName();
        }
        const QRect expected =
            twipsRect(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
        const bool sizesItself = (row.look & AutoSize) != 0 || !row.background;
        if (sizesItself ? widget->pos() != expected.topLeft() && !(row.look & Centred)
                        : widget->geometry() != expected) {
            return name + ": placed elsewhere";
        }
        if (widget->isHidden() == row.visible) {
            return name + ": visibility at creation";
        }
    }
    return {};
}

QString caption(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    return {};
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void windowsFollowTheirTables() {
        Program program(std::make_unique<FixedSeedRandom>(7));
        const QString exercise = differences(*program.mainWindow().clientArea(), frmArrayLayout());
        QVERIFY2(exercise.isEmpty(), qPrintable(exercise));
        const QString signIn = differences(*program.signIn(), frmSignInLayout());
        QVERIFY2(signIn.isEmpty(), qPrintable(signIn));
    }

    // Fixed captions come from the table; what the exercise shows is filled by
    // the first render, so the table leaves it empty.
    void captionsComeFromTableOrEngine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("fixed label") << "Label1"
                                     << "Problem Number";
        QTest::newRow("fixed frame") << "fraProgram"
                                     << "Program Code";
        QTest::newRow("fixed button") << "cmdStart"
                                      << "Start";
        QTest::newRow("problem limit") << "lblProbLimit"
                                       << "20";
        QTest::newRow("level") << "lblLevel"
                               << "Level 2";
        QTest::newRow("test button") << "cmdRun"
                                     << "Test Now!";
        QTest::newRow("period") << "lblPeriod"
                                << "18";
        QTest::newRow("cell") << "lblCell25"
                              << "0";
        QTest::newRow("coordinates") << "lblIndex6"
                                     << "(1,0)";
        QTest::newRow("listing") << "lblCode2"
                                 << "Order = 1";
    }

    void captionsComeFromTableOrEngine() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Program program(std::make_unique<FixedSeedRandom>(7));
        const QWidget* widget = program.mainWindow().clientArea()->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(::caption(widget), caption);
    }

    void menusCarryTheirNames() {
        Program program(std::make_unique<FixedSeedRandom>(7));
        QStringList names;
        QStringList captions;
        for (const QAction* menu : program.mainWindow().menuBar()->actions()) {
            names << menu->objectName();
            captions << menu->text();
            if (menu->menu() != nullptr) {
                for (const QAction* item : menu->menu()->actions()) {
                    names << item->objectName();
                    captions << item->text();
                }
            }
        }
        QCOMPARE(names, QStringList({"mnu10", "mnu11", "mnu12", "mnu13", "mnu20", "mnu21", "mnu22",
                                     "mnu23", "mnu24", "mnu25", "mnu30", "mnu40"}));
        QCOMPARE(captions,
                 QStringList({"Level", "Level 1", "Level 2", "Level 3", "Language", "Java", "BASIC",
                              "Python", "C/C++", "JavaScript", "Instructions", "Explain"}));
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
