#include "bare_windows.hpp"

#include "instructions_text.hpp"
#include "layout.hpp"

#include <QApplication>
#include <QGroupBox>
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

QColor rgb(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QFont bareFont(const FontSpec& spec) {
    QFont font(spec.face == Face::TimesNewRoman ? "Liberation Serif" : "Liberation Sans");
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold(spec.bold || spec.face == Face::ArialBlack);
    if (spec.face == Face::ArialBlack) {
        font.setWeight(QFont::Black);
    }
    return font;
}

void paint(QWidget& widget, Color background, Color text = colors::Black) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, rgb(background));
    palette.setColor(QPalette::WindowText, rgb(text));
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
    label->setFont(bareFont(row.font));
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
    case Kind::Frame: {
        auto* frame = new QGroupBox(firstCaption(row), &container);
        paint(*frame, row.background.value_or(colors::Grey));
        return frame;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(&container);
        box->setFont(bareFont(row.font));
        box->setTextMargins(0, 0, 0, 0);
        box->setMaxLength(32767);
        return box;
    }
    case Kind::MultiLineText: {
        auto* text =
            new QPlainTextEdit(QString(InstructionsText).replace("\r\n", "\n"), &container);
        QFont font = bareFont(row.font);
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
    window.menuBar()->addAction("Instructions");
}

} // namespace

void applyBareLook(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    QPalette palette(rgb(colors::Grey));
    palette.setColor(QPalette::Window, rgb(colors::Grey));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, rgb(colors::LightGrey));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Button, rgb(colors::Grey));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    app.setPalette(palette);
    app.setFont(bareFont(DialogFont));
}

BareWindows::BareWindows() {
    buildExercise();
    buildSignIn();
}

BareWindows::~BareWindows() = default;

void BareWindows::buildExercise() {
    exercise_ = std::make_unique<QMainWindow>();
    const WindowSpec& spec = frmArrayWindow();
    exercise_->setWindowTitle(QString::fromStdString(spec.caption));
    exercise_->setWindowIcon(QIcon(":/tessaly/tessaly.png"));
    auto* client = new QWidget(exercise_.get());
    client->setObjectName("client");
    client->setFixedSize(pixels({0, 0, spec.clientWidth, spec.clientHeight}).size());
    paint(*client, spec.background);
    exercise_->setCentralWidget(client);
    build(*client, frmArrayLayout());
    addMenus(*exercise_);
    exercise_->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void BareWindows::buildSignIn() {
    signIn_ = std::make_unique<QDialog>();
    const WindowSpec& spec = frmSignInWindow();
    signIn_->setObjectName("frmSignIn");
    signIn_->setWindowTitle(QString::fromStdString(spec.caption));
    signIn_->setFixedSize(pixels({0, 0, spec.clientWidth, spec.clientHeight}).size());
    paint(*signIn_, spec.background);
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

void BareWindows::show() {
    exercise_->setEnabled(false);
    exercise_->show();
    signIn_->show();
}

} // namespace tessaly::bench
