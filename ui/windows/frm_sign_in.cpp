// SPDX-License-Identifier: MIT
#include "ui/windows/frm_sign_in.hpp"

#include "engine/sign_in.hpp"
#include "ui/controls/accessibility.hpp"
#include "ui/controls/whole_characters.hpp"
#include "ui/form/builder.hpp"
#include "ui/form/layout.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/platform/clock.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace tessaly {

frmSignIn::frmSignIn(const std::function<tessaly::frmArray&()>& createMainWindow) {
    const WindowLook& look = frmSignInWindow();
    setObjectName("frmSignIn");
    setWindowTitle(QCoreApplication::translate("frmSignIn", look.caption.c_str()));
    setWindowIcon(programIcon());
    installAccessibility();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(twips(look.clientWidth), twips(look.clientHeight));
    setColors(*this, look.background);
    buildControls();
    Form_Load(createMainWindow);
    centreOnScreen(*this);
}

frmSignIn::~frmSignIn() = default;

void frmSignIn::buildControls() {
    tessaly::buildControls(*this, frmSignInLayout(), "frmSignIn",
                           static_cast<frmSignInForm&>(*this));
    nameEntries();
    for (QLineEdit* box : {txtPeriod, txtID, txtName, txtTeacher}) {
        // Any text is accepted, up to the line edit's 32767 characters: longer
        // text makes every keystroke lay out the whole line again (half a
        // second for a megabyte), and no period, class, name or teacher comes
        // near it.
        box->setMaxLength(MaxEntryLength);
        box->setValidator(new WholeCharacterValidator(box)); // the cut never halves a character
    }
    cmdOk->setEnabled(false);
    cmdOk->setDefault(true);
    setTabOrder(txtPeriod, txtID);
    setTabOrder(txtID, txtName);
    setTabOrder(txtName, txtTeacher);
    setTabOrder(txtTeacher, cmdOk);
    setTabOrder(cmdOk, cmdExit);
    txtPeriod->setFocus();
    connectControls();
    startTimer();
}

// Each box is named after the caption above it.
void frmSignIn::nameEntries() {
    const std::array<std::pair<QLineEdit*, const char*>, 4> entries = {{{txtPeriod, "Label1"},
                                                                        {txtID, "Label3"},
                                                                        {txtName, "lblNameTitle"},
                                                                        {txtTeacher, "Label2"}}};
    // The caption is tied to its box as its label, so that a screen reader
    // says it once, with the box, and not again among the window's loose texts.
    for (const auto& [box, caption] : entries) {
        QLabel* label = control<QLabel>(*this, caption);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
    }
}

void frmSignIn::connectControls() {
    connect(txtPeriod, &QLineEdit::textChanged, this, &frmSignIn::txtPeriod_Change);
    connect(txtID, &QLineEdit::textChanged, this, &frmSignIn::txtID_Change);
    connect(txtName, &QLineEdit::textChanged, this, &frmSignIn::txtName_Change);
    connect(txtTeacher, &QLineEdit::textChanged, this, &frmSignIn::txtTeacher_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmSignIn::cmdOk_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSignIn::cmdExit_Click);
}

void frmSignIn::startTimer() {
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSignIn::Timer1_Timer);
    Timer1->start();
}

void frmSignIn::Form_Load(const std::function<tessaly::frmArray&()>& createMainWindow) {
    frmArray_ = &createMainWindow();
    setEnabledTellingShownOnly(*frmArray_, false);
    frmArray_->show();
    centreOnScreen(*frmArray_);
    winId(); // the native window exists, so it can stand above the exercise window
    if (windowHandle() != nullptr && frmArray_->windowHandle() != nullptr) {
        windowHandle()->setTransientParent(frmArray_->windowHandle());
    }
}

void frmSignIn::Timer1_Timer() {
    if (lblFlash->palette().color(QPalette::Window) == toQColor(colors::Black)) {
        setColors(*lblFlash, colors::Yellow, colors::Black);
    } else {
        setColors(*lblFlash, colors::Black, colors::Yellow);
    }
}

void frmSignIn::mirror(const QLineEdit& box, std::string StudentData::*label) {
    frmArray_->writeStudentData(label, box.text());
    OnOk();
}

void frmSignIn::txtPeriod_Change() {
    mirror(*txtPeriod, &StudentData::lblPeriod);
}

void frmSignIn::txtID_Change() {
    mirror(*txtID, &StudentData::lblID);
}

void frmSignIn::txtName_Change() {
    mirror(*txtName, &StudentData::lblName);
}

void frmSignIn::txtTeacher_Change() {
    mirror(*txtTeacher, &StudentData::lblTeacher);
}

void frmSignIn::OnOk() {
    cmdOk->setEnabled(signInComplete(utf8(txtPeriod->text()), utf8(txtID->text()),
                                     utf8(txtName->text()), utf8(txtTeacher->text())));
}

void frmSignIn::cmdOk_Click() {
    if (!cmdOk->isEnabled() || removed_) {
        return;
    }
    setEnabledTellingShownOnly(*frmArray_, true);
    frmArray_->writeSignInDate(shortDate());
    removed_ = true;
    Timer1->stop();
    hide();
    frmArray_->activateWindow();
    emit signedIn();
}

void frmSignIn::cmdExit_Click() {
    emit endRequested();
}

void frmSignIn::reject() {}

void frmSignIn::closeEvent(QCloseEvent* event) {
    if (!removed_) {
        event->ignore();
    }
}

} // namespace tessaly
