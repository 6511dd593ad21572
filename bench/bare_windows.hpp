// SPDX-License-Identifier: MIT
#pragma once

// The floor that the benchmarks hold Tessaly against: its two windows with the
// same widgets (count, kinds, geometry, fonts, palettes, captions, menus, icon
// and flashing timer), made by plain Qt calls from the rows of the layout
// tables, with no engine, no layout builder and no render. Fonts name the
// installed family alone; captions are those of the first screen.

#include <QDialog>
#include <QMainWindow>

#include <memory>

class QApplication;

namespace tessaly::bench {

// The look every Tessaly window has: Fusion, the light palette, the dialog font.
void applyBareLook(QApplication& app);

class BareWindows {
public:
    BareWindows();
    ~BareWindows();

    // Shows the exercise window disabled and the sign-in window in front of it.
    void show();

    // The Explain window over the exercise window, modal to it, with the
    // widgets of its layout and their fixed captions; not shown yet.
    std::unique_ptr<QDialog> explainWindow();

    QMainWindow& exercise() { return *exercise_; }
    QDialog& signIn() { return *signIn_; }

private:
    void buildExercise();
    void buildSignIn();

    // The exercise window first: the sign-in window stands above it.
    std::unique_ptr<QMainWindow> exercise_;
    std::unique_ptr<QDialog> signIn_;
};

} // namespace tessaly::bench
