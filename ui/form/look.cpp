// SPDX-License-Identifier: MIT
#include "ui/form/look.hpp"

#include "ui/form/qt_convert.hpp"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

#include <cmath>

namespace tessaly {

QFont layoutFont(Face face, double points, bool bold) {
    QFont font;
    switch (face) {
    case Face::MsSansSerif:
        font.setFamilies({"Liberation Sans", "MS Sans Serif", "Arial", "Helvetica", "DejaVu Sans"});
        break;
    case Face::Arial:
        font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
        break;
    case Face::ArialBlack:
        font.setFamilies({"Liberation Sans", "Arial Black", "Helvetica", "DejaVu Sans"});
        font.setWeight(QFont::Black);
        break;
    case Face::TimesNewRoman:
        font.setFamilies({"Liberation Serif", "Times New Roman", "Times", "DejaVu Serif"});
        break;
    }
    font.setStyleHint(face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    if (bold) {
        font.setBold(true);
    }
    return font;
}

void applyTessalyLook(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    QPalette palette(toQColor(colors::Grey));
    palette.setColor(QPalette::Window, toQColor(colors::Grey));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, toQColor(colors::LightGrey));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Button, toQColor(colors::Grey));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    app.setPalette(palette);
    app.setFont(layoutFont(Face::MsSansSerif, 8));
}

void setColors(QWidget& widget, Color background, Color text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(text));
    if (palette != widget.palette()) {
        widget.setPalette(palette);
    }
    widget.setAutoFillBackground(true);
}

void setTextColor(QWidget& widget, Color text) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, toQColor(text));
    widget.setPalette(palette);
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/tessaly/tessaly.png"));
}

} // namespace tessaly
