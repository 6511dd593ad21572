#include "qt_adapter.hpp"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QTime>
#include <QWidget>

#include <cmath>

namespace tessaly {

QColor toQColor(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

int twips(int value) {
    return static_cast<int>(std::lround(value / 15.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

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

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string utf8(const QString& text) {
    return text.toStdString();
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

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QPen pen(QColor(0, 0, 128), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/tessaly/tessaly.png"));
}

QString shortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

float secondsSinceMidnight(QTime time) {
    // With its fraction: students who start in the same second still get
    // problems of their own.
    return static_cast<float>(time.msecsSinceStartOfDay() / 1000.0);
}

float secondsSinceMidnight() {
    return secondsSinceMidnight(QTime::currentTime());
}

void endProgram() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::quit();
}

} // namespace tessaly
