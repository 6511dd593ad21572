// SPDX-License-Identifier: MIT
#include "ui/form/font_fit.hpp"

#include "engine/languages.hpp"
#include "engine/listing.hpp"
#include "ui/form/layout.hpp"
#include "ui/form/qt_convert.hpp"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace tessaly {

namespace {

// What a self-sizing label keeps between two sizings.
constexpr const char* SizesItselfKey = "tessalySizesItself";
constexpr const char* MiddleKey = "tessalyMiddle";

// The smallest size a listing is set in: 10 pt at 96 dpi, in whole pixels.
const int SmallestListingPixels = static_cast<int>(std::ceil(10.0 * 96.0 / 72.0));

// The right end of the widest line, in pixels from the frame's left.
int widestLineEnd(const QFont& font,
                  const std::array<std::vector<std::string>, Listing::LineCount>& lines) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < Listing::LineCount; ++i) {
        const int left = twips(codePlace(i).first);
        for (const std::string& line : lines[static_cast<std::size_t>(i)]) {
            // As a label measures its caption when it sizes itself.
            const int width = metrics.boundingRect(QRect(), Qt::AlignLeft, qs(line)).width();
            widest = std::max(widest, left + width);
        }
    }
    return widest;
}

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

int listingEnd(const QGroupBox& frame) {
    const QRect inside = frame.contentsRect();
    return inside.x() + inside.width();
}

int listingPixelSize(int n, const QFont& font, int right) {
    if (language(n).languageFlag) {
        return font.pixelSize(); // the layout was drawn for Java's and BASIC's lines
    }
    static std::map<std::tuple<int, int, int>, int> worked;
    const auto key = std::tuple(n, font.pixelSize(), right);
    if (const auto found = worked.find(key); found != worked.end()) {
        return found->second;
    }
    const auto lines = drawableLines(n);
    QFont fitted = font;
    while (fitted.pixelSize() > SmallestListingPixels && widestLineEnd(fitted, lines) > right) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    worked[key] = fitted.pixelSize();
    return fitted.pixelSize();
}

} // namespace tessaly
