#include "frm_sign_in.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    QGuiApplication::setDesktopFileName(TESSALY_APP_ID);
    tessaly::applyTessalyLook(app);
    tessaly::frmSignIn signIn;
    signIn.show();
    return QApplication::exec();
}
