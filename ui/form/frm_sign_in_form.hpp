// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

// The sign-in window's controls as its layout table names them: the builder
// fills each pointer from the row bound to it.
struct frmSignInForm {
    QLabel* lblFlash = nullptr;
    QLineEdit* txtPeriod = nullptr;
    QLineEdit* txtID = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtTeacher = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace tessaly
