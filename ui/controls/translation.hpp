// SPDX-License-Identifier: MIT
#pragma once

#include "engine/phrase.hpp"

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tessaly {

// The student's language for the whole program: Tessaly's catalogue, which
// the windows' texts and the engine's sentences are looked up in, and Qt's own
// (qtbase), which the standard dialogs' buttons are. While it lives, its
// catalogues are installed in the application and the engine translates
// through it; English needs neither, so nothing is loaded for it.
class Translations : public Translator {
public:
    // `languages` in order of preference, as QLocale::uiLanguages() gives
    // them ("de-DE", "fr"); the first that is English, or that Tessaly has a
    // catalogue for in `folder`, is taken; none of them: English.
    Translations(const QStringList& languages, const QString& folder);
    ~Translations() override;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language taken, "de"; empty for English.
    QString language() const { return language_; }

    std::string translate(const Phrase& phrase, int count) const override;

private:
    bool load(const QString& language, const QString& folder);

    QTranslator tessaly_;
    QTranslator qt_;
    QString language_;
};

// Where Tessaly's catalogues lie beside the program: share/tessaly/translations
// under the prefix it runs from.
QString translationsFolder();

} // namespace tessaly
