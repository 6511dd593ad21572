#pragma once

#include "colors.hpp"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QTime>

#include <string>

class QWidget;
class QApplication;

namespace tessaly {

// 0x00BBGGRR to QColor.
QColor toQColor(Color color);

// Twips to pixels at 96 dpi (15 twips a pixel); Qt scales pixels on high-dpi screens.
int twips(int value);
QRect twipsRect(int left, int top, int width, int height);

// The layout's fonts, sized in pixels so that the system's dpi setting cannot
// change the layout. Each names the installed metric-compatible Liberation
// family first, then the original: a family that is not installed sends every
// font through the font configuration's substitution at start-up.
enum class Face { MsSansSerif, Arial, ArialBlack, TimesNewRoman };
QFont layoutFont(Face face, double points, bool bold = false);

// Engine text (UTF-8) to and from Qt.
QString qs(const std::string& text);
std::string utf8(const QString& text);

// A fixed light look for every desktop: the Fusion style with a light palette,
// so that a dark theme cannot change a cell's text or background.
void applyTessalyLook(QApplication& app);

// Background and text colours set explicitly on a widget.
void setColors(QWidget& widget, Color background, Color text = colors::Black);
void setTextColor(QWidget& widget, Color text);

// A label that reports clicks, as the grid's cells do. While it has the
// keyboard focus it shows a frame inside its border, leaving its background
// and caption as they are.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What a mouse click does, for the keyboard and assistive technology.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The program's icon, shown by every window.
QIcon programIcon();

// The date of today in the system's short date format.
QString shortDate();

// Seconds since midnight, local time, with their fraction, for seeding the exercise.
float secondsSinceMidnight();
float secondsSinceMidnight(QTime time);

// Ends the program at once: every window goes, nothing is asked.
void endProgram();

} // namespace tessaly
