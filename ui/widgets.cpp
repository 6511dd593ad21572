#include "widgets.hpp"

#include <QGroupBox>
#include <QPushButton>

namespace tessaly {

namespace {

void applyLook(QLabel& label, const QString& caption, QRect twipsGeometry, const LabelLook& look) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(look.font);
    label.setGeometry(twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                twipsGeometry.height()));
    if (look.background) {
        setColors(label, *look.background);
    } else {
        setTextColor(label, colors::Black);
        label.setAutoFillBackground(false);
    }
    if (look.framed) {
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
        label.setLineWidth(1);
    }
    label.setAlignment(look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    label.setProperty("autoSize", look.autoSize);
    setCaption(label, caption);
    // A stand-in font may be wider than the layout's; a transparent label may
    // then grow, since nothing of it but its text shows.
    if (!look.background && label.width() < label.sizeHint().width()) {
        label.resize(label.sizeHint().width(), label.height());
    }
}

} // namespace

QLabel* makeLabel(QWidget* parent, const QString& caption, QRect twipsGeometry,
                  const LabelLook& look) {
    auto* label = new QLabel(parent);
    applyLook(*label, caption, twipsGeometry, look);
    return label;
}

ClickableLabel* makeClickableLabel(QWidget* parent, const QString& caption, QRect twipsGeometry,
                                   const LabelLook& look) {
    auto* label = new ClickableLabel(parent);
    applyLook(*label, caption, twipsGeometry, look);
    return label;
}

void setCaption(QLabel& label, const QString& caption) {
    if (label.text() == caption) {
        return;
    }
    label.setText(caption);
    if (label.property("autoSize").toBool()) {
        // A centred label grows about its middle, so that "20" stays clear of
        // its neighbours just as "1" does.
        if (!label.property("middle").isValid()) {
            label.setProperty("middle", label.x() + label.width() / 2);
        }
        const int middle = label.property("middle").toInt();
        label.resize(label.sizeHint());
        if (label.alignment() & Qt::AlignHCenter) {
            label.move(middle - label.width() / 2, label.y());
        }
    }
}

QPushButton* makeButton(QWidget* parent, const QString& caption, QRect twipsGeometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                  twipsGeometry.height()));
    // A focused button takes Enter as well as Space, as desktop users expect.
    button->setAutoDefault(true);
    return button;
}

QGroupBox* makeFrame(QWidget* parent, const QString& caption, QRect twipsGeometry,
                     Color background) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setGeometry(twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                 twipsGeometry.height()));
    setColors(*frame, background);
    return frame;
}

void setShown(QWidget& widget, bool visible) {
    if (widget.isHidden() == visible) {
        widget.setVisible(visible);
    }
}

} // namespace tessaly
