#include "frm_sign_in.hpp"

#include "sign_in.hpp"
#include "whole_characters.hpp"
#include "widgets.hpp"

#include <QCloseEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace tessaly {

namespace {
constexpr int ClientWidth = 4815;
constexpr int ClientHeight = 4845;
} // namespace

frmSignIn::frmSignIn(std::unique_ptr<RandomSource> random) {
    setWindowTitle("Please Sign In");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(twips(ClientWidth), twips(ClientHeight));
    setColors(*this, colors::LightYellow);
    buildControls();
    Form_Load(std::move(random));
    centreOnScreen(*this);
}

frmSignIn::~frmSignIn() = default;

QLineEdit* frmSignIn::makeEntry(const QString& caption, int captionTop, int captionWidth,
                                int boxWidth) {
    makeLabel(this, caption, {600, captionTop, captionWidth, 255}, LabelLook{});
    auto* box = new QLineEdit(this);
    box->setGeometry(twipsRect(600, captionTop + 360, boxWidth, 495));
    box->setFont(layoutFont(Face::MsSansSerif, 18));
    box->setTextMargins(0, 0, 0, 0);
    // Any text is accepted, up to the line edit's 32767 characters: longer
    // text makes every keystroke lay out the whole line again (half a second
    // for a megabyte), and no period, class, name or teacher comes near it.
    box->setMaxLength(MaxEntryLength);
    box->setValidator(new WholeCharacterValidator(box)); // the cut never halves a character
    return box;
}

void frmSignIn::buildControls() {
    auto* Shape1 = new QFrame(this);
    Shape1->setGeometry(twipsRect(0, 0, 4815, 4815));
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(2);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextColor(*Shape1, colors::Black);
    lblFlash = makeLabel(
        this, "Please Sign In", {1920, 360, 2775, 495},
        LabelLook{colors::PaleYellow, true, false, false, layoutFont(Face::MsSansSerif, 18, true)});
    txtPeriod = makeEntry("Period", 120, 1215, 675);
    txtID = makeEntry("Class ID#", 1080, 2355, 870);
    txtName = makeEntry("Name (Last, First)", 2040, 1455, 3735);
    txtTeacher = makeEntry("Teacher", 3000, 1215, 3735);
    cmdOk = makeButton(this, "OK", {1200, 4080, 1215, 495});
    cmdOk->setEnabled(false);
    cmdOk->setDefault(true);
    cmdExit = makeButton(this, "Exit", {2760, 4080, 1215, 495});
    setTabOrder(txtPeriod, txtID);
    setTabOrder(txtID, txtName);
    setTabOrder(txtName, txtTeacher);
    setTabOrder(txtTeacher, cmdOk);
    setTabOrder(cmdOk, cmdExit);
    txtPeriod->setFocus();
    connect(txtPeriod, &QLineEdit::textChanged, this, &frmSignIn::txtPeriod_Change);
    connect(txtID, &QLineEdit::textChanged, this, &frmSignIn::txtID_Change);
    connect(txtName, &QLineEdit::textChanged, this, &frmSignIn::txtName_Change);
    connect(txtTeacher, &QLineEdit::textChanged, this, &frmSignIn::txtTeacher_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmSignIn::cmdOk_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSignIn::cmdExit_Click);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSignIn::Timer1_Timer);
    Timer1->start();
}

void frmSignIn::Form_Load(std::unique_ptr<RandomSource> random) {
    frmArray_ = std::make_unique<tessaly::frmArray>(std::move(random));
    frmArray_->setEnabled(false);
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
    frmArray_->exercise().student.*label = utf8(box.text());
    frmArray_->render();
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
    frmArray_->setEnabled(true);
    frmArray_->exercise().student.lblDate = utf8(shortDate());
    frmArray_->render();
    removed_ = true;
    Timer1->stop();
    hide();
    frmArray_->activateWindow();
}

void frmSignIn::cmdExit_Click() {
    endProgram();
}

void frmSignIn::reject() {}

void frmSignIn::closeEvent(QCloseEvent* event) {
    if (!removed_) {
        event->ignore();
    }
}

} // namespace tessaly
