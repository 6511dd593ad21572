// SPDX-License-Identifier: MIT
#include "ui/controls/translation.hpp"

#include "tessaly_config.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tessaly {

Translations::Translations(const QStringList& languages, const QString& folder) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C ||
            load(language, folder)) {
            break;
        }
    }
}

Translations::~Translations() {
    if (language_.isEmpty()) {
        return;
    }
    useTranslator(nullptr);
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&tessaly_);
}

// A language without Tessaly's catalogue is passed over; Qt's is welcome but
// not needed (without it the dialogs' buttons stay English).
bool Translations::load(const QString& language, const QString& folder) {
    const QLocale locale(language);
    if (!tessaly_.load(locale, QStringLiteral("tessaly"), QStringLiteral("_"), folder)) {
        return false;
    }
    QCoreApplication::installTranslator(&tessaly_);
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    language_ = QLocale::languageToCode(locale.language());
    useTranslator(this);
    return true;
}

std::string Translations::translate(const Phrase& phrase, int count) const {
    return tessaly_.translate(phrase.context, phrase.source, phrase.one, count).toStdString();
}

QString translationsFolder() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QLatin1String(TranslationsRelativePath);
}

} // namespace tessaly
