// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls/held_key_guard.hpp"
#include "ui/platform/window_watch.hpp"
#include "ui/windows/frm_array.hpp"
#include "ui/windows/frm_sign_in.hpp"

#include <QObject>
#include <QPointer>

#include <memory>

namespace tessaly {

// The running program: it owns both windows side by side. The sign-in window
// creates the exercise window at start-up, as the start-up order requires,
// but the program keeps it; OK destroys the sign-in window for good, and the
// exercise window carries the rest of the run.
class Program : public QObject {
    Q_OBJECT
public:
    // A null random source means the real time-seeded one.
    explicit Program(std::unique_ptr<RandomSource> random = nullptr);
    ~Program() override;

    // Shows the sign-in window in front of the exercise window.
    void start();

    // The sign-in window; null once OK has removed it.
    frmSignIn* signIn() const { return frmSignIn_.get(); }
    frmArray& mainWindow() const { return *frmArray_; }

    // Ends the program at once: every window goes, nothing is asked.
    static void end();

private:
    frmArray& createMainWindow();
    void removeSignIn();

    std::unique_ptr<RandomSource> random_;
    // Space or Enter held down presses once, in either window and its dialogs.
    HeldKeyGuard heldKeys_;
    // Declared before the sign-in window, which refers to it, so that it
    // outlives it.
    std::unique_ptr<frmArray> frmArray_;
    std::unique_ptr<frmSignIn> frmSignIn_;
    // Ends the program when the window system destroys the sign-in window,
    // which would otherwise leave the exercise window disabled for good.
    std::unique_ptr<WindowLossWatch> signInWatch_;
    // Ends the program when the window system destroys the exercise window,
    // as Exit does, whatever the window is doing (a print may be waiting).
    std::unique_ptr<WindowLossWatch> mainWatch_;
    // A removed sign-in window until the event loop has destroyed it.
    QPointer<frmSignIn> leaving_;
};

} // namespace tessaly
