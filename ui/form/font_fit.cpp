// SPDX-License-Identifier: MIT
#include "ui/form/font_fit.hpp"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace tessaly {

namespace {

// What a self-sizing label keeps between two sizings.
constexpr const char* SizesItselfKey = "tessalySizesItself";
constexpr const char* MiddleKey = "tessalyMiddle";

} // namespace

void setSizesItself(QLabel& label, bool sizesItself) {
    label.setProperty(SizesItselfKey, sizesItself);
}

bool sizesItself(const QLabel& label) {
    return label.property(SizesItselfKey).toBool();
}

void sizeToCaption(QLabel& label) {
    if (!label.property(MiddleKey).isValid()) {
        label.setProperty(MiddleKey, label.x() + label.width() / 2);
    }
    const int middle = label.property(MiddleKey).toInt();
    label.resize(label.sizeHint());
    if (label.alignment() & Qt::AlignHCenter) {
        label.move(middle - label.width() / 2, label.y());
    }
}

void setCaption(QLabel& label, const QString& caption) {
    if (label.text() == caption) {
        return;
    }
    label.setText(caption);
    if (sizesItself(label)) {
        sizeToCaption(label);
    }
}

void widenToCaption(QLabel& label) {
    if (label.width() < label.sizeHint().width()) {
        label.resize(label.sizeHint().width(), label.height());
    }
}

void fitButtonCaption(QPushButton& button) {
    const QFont inherited = button.parentWidget()->font();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFont fitting = fittingFont(inherited, button.text(), room.size());
    if (fitting != button.font()) {
        button.setFont(fitting == inherited ? QFont() : fitting);
    }
}

void fitFixedCaption(QLabel& label) {
    QFont font = label.font();
    if (font.pixelSize() == -1) {
        font.setPixelSize(QFontInfo(font).pixelSize());
    }
    while (label.sizeHint().width() > label.width() && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        label.setFont(font);
    }
}

QFont fittingFont(QFont font, const QString& text, QSize box) {
    const QStringList lines = text.split('\n');
    if (font.pixelSize() == -1) { // a font given in points shrinks by whole pixels all the same
        font.setPixelSize(QFontInfo(font).pixelSize());
    }
    while (font.pixelSize() > 8) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        if (widest <= box.width() && metrics.lineSpacing() * lines.size() <= box.height()) {
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

} // namespace tessaly
