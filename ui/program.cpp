#include "program.hpp"

#include "key_repeat.hpp"

namespace tessaly {

Program::Program(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {
    repeatHeldKeysWithoutReleases(); // the guard also works where it cannot
    frmSignIn_ = std::make_unique<frmSignIn>([this]() -> frmArray& { return createMainWindow(); });
    connect(frmSignIn_.get(), &frmSignIn::signedIn, this, &Program::removeSignIn);
    signInWatch_ = std::make_unique<WindowLossWatch>(*frmSignIn_, endProgram);
}

Program::~Program() {
    delete leaving_.data();
}

void Program::start() {
    frmSignIn_->show();
}

frmArray& Program::createMainWindow() {
    frmArray_ = std::make_unique<frmArray>(std::move(random_));
    mainWatch_ = std::make_unique<WindowLossWatch>(*frmArray_, endProgram);
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
