// SPDX-License-Identifier: MIT
#pragma once

#include "ui/form/frm_sign_in_form.hpp"
#include "ui/platform/placement.hpp"
#include "ui/windows/frm_array.hpp"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QTimer;

namespace tessaly {

// The start-up window: asks for period, class ID, name and teacher, mirrors
// every keystroke into the exercise window, and opens it on OK.
class frmSignIn : public QDialog, public frmSignInForm {
    Q_OBJECT
public:
    // Creating the sign-in window creates the exercise window through
    // `createMainWindow` (which runs its load), disables it and shows it. The
    // exercise window belongs to the program, not to this window.
    explicit frmSignIn(const std::function<tessaly::frmArray&()>& createMainWindow);
    ~frmSignIn() override;

    tessaly::frmArray& mainWindow() { return *frmArray_; }

    void Timer1_Timer();
    void txtPeriod_Change();
    void txtID_Change();
    void txtName_Change();
    void txtTeacher_Change();
    void OnOk();
    void cmdOk_Click();
    void cmdExit_Click();

    QTimer* Timer1 = nullptr;

signals:
    // OK was accepted: the program removes this window for good.
    void signedIn();
    // Exit: the program ends.
    void endRequested();

public slots:
    void reject() override; // Escape does not leave the sign-in

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void nameEntries();
    void connectControls();
    void startTimer();
    void Form_Load(const std::function<tessaly::frmArray&()>& createMainWindow);
    // Copies a box's whole text into its label in the exercise window.
    void mirror(const QLineEdit& box, std::string StudentData::*label);

    tessaly::frmArray* frmArray_ = nullptr;
    bool removed_ = false;
};

// The most characters a sign-in box holds.
inline constexpr int MaxEntryLength = 32767;

} // namespace tessaly
