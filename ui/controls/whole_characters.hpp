// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QValidator>

namespace tessaly {

// The longest start of `text` that has at most `maxGraphemes` grapheme
// clusters (characters as a reader counts them) and at most `maxUtf8Bytes`
// bytes in UTF-8, so that no character, emoji or accented letter is cut in
// half and a file system's limit on a name's bytes is kept.
QString leftWholeGraphemes(const QString& text, qsizetype maxGraphemes, qsizetype maxUtf8Bytes);

// How many grapheme clusters `text` has.
qsizetype graphemeCount(const QString& text);

// `text` without unpaired surrogates: what is left is whole characters only.
// `position`, a cursor in `text`, moves with the characters before it.
QString withoutHalfCharacters(const QString& text, int* position = nullptr);

// Keeps a line edit's text to whole characters. A line edit cuts text at its
// maximum length by code units, which can split a character outside the
// Basic Multilingual Plane (an emoji) and leave half of it; this drops such a
// half, so that what the box holds is exactly what every copy of it shows.
class WholeCharacterValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace tessaly
