// SPDX-License-Identifier: MIT
#include "ui/controls/whole_characters.hpp"

#include <QTextBoundaryFinder>

namespace tessaly {

QString leftWholeGraphemes(const QString& text, qsizetype maxGraphemes, qsizetype maxUtf8Bytes) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype cut = 0;
    qsizetype bytes = 0;
    for (qsizetype count = 0; count < maxGraphemes; ++count) {
        const qsizetype next = graphemes.toNextBoundary();
        if (next < 0) {
            break;
        }
        bytes += QStringView(text).mid(cut, next - cut).toUtf8().size();
        if (bytes > maxUtf8Bytes) {
            break;
        }
        cut = next;
    }
    return text.left(cut);
}

qsizetype graphemeCount(const QString& text) {
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (graphemes.toNextBoundary() >= 0) {
        ++count;
    }
    return count;
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
