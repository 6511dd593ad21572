// SPDX-License-Identifier: MIT
#include "ui/controls/translation.hpp"
#include "ui/form/look.hpp"
#include "ui/program.hpp"

#include "tessaly_config.hpp"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tessaly");
    QApplication::setApplicationVersion(tessaly::Version);
    QGuiApplication::setDesktopFileName(tessaly::ApplicationId);
    tessaly::applyTessalyLook(app);
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before
    // any window makes a text.
    const tessaly::Translations translations(QLocale::system().uiLanguages(),
                                             tessaly::translationsFolder());
    tessaly::Program program;
    program.start();
    return QApplication::exec();
}
