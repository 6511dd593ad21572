// SPDX-License-Identifier: MIT
// The listing in each language of the Language menu, as the exercise window
// shows it: all nine lines, empty ones hidden, every line inside the
// "Program Code" frame for every problem that a level can draw.

#include "ui_test_helpers.hpp"

#include "engine/loops.hpp"

#include <QAction>
#include <QGroupBox>

#include <set>

Q_DECLARE_METATYPE(tessaly::Fragment)

using namespace tessaly;
using namespace tessaly::test;

namespace {

using Nine = QStringList;

// Two steps of 2 (X shown 0..4, Y 1..4) or none (X 1..3, Y 2..4).
const Fragment Stepped{{1, 5, 2}, {2, 5, 2}};
const Fragment Unstepped{{2, 4, 1}, {3, 5, 1}};

void showProblem(frmArray& window, const Fragment& f) {
    ExerciseState& state = window.exercise().state;
    state.XStart = static_cast<float>(f.x.start);
    state.XEnd = static_cast<float>(f.x.end);
    state.XStep = static_cast<std::int16_t>(f.x.step);
    state.YStart = static_cast<float>(f.y.start);
    state.YEnd = static_cast<float>(f.y.end);
    state.YStep = static_cast<std::int16_t>(f.y.step);
    window.exercise().DisplayProgram();
    window.render();
}

// A window with language n chosen from the menu and started.
std::unique_ptr<frmArray> startedIn(int n) {
    auto window = std::make_unique<frmArray>(std::make_unique<FixedSeedRandom>(4321));
    window->languageItem(n)->trigger();
    window->cmdStart_Click();
    return window;
}

} // namespace

class ListingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyTessalyLook(*qApp); }

    void everyLanguageWritesAllNineLines_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<Fragment>("problem");
        QTest::addColumn<Nine>("lines");
        const auto rows = [](const char* name, int n, const Nine& fixed, const char* xStepped,
                             const char* yStepped, const char* x, const char* y) {
            const auto withHeaders = [&](const char* outer, const char* inner) {
                return fixed.mid(0, 3) + Nine{outer, inner} + fixed.mid(3);
            };
            const Nine stepped = withHeaders(xStepped, yStepped);
            const Nine unstepped = withHeaders(x, y);
            QTest::newRow(qPrintable(QString(name) + ", steps of 2")) << n << Stepped << stepped;
            QTest::newRow(qPrintable(QString(name) + ", steps of 1"))
                << n << Unstepped << unstepped;
        };
        rows("Java", 1,
             {"int x, y, order = 1;", "int a[ ][ ] = new int[5][5];", "order = 1;",
              "a[x][y] = order;", "order++;", "}", "}"},
             "for (x= 0; x< 5; x += 2 ) {", "for (y= 1; y< 5; y += 2 ) {",
             "for (x= 1; x< 4; x++ ) {", "for (y= 2; y< 5; y++ ) {");
        rows("BASIC", 2,
             {"Dim X,Y,Order As Integer", "Dim A(4,4) As Integer", "Order = 1", "A(X,Y)=Order",
              "Order = Order+1", "Next Y", "Next X"},
             "For X = 0 to 4 Step 2", "For Y = 1 to 4 Step 2", "For X = 1 to 3", "For Y = 2 to 4");
        rows("Python", 3,
             {"a = [[0] * 5 for _ in range(5)]", "order = 1", "", "a[x][y] = order", "order += 1",
              "", ""},
             "for x in range(0, 5, 2):", "for y in range(1, 5, 2):", "for x in range(1, 4):",
             "for y in range(2, 5):");
        rows("C/C++", 4,
             {"int a[5][5] = {0};", "int order = 1;", "", "a[x][y] = order;", "order++;", "}", "}"},
             "for (int x = 0; x < 5; x += 2) {", "for (int y = 1; y < 5; y += 2) {",
             "for (int x = 1; x < 4; x++) {", "for (int y = 2; y < 5; y++) {");
        rows("JavaScript", 5,
             {"const a = [[], [], [], [], []];", "let order = 1;", "", "a[x][y] = order;",
              "order++;", "}", "}"},
             "for (let x = 0; x < 5; x += 2) {", "for (let y = 1; y < 5; y += 2) {",
             "for (let x = 1; x < 4; x++) {", "for (let y = 2; y < 5; y++) {");
    }

    void everyLanguageWritesAllNineLines() {
        QFETCH(int, language);
        QFETCH(Fragment, problem);
        QFETCH(Nine, lines);
        const auto window = startedIn(language);
        showProblem(*window, problem);
        Nine shown;
        for (const QLabel* line : window->lblCode) {
            shown << line->text();
            QCOMPARE(line->isVisibleTo(window.get()),
                     !line->text().isEmpty()); // a blank is no line to read
        }
        QCOMPARE(shown, lines);
        for (int n = 1; n <= LanguageCount; ++n) {
            QCOMPARE(window->languageItem(n)->isChecked(), n == language);
            QVERIFY(!window->languageItem(n)->isEnabled());
        }
    }

    // Java and BASIC keep the layout's size; a language set smaller is set so
    // in one size, for every line of every problem, and not below 10 pt.
    void everyLineStandsInsideTheFrame() {
        for (int n = 1; n <= LanguageCount; ++n) {
            const auto window = startedIn(n);
            const QRect inside = window->fraProgram->contentsRect();
            std::set<int> sizes;
            for (const Loop& x : drawableLoops()) {
                for (const Loop& y : drawableLoops()) {
                    showProblem(*window, {x, y});
                    for (const QLabel* line : window->lblCode) {
                        sizes.insert(line->font().pixelSize());
                        QVERIFY2(!line->isVisibleTo(window.get()) ||
                                     inside.contains(line->geometry()),
                                 qPrintable(line->text()));
                    }
                }
            }
            QCOMPARE(sizes.size(), std::size_t{1});
            QVERIFY(*sizes.begin() >= 14); // 10 pt at 96 dpi is 13.3 pixels
            if (n <= 2) {
                QCOMPARE(*sizes.begin(), layoutFont(Face::MsSansSerif, 13.5).pixelSize());
            }
        }
    }
};

QTEST_MAIN(ListingWindowTest)
#include "listing_window_test.moc"
