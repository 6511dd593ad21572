// SPDX-License-Identifier: MIT
// Every listing is a program that really runs: for each language, the nine
// lines of every problem that a level can draw, exactly as the exercise
// window shows them (indented as they stand), go into one program, which the
// language's own toolchain builds and runs. Each problem prints its array,
// which must hold 1..n in the cells that the test run scores, in its order,
// and nothing anywhere else.

#include "engine/exercise.hpp"
#include "engine/loops.hpp"
#include "engine/number_text.hpp"
#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/windows/frm_array.hpp"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace tessaly {
namespace {

// How a language's programs are put together, built and run. In the
// commands, {dir} is the working folder and {file} the source file.
struct Toolchain {
    const char* language; // the caption of its entry in the Language menu
    const char* file;
    const char* head; // before the first problem
    const char* open; // around each problem's lines, which leave its array in a
    const char* close;
    const char* tail;
    std::vector<QStringList> build;
    QStringList run;
};

constexpr const char* CHead = "#include <stdio.h>\n"
                              "static void show(int a[5][5]) {\n"
                              "    for (int i = 0; i < 25; i++)\n"
                              "        printf(i < 24 ? \"%d \" : \"%d\\n\", a[i / 5][i % 5]);\n"
                              "}\n"
                              "int main(void) {\n";

// A JavaScript row takes any index; one written past 4 lengthens the row that
// show() prints, and an unwritten element prints as 0.
const std::vector<Toolchain> Toolchains = {
    {"Python",
     "listing.py",
     "",
     "",
     "print(*[v for row in a for v in row])\n",
     "",
     {},
     {"python3", "{file}"}},
    {"C/C++",
     "listing.c",
     CHead,
     "{\n",
     "show(a);\n}\n",
     "return 0;\n}\n",
     {{"gcc", "-std=c99", "-pedantic-errors", "-o", "{dir}/listing", "{file}"}},
     {"{dir}/listing"}},
    {"C/C++",
     "listing.cpp",
     CHead,
     "{\n",
     "show(a);\n}\n",
     "return 0;\n}\n",
     {{"g++", "-std=c++17", "-pedantic-errors", "-o", "{dir}/listing", "{file}"}},
     {"{dir}/listing"}},
    {"JavaScript",
     "listing.js",
     "function show(a) {\n"
     "    const cells = a.flatMap(row => Array.from({length: Math.max(row.length, 5)},\n"
     "                                              (_, j) => row[j] ?? 0));\n"
     "    console.log(cells.join(' '));\n"
     "}\n",
     "{\n",
     "show(a);\n}\n",
     "",
     {},
     {"node", "{file}"}},
    {"Java",
     "Listing.java",
     "class Listing {\n"
     "    static void show(int a[][]) {\n"
     "        StringBuilder line = new StringBuilder();\n"
     "        for (int[] row : a) for (int v : row) line.append(line.length() > 0 ? \" \" : "
     "\"\").append(v);\n"
     "        System.out.println(line);\n"
     "    }\n"
     "    public static void main(String[] args) {\n",
     "{\n",
     "show(a);\n}\n",
     "}\n}\n",
     {{"javac", "-d", "{dir}", "{file}"}},
     {"java", "-cp", "{dir}", "Listing"}},
};

// Every problem that a level can draw: each drawable loop for X with each for Y.
std::vector<Fragment> drawableProblems() {
    std::vector<Fragment> problems;
    for (const Loop& x : drawableLoops()) {
        for (const Loop& y : drawableLoops()) {
            problems.push_back({x, y});
        }
    }
    return problems;
}

void setLoops(ExerciseState& state, const Fragment& f) {
    state.XStart = static_cast<float>(f.x.start);
    state.XEnd = static_cast<float>(f.x.end);
    state.XStep = static_cast<std::int16_t>(f.x.step);
    state.YStart = static_cast<float>(f.y.start);
    state.YEnd = static_cast<float>(f.y.end);
    state.YStep = static_cast<std::int16_t>(f.y.step);
}

// The listing's lines as the window shows them, each indented by its level:
// lines whose left edges lie less than a blank apart stand in one column.
QString shownListing(const frmArray& window) {
    std::vector<int> columns;
    for (const QLabel* line : window.lblCode) {
        const int blank = line->fontMetrics().horizontalAdvance(' ');
        if (std::none_of(columns.begin(), columns.end(),
                         [&](int c) { return std::abs(line->x() - c) < blank; })) {
            columns.push_back(line->x());
        }
    }
    std::sort(columns.begin(), columns.end());
    QString text;
    for (const QLabel* line : window.lblCode) {
        const auto column = std::find_if(columns.begin(), columns.end(), [&](int c) {
            return std::abs(line->x() - c) < line->fontMetrics().horizontalAdvance(' ');
        });
        const QString indent(4 * static_cast<int>(column - columns.begin()), ' ');
        text += (line->text().isEmpty() ? QString() : indent + line->text()) + '\n';
    }
    return text;
}

// What the test run shows after "Test Now!" on an unmarked grid: every cell
// the loops visit holds its order number, every other cell 0.
QString scoredArray(const Fragment& problem) {
    TimeSeededRandom random;
    Exercise exercise(random);
    exercise.Form_Load(0);
    setLoops(exercise.state, problem);
    exercise.cmdRun_Click();
    QStringList cells;
    for (int k = 1; k <= CellCount; ++k) {
        cells << qs(exercise.grid.lblCell[k].caption);
    }
    return cells.join(' ');
}

QStringList filled(QStringList command, const QString& dir, const QString& file) {
    for (QString& word : command) {
        word.replace("{dir}", dir).replace("{file}", file);
    }
    return command;
}

// Runs a command in `dir`; its standard output, or a failure with its errors.
std::optional<QString> run(const QStringList& command, const QString& dir) {
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << command.join(' ') << "failed:" << process.errorString()
                             << process.readAllStandardError();
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int languageRow(const char* caption) {
    for (int n = 1; n <= LanguageCount; ++n) {
        if (language(n).caption == caption) {
            return n;
        }
    }
    qFatal("no language %s", caption);
}

} // namespace

class ListingRunTest : public QObject {
    Q_OBJECT
private slots:
    void everyProblemFillsTheScoredArray_data() {
        QTest::addColumn<int>("toolchain");
        for (std::size_t i = 0; i < Toolchains.size(); ++i) {
            QTest::newRow(Toolchains[i].file) << static_cast<int>(i);
        }
    }

    void everyProblemFillsTheScoredArray() {
        QFETCH(int, toolchain);
        const Toolchain& chain = Toolchains[static_cast<std::size_t>(toolchain)];
        frmArray window;
        window.languageItem(languageRow(chain.language))->trigger();
        window.cmdStart_Click();
        QString source = chain.head;
        QStringList listings;
        QStringList expected;
        for (const Fragment& problem : drawableProblems()) {
            setLoops(window.exercise().state, problem);
            window.exercise().DisplayProgram();
            window.render();
            listings << shownListing(window);
            source += chain.open + listings.back() + chain.close;
            expected << scoredArray(problem);
        }
        source += chain.tail;
        QTemporaryDir dir;
        const QString file = dir.filePath(chain.file);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) &&
                out.write(source.toUtf8()) == source.toUtf8().size());
        out.close();
        for (const QStringList& step : chain.build) {
            QVERIFY2(run(filled(step, dir.path(), file), dir.path()), "the build");
        }
        const std::optional<QString> printed = run(filled(chain.run, dir.path(), file), dir.path());
        QVERIFY2(printed, "the run");
        const QStringList arrays = printed->split('\n', Qt::SkipEmptyParts);
        QCOMPARE(arrays.size(), expected.size());
        for (qsizetype p = 0; p < arrays.size(); ++p) {
            QVERIFY2(arrays[p] == expected[p],
                     qPrintable(QString("%1 filled %2; the test run scores %3")
                                    .arg(listings[p], arrays[p], expected[p])));
        }
    }
};

} // namespace tessaly

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaly::applyTessalyLook(app);
    tessaly::ListingRunTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "listing_run_test.moc"
