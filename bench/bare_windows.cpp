// SPDX-License-Identifier: MIT
#include "bare_windows.hpp"

#include "ui/form/layout.hpp"
#include "ui/form/look.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/windows/instructions_text.hpp"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>

#include <cmath>
#include <map>

namespace tessaly::bench {

namespace {

void paint(QWidget& widget, Color background, Color text = colors::Black) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QRect pixels(const TwipsRect& rect) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(rect.left), px(rect.top), px(rect.width), px(rect.height));
}

// What the first screen shows in the controls that the layout leaves empty.
QString firstCaption(const Control& row) {
    static const std::map<std::string, QString> fixed = {{"lblProbNum", "0"},
                                                         {"lblProbLimit", "20"},
                                                         {"lblRight", "0"},
                                                         {"lblWrong", "0"},
                                                         {"lblScore", "0%"},
                                                         {"lblLevel", "Level 2"},
                                                         {"cmdRun", "Test Now!"},
                                                         {"lblPeriod", "18"},
                                                         {"lblCode0", "Dim X,Y,Order As Integer"},
                                                         {"lblCode1", "Dim A(4,4) As Integer"},
                                                         {"lblCode2", "Order = 1"},
                                                         {"lblCode3", "For X = 0 to 4"},
                                                         {"lblCode4", "For Y = 0 to 4"},
                                                         {"lblCode5", "A(X,Y)=Order"},
                                                         {"lblCode6", "Order = Order + 1"},
                                                         {"lblCode7", "Next Y"},
                                                         {"lblCode8", "Next X"}};
    if (const auto found = fixed.find(row.name); found != fixed.end()) {
        return found->second;
    }
    if (row.name.rfind("lblCell", 0) == 0) {
        return "0";
    }
    if (row.name.rfind("lblIndex", 0) == 0) {
        const int k = std::stoi(row.name.substr(8));
        return QString("(%1,%2)").arg((k - 1) / 5).arg((k - 1) % 5);
    }
    return QString::fromStdString(row.caption);
}

QLabel* bareLabel(const Control& row, QWidget& container) {
    auto* label = new QLabel(&container);
    label->setGeometry(pixels(row.rect));
    label->setTextFormat(Qt::PlainText);
    label->setFont(layoutFont(row.font.face, row.font.points, row.font.bold));
    if (row.background) {
        paint(*label, *row.background);
    }
    if (row.look & Framed) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    label->setAlignment(row.look & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    label->setText(firstCaption(row));
    if (row.look & AutoSize) {
        const QPoint middle = label->geometry().center();
        label->adjustSize();
        if (row.look & Centred) {
            label->move(middle.x() - label->width() / 2, label->y());
        }
    }
    return label;
}

QWidget* bareWidget(const Control& row, QWidget& container) {
    switch (row.kind) {
    case Kind::Label:
    case Kind::Cell:
        return bareLabel(row, container);
    case Kind::Button: {
        auto* button = new QPushButton(firstCaption(row), &container);
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Frame:
    case Kind::SteppingFrame: {
        auto* frame = new QGroupBox(firstCaption(row), &container);
        paint(*frame, row.background.value_or(colors::Grey));
        return frame;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(&container);
        box->setFont(layoutFont(row.font.face, row.font.points, row.font.bold));
        box->setTextMargins(0, 0, 0, 0);
        box->setMaxLength(32767);
        return box;
    }
    case Kind::MultiLineText: {
        auto* text =
            new QPlainTextEdit(QString(InstructionsText).replace("\r\n", "\n"), &container);
        QFont font = layoutFont(row.font.face, row.font.points, row.font.bold);
        font.setPixelSize(14); // the size at which the instructions fit their box
        text->setFont(font);
        text->setReadOnly(true);
        return text;
    }
    case Kind::Shape: {
        auto* shape = new QFrame(&container);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        shape->setLineWidth(2);
        return shape;
    }
    }
    return nullptr;
}

void build(QWidget& client, const Layout& layout) {
    std::map<std::string, QWidget*> byName;
    for (const Control& row : layout) {
        QWidget* container = row.container.empty() ? &client : byName.at(row.container);
        QWidget* widget = bareWidget(row, *container);
        widget->setObjectName(QString::fromStdString(row.name));
        if (row.kind != Kind::Label && row.kind != Kind::Cell) {
            widget->setGeometry(pixels(row.rect));
        }
        if (!row.visible) {
            widget->hide();
        }
        byName[row.name] = widget;
    }
}

void addMenus(QMainWindow& window) {
    QMenu* level = window.menuBar()->addMenu("Level");
    for (const char* caption : {"Level 1", "Level 2", "Level 3"}) {
        QAction* item = level->addAction(caption);
        item->setCheckable(true);
        item->setChecked(caption == QString("Level 2"));
    }
    QMenu* language = window.menuBar()->addMenu("Language");
    language->addAction("Java")->setCheckable(true);
    QAction* basic = language->addAction("BASIC");
    basic->setCheckable(true);
    basic->setChecked(true);
    for (const char* caption : {"Python", "C/C++", "JavaScript"}) {
        language->addAction(caption)->setCheckable(true);
    }
    window.menuBar()->addAction("Instructions");
}

} // namespace

// The floor looks exactly as Tessaly does: the same style, palette and font.
void applyBareLook(QApplication& app) {
    applyTessalyLook(app);
}

BareWindows::BareWindows() {
    buildExercise();
    buildSignIn();
}

BareWindows::~BareWindows() = default;

void BareWindows::buildExercise() {
    exercise_ = std::make_unique<QMainWindow>();
    const WindowLook& look = frmArrayWindow();
    exercise_->setWindowTitle(QString::fromStdString(look.caption));
    exercise_->setWindowIcon(QIcon(":/tessaly/tessaly.png"));
    auto* client = new QWidget(exercise_.get());
    client->setObjectName("client");
    client->setFixedSize(pixels({0, 0, look.clientWidth, look.clientHeight}).size());
    paint(*client, look.background);
    exercise_->setCentralWidget(client);
    build(*client, frmArrayLayout());
    addMenus(*exercise_);
    exercise_->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void BareWindows::buildSignIn() {
    signIn_ = std::make_unique<QDialog>();
    const WindowLook& look = frmSignInWindow();
    signIn_->setObjectName("frmSignIn");
    signIn_->setWindowTitle(QString::fromStdString(look.caption));
    signIn_->setFixedSize(pixels({0, 0, look.clientWidth, look.clientHeight}).size());
    paint(*signIn_, look.background);
    build(*signIn_, frmSignInLayout());
    auto* flash = signIn_->findChild<QLabel*>("lblFlash");
    auto* timer = new QTimer(signIn_.get());
    QObject::connect(timer, &QTimer::timeout, flash, [flash] {
        const bool black = flash->palette().color(QPalette::Window) == Qt::black;
        paint(*flash, black ? colors::Yellow : colors::Black,
              black ? colors::Black : colors::Yellow);
    });
    timer->start(1000);
    auto* name = signIn_->findChild<QLineEdit*>("txtName");
    auto* shownName = exercise_->findChild<QLabel*>("lblName");
    QObject::connect(name, &QLineEdit::textChanged, shownName, &QLabel::setText);
}

std::unique_ptr<QDialog> BareWindows::explainWindow() {
    auto dialog = std::make_unique<QDialog>(exercise_.get());
    const WindowLook& look = frmExplainWindow();
    dialog->setWindowTitle(QString::fromStdString(look.caption));
    dialog->setWindowIcon(QIcon(":/tessaly/tessaly.png"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setFixedSize(pixels({0, 0, look.clientWidth, look.clientHeight}).size());
    paint(*dialog, look.background);
    build(*dialog, frmExplainLayout());
    return dialog;
}

void BareWindows::show() {
    exercise_->setEnabled(false);
    exercise_->show();
    signIn_->show();
}

} // namespace tessaly::bench
