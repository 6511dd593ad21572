// SPDX-License-Identifier: MIT
#include "ui/form/builder.hpp"

#include "ui/controls/clickable_label.hpp"
#include "ui/controls/stepping_frame.hpp"
#include "ui/form/font_fit.hpp"
#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

namespace {

QString captionOf(const Control& row, const char* context) {
    return row.caption.empty() ? QString()
                               : QCoreApplication::translate(context, row.caption.c_str());
}

QFont fontOf(const Control& row) {
    return layoutFont(row.font.face, row.font.points, row.font.bold);
}

void applyLook(QLabel& label, const Control& row, const char* context) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(fontOf(row));
    if (row.background) {
        setColors(label, *row.background);
    } else {
        setTextColor(label, colors::Black);
        label.setAutoFillBackground(false);
    }
    if (row.look & Framed) {
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
        label.setLineWidth(1);
    }
    label.setAlignment(row.look & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    setSizesItself(label, (row.look & AutoSize) != 0);
    setCaption(label, captionOf(row, context));
    // A label that sizes itself already fits its caption, and one without a
    // caption has nothing to fit (the render sizes it when it gets one):
    // measuring either is wasted start-up time.
    const bool fitsAlready = (row.look & AutoSize) != 0 || row.caption.empty();
    // A coloured label keeps its box, which its layout caption fits; only a
    // translated caption is measured, and set smaller where it is too wide.
    const bool translated = label.text() != QLatin1String(row.caption.c_str());
    if (fitsAlready) {
        return;
    }
    if (!row.background) {
        widenToCaption(label);
    } else if (translated) {
        fitFixedCaption(label);
    }
}

QWidget* createLabel(const Control& row, QWidget& container, const char* context) {
    QLabel* label =
        row.kind == Kind::Cell ? new ClickableLabel(&container) : new QLabel(&container);
    label->setGeometry(twipsRect(row.rect.left, row.rect.top, row.rect.width, row.rect.height));
    applyLook(*label, row, context);
    return label;
}

QWidget* createButton(const Control& row, QWidget& container, const char* context) {
    auto* button = new QPushButton(captionOf(row, context), &container);
    // A focused button takes Enter as well as Space, as desktop users expect.
    button->setAutoDefault(true);
    return button;
}

QWidget* createFrame(const Control& row, QWidget& container, const char* context) {
    const QString title = captionOf(row, context);
    QGroupBox* frame = row.kind == Kind::SteppingFrame ? new SteppingFrame(title, &container)
                                                       : new QGroupBox(title, &container);
    setColors(*frame, row.background.value_or(colors::Grey));
    return frame;
}

QWidget* createTextBox(const Control& row, QWidget& container) {
    auto* box = new QLineEdit(&container);
    box->setFont(fontOf(row));
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QWidget* createMultiLineText(const Control& row, QWidget& container) {
    auto* text = new QPlainTextEdit(&container);
    text->setFont(fontOf(row));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFocusPolicy(Qt::StrongFocus);
    text->setTabChangesFocus(true);
    return text;
}

QWidget* createShape(const Control&, QWidget& container) {
    auto* shape = new QFrame(&container);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(2);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextColor(*shape, colors::Black);
    return shape;
}

QWidget* createWidget(const Control& row, QWidget& container, const char* context) {
    switch (row.kind) {
    case Kind::Label:
    case Kind::Cell:
        return createLabel(row, container, context);
    case Kind::Button:
        return createButton(row, container, context);
    case Kind::Frame:
    case Kind::SteppingFrame:
        return createFrame(row, container, context);
    case Kind::TextBox:
        return createTextBox(row, container);
    case Kind::MultiLineText:
        return createMultiLineText(row, container);
    case Kind::Shape:
        return createShape(row, container);
    }
    return nullptr;
}

} // namespace

QWidget* createControl(const Control& row, QWidget& container, const char* context) {
    QWidget* widget = createWidget(row, container, context);
    widget->setObjectName(QString::fromStdString(row.name));
    if (row.kind != Kind::Label && row.kind != Kind::Cell) {
        widget->setGeometry(
            twipsRect(row.rect.left, row.rect.top, row.rect.width, row.rect.height));
    }
    // The layout's own captions fit their buttons; only a translated one is
    // measured, which would cost every start-up time otherwise.
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button != nullptr && button->text() != QLatin1String(row.caption.c_str())) {
        fitButtonCaption(*button);
    }
    if (!row.visible) {
        widget->hide();
    }
    return widget;
}

void buildControls(QWidget& client, const Layout& layout, const char* context,
                   const std::type_info& formType, void* form) {
    for (const Control& row : layout) {
        QWidget* container =
            row.container.empty() ? &client : control<QWidget>(client, row.container);
        QWidget* widget = createControl(row, *container, context);
        const Binding& binding = row.binding;
        if (binding.store == nullptr) {
            continue;
        }
        if (*binding.form != formType || !binding.store(form, widget, binding.index)) {
            throw std::logic_error("the row " + row.name + " is bound to a member of another " +
                                   "window's form or of another kind");
        }
    }
}

} // namespace tessaly
