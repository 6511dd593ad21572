// SPDX-License-Identifier: MIT
#include "ui/program.hpp"

#include "ui/platform/key_repeat.hpp"

#include <QApplication>

namespace tessaly {

Program::Program(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {
    heldKeys_.setRepeatsArePressesAlone(repeatHeldKeysWithoutReleases());
    if (const std::optional<int> delay = heldKeyRepeatDelay()) {
        heldKeys_.setRepeatDelay(*delay);
        heldKeys_.setKeyDownQuery(keyIsDown);
    }
    frmSignIn_ = std::make_unique<frmSignIn>([this]() -> frmArray& { return createMainWindow(); });
    connect(frmSignIn_.get(), &frmSignIn::signedIn, this, &Program::removeSignIn);
    connect(frmSignIn_.get(), &frmSignIn::endRequested, this, &Program::end);
    signInWatch_ = std::make_unique<WindowLossWatch>(*frmSignIn_, &Program::end);
}

Program::~Program() {
    delete leaving_.data();
}

void Program::end() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::quit();
}

void Program::start() {
    frmSignIn_->show();
}

frmArray& Program::createMainWindow() {
    frmArray_ = std::make_unique<frmArray>(std::move(random_));
    connect(frmArray_.get(), &frmArray::endRequested, this, &Program::end);
    mainWatch_ = std::make_unique<WindowLossWatch>(*frmArray_, &Program::end);
    return *frmArray_;
}

// OK runs inside the sign-in window's own handler, so the window is destroyed
// once control is back in the event loop; from now on nothing can reach it.
void Program::removeSignIn() {
    signInWatch_.reset();
    leaving_ = frmSignIn_.release();
    leaving_->deleteLater();
}

} // namespace tessaly
