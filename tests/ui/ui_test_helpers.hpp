// SPDX-License-Identifier: MIT
#pragma once

// Small helpers shared by the widget tests: opening and signing in, reading the
// grid back as text, and reading the loops off the listing the window shows.

#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/print/print_module_loader.hpp"
#include "ui/print/result_sheet_printer.hpp"
#include "ui/program.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <optional>

namespace tessaly::test {

// Test programs run from their own folders: they find the print module in
// the build tree.
inline const bool printModuleFound = [] {
    addPrintModuleCandidate(QStringLiteral(TESSALY_PRINT_MODULE));
    return true;
}();

// Print then finds no print service at once and offers to save a PDF.
inline void printWithoutService(const QString& folder) {
    qputenv("CUPS_SERVER", (folder + QStringLiteral("/no-such-server.sock")).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", folder.toLocal8Bit());
}

// The program's own generator with a fixed seed, so that a failing run can be
// repeated problem for problem.
class FixedSeedRandom : public TimeSeededRandom {
public:
    explicit FixedSeedRandom(float seconds) : seconds_(seconds) {}
    void seed(float) override { TimeSeededRandom::seed(seconds_); }

private:
    float seconds_;
};

// Counts the presses of Space or Enter that reach a widget unflagged as
// repeats: the grid's keyboard presses a cell on each of them.
class KeyPressCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const bool press = key.key() == Qt::Key_Space || key.key() == Qt::Key_Return;
            count += press && !key.isAutoRepeat() ? 1 : 0;
        }
        return false;
    }
};

inline QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

inline QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

// Waits until `window` is the application's active window. (A window counts as
// active for QTest while a transient child of it has the focus, so the
// sign-in window standing in front of it would satisfy qWaitForWindowActive.)
inline bool waitUntilActive(QWidget& window) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
}

// A started program; `->` reaches its sign-in window while that exists.
class OpenProgram {
public:
    explicit OpenProgram(std::unique_ptr<RandomSource> random)
        : program_(std::make_unique<Program>(std::move(random))) {}

    frmSignIn* operator->() const { return &**this; }
    frmSignIn& operator*() const {
        if (program_->signIn() == nullptr) {
            qFatal("the sign-in window is gone");
        }
        return *program_->signIn();
    }
    Program& program() const { return *program_; }
    frmArray& mainWindow() const { return program_->mainWindow(); }

private:
    std::unique_ptr<Program> program_;
};

// A shown and active sign-in window, with its exercise window behind it.
inline OpenProgram openSignIn(std::unique_ptr<RandomSource> random = nullptr) {
    OpenProgram program(random ? std::move(random) : std::make_unique<FixedSeedRandom>(4321));
    program.program().start();
    program->activateWindow();
    if (!waitUntilActive(*program)) {
        qWarning("the sign-in window did not become active");
    }
    return program;
}

// Signs in with the sign-in code and waits until the exercise window is active.
inline bool signInWithCode(OpenProgram& program) {
    QTest::keyClicks(program->txtPeriod, "~");
    QTest::mouseClick(program->cmdOk, Qt::LeftButton);
    return waitUntilActive(program.mainWindow());
}

// One token per cell: "." for "0" on white, "X" for "X" on orange, otherwise a
// colour letter (Y yellow, G green, R red, W white, ? any other) and the caption.
inline QString cellToken(const QLabel* cell) {
    const QColor colour = background(cell);
    const QString text = cell->text();
    if (colour == toQColor(colors::White) && text == "0") {
        return ".";
    }
    if (colour == toQColor(colors::Orange) && text == "X") {
        return "X";
    }
    const QString letter = colour == toQColor(colors::Yellow)  ? "Y"
                           : colour == toQColor(colors::Green) ? "G"
                           : colour == toQColor(colors::Red)   ? "R"
                           : colour == toQColor(colors::White) ? "W"
                                                               : "?";
    return letter + text;
}

// The grid as five rows of tokens, top row first: ". G1 G2 . .".
inline QStringList gridRows(const frmArray& window) {
    QStringList rows;
    for (int r = 0; r < 5; ++r) {
        QStringList tokens;
        for (int c = 1; c <= 5; ++c) {
            tokens << cellToken(window.lblCell[r * 5 + c]);
        }
        rows << tokens.join(' ');
    }
    return rows;
}

inline const QStringList BlankGrid = {". . . . .", ". . . . .", ". . . . .", ". . . . .",
                                      ". . . . ."};

// Which of 25 widgets are shown: five rows of '#' (shown) and '-' (hidden).
template <typename Array> QString shownPattern(const Array& widgets) {
    QString pattern;
    for (int k = 1; k <= 25; ++k) {
        pattern += widgets[k]->isVisible() ? '#' : '-';
        if (k % 5 == 0 && k < 25) {
            pattern += '/';
        }
    }
    return pattern;
}

// One loop of the listing in shown indices: first and last index visited, and the step.
struct ShownLoop {
    QChar variable;
    int first = 0;
    int last = 0;
    int step = 1;
};

// Reads a loop header as the student sees it, in any language of the menu:
// "For X = 1 to 4 Step 2", "for (x= 1; x< 5; x += 2 ) {", "for x in range(1, 5, 2):",
// "for (int x = 1; x < 5; x += 2) {" or with "let"; nothing when it is none of them.
inline std::optional<ShownLoop> parseLoopHeader(const QString& header) {
    // Each pattern captures the variable, the first index, the bound and the
    // step; the bound is the last index in BASIC and one past it elsewhere.
    static const std::pair<QRegularExpression, int> headers[] = {
        {QRegularExpression(R"(^For ([XY]) = (\d) to (\d)(?: Step (\d))?$)"), 0},
        {QRegularExpression(R"(^for \(([xy])= (\d); \1< (\d); \1(?:\+\+| \+= (\d)) \) \{$)"), 1},
        {QRegularExpression(R"(^for ([xy]) in range\((\d), (\d)(?:, (\d))?\):$)"), 1},
        {QRegularExpression(
             R"(^for \((?:int|let) ([xy]) = (\d); \1 < (\d); \1(?:\+\+| \+= (\d))\) \{$)"),
         1},
    };
    for (const auto& [pattern, past] : headers) {
        if (const auto m = pattern.match(header); m.hasMatch()) {
            return ShownLoop{m.captured(1)[0].toUpper(), m.captured(2).toInt(),
                             m.captured(3).toInt() - past,
                             m.captured(4).isEmpty() ? 1 : m.captured(4).toInt()};
        }
    }
    return std::nullopt;
}

// The cells (1..25) that the listing's two loops write, in the order they write them;
// empty when the headers cannot be read.
inline QList<int> cellsWritten(const frmArray& window) {
    const auto outer = parseLoopHeader(window.lblCode[3]->text());
    const auto inner = parseLoopHeader(window.lblCode[4]->text());
    QList<int> cells;
    if (!outer || !inner || outer->variable != u'X' || inner->variable != u'Y') {
        return cells;
    }
    for (int x = outer->first; x <= outer->last; x += outer->step) {
        for (int y = inner->first; y <= inner->last; y += inner->step) {
            cells << x * 5 + y + 1;
        }
    }
    return cells;
}

inline void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// After sign-in: presses Start, counts in `prints` each offer of a PDF (what
// every Print ends in without a print service), and returns the control to
// press: "Test Now!", "Print" (after playing the series to its end) or `cell`.
inline QWidget* startForPresses(frmArray& main, const QString& target, QWidget* cell, int& prints) {
    click(main.cmdStart);
    main.printer().askToSavePdf = [&prints](const QString&) {
        ++prints;
        return false;
    };
    if (target == "Print") {
        while (!main.cmdPrint->isVisible()) {
            click(main.cmdRun);
        }
        return main.cmdPrint;
    }
    return target == "Test Now!" ? main.cmdRun : cell;
}

} // namespace tessaly::test
