// SPDX-License-Identifier: MIT
#include "ui/controls/whole_characters.hpp"

#include <QTextBoundaryFinder>

namespace tessaly {

QString leftWholeGraphemes(const QString& text, qsizetype maxUnits) {
    if (text.size() <= maxUnits) {
        return text;
    }
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(maxUnits);
    const qsizetype cut = graphemes.isAtBoundary() ? maxUnits : graphemes.toPreviousBoundary();
    return text.left(std::max<qsizetype>(0, cut));
}

QString withoutHalfCharacters(const QString& text, int* position) {
    QString whole;
    whole.reserve(text.size());
    const qsizetype cursor = position != nullptr ? *position : 0;
    int removedBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool pairStart =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairStart) {
            whole += c;
            whole += text[++i];
        } else if (c.isSurrogate()) {
            removedBeforeCursor += i < cursor ? 1 : 0;
        } else {
            whole += c;
        }
    }
    if (position != nullptr) {
        *position -= removedBeforeCursor;
    }
    return whole;
}

QValidator::State WholeCharacterValidator::validate(QString& input, int& position) const {
    int cursor = position;
    QString whole = withoutHalfCharacters(input, &cursor);
    if (whole.size() != input.size()) {
        input = std::move(whole);
        position = cursor;
    }
    return Acceptable;
}

} // namespace tessaly
