// SPDX-License-Identifier: MIT
#include "ui/windows/frm_array.hpp"

#include "ui/controls/accessibility.hpp"
#include "ui/controls/announce.hpp"
#include "ui/controls/arrow_guard.hpp"
#include "ui/controls/double_click_guard.hpp"
#include "ui/controls/grid_keyboard.hpp"
#include "ui/form/builder.hpp"
#include "ui/form/font_fit.hpp"
#include "ui/form/layout.hpp"
#include "ui/form/qt_convert.hpp"
#include "ui/form/render_cache.hpp"
#include "ui/platform/clock.hpp"
#include "ui/platform/window_watch.hpp"
#include "ui/print/result_sheet_printer.hpp"
#include "ui/windows/instructions_focus.hpp"
#include "ui/windows/instructions_text.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <map>

namespace tessaly {

frmArray::frmArray(std::unique_ptr<RandomSource> random)
    : random_(random ? std::move(random) : std::make_unique<TimeSeededRandom>()),
      exercise_(*random_) {
    buildWindow();
    printer_ = std::make_unique<ResultSheetPrinter>(*clientArea(), exercise_.student);
    Form_Load();
}

frmArray::~frmArray() = default;

void frmArray::buildWindow() {
    const WindowLook& look = frmArrayWindow();
    setObjectName("frmArray");
    setWindowTitle(QString::fromStdString(look.caption)); // the program's name
    setWindowIcon(programIcon());
    installAccessibility();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twips(look.clientWidth), twips(look.clientHeight));
    setColors(*client, look.background);
    setCentralWidget(client);
    buildControls(*client, frmArrayLayout(), "frmArray", static_cast<frmArrayForm&>(*this));
    listingFont_ = lblCode[0]->font();
    listingRight_ = listingEnd(*fraProgram);
    connectControls();
    buildMenus();
    describeForScreenReaders();
    gridKeyboard_ = new GridKeyboard(
        lblCell, [this](int k) { lblCell_Click(k); },
        [this](QWidget* entry) { setFocusOrder(entry); });
    gridKeyboard_->setParent(this); // goes with the window
    instructionsFocus_ = new InstructionsFocus(*client, *fraInstructions, *cmdOK, *gridKeyboard_,
                                               {cmdRun, cmdStart, cmdPrint});
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmArray::connectControls() {
    for (int k = 1; k <= CellCount; ++k) {
        connect(lblCell[k], &ClickableLabel::clicked, this, [this, k] { lblCell_Click(k); });
    }
    ignoreDoubleClicks(*cmdRun);   // the verdict stays on show until a click of its own
    ignoreDoubleClicks(*cmdPrint); // a double-click prints one sheet
    for (QPushButton* button : {cmdStart, cmdRun, cmdPrint, cmdOK}) {
        keepArrowsOn(*button); // never onto Exit
    }
    connect(cmdRun, &QPushButton::clicked, this, &frmArray::cmdRun_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmArray::cmdStart_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmArray::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmArray::cmdExit_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmArray::cmdOK_Click);
}

// The instructions never change; the font is fitted to them once. Measuring
// them at every size tried loads a font for each, so it waits until the panel
// is first opened instead of delaying the program's first window.
void frmArray::fillInstructions() {
    if (!Text1->document()->isEmpty()) {
        return;
    }
    Text1->setPlainText(
        QCoreApplication::translate("frmArray", InstructionsText).replace("\r\n", "\n"));
    Text1->setFont(fittingFont(Text1->font(), Text1->toPlainText(), Text1->size() - QSize(24, 12)));
}

// Where the window keeps the actions of one title of the menu bar, and what
// choosing its entry n (from 1; 0 for a title that is a command) does.
struct frmArray::MenuHome {
    QMenu** menu;      // a title with entries
    QAction** actions; // its entries, or the title itself when it is a command
    std::function<void(int n)> choose;
};

// The menu bar is the engine's menu tree, walked once. The entries are
// created without captions; the first render gives them the engine's
// captions, check marks and enabled states.
void frmArray::buildMenus() {
    const Menus& menus = exercise_.menus;
    const std::map<const MenuEntry*, MenuHome> homes = {
        {&menus.mnu10, {&mnu10, levelItems.data(), [this](int n) { chooseLevel(n); }}},
        {&menus.mnu20, {&mnu20, languageItems.data(), [this](int n) { chooseLanguage(n); }}},
        {&menus.mnu30, {nullptr, &mnu30, [this](int) { mnu30_Click(); }}},
        {&menus.mnu40, {nullptr, &mnu40, [this](int) { mnu40_Click(); }}},
    };
    for (const MenuTitle<const MenuEntry>& title : menus.bar()) {
        addMenuTitle(title, homes.at(title.title));
    }
    menuEntries_ = menus.all();
    for (std::size_t i = 0; i < menuEntries_.size(); ++i) {
        menuActions_[i]->setObjectName(qs(menuEntries_[i]->name));
    }
}

void frmArray::addMenuTitle(const MenuTitle<const MenuEntry>& title, const MenuHome& home) {
    if (title.entries.empty()) {
        *home.actions =
            menuBar()->addAction(QString(), this, [choose = home.choose] { choose(0); });
        menuActions_.push_back(*home.actions);
        return;
    }
    *home.menu = menuBar()->addMenu(QString());
    (*home.menu)->setObjectName(qs(title.title->name));
    menuActions_.push_back((*home.menu)->menuAction());
    for (std::size_t i = 0; i < title.entries.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        home.actions[i] =
            (*home.menu)->addAction(QString(), this, [choose = home.choose, n] { choose(n); });
        home.actions[i]->setCheckable(true);
        menuActions_.push_back(home.actions[i]);
    }
}

void frmArray::Form_Load() {
    exercise_.Form_Load(secondsSinceMidnight());
    render();
    followProblem();
}

void frmArray::render() {
    shown_.setColors(*centralWidget(), exercise_.backColor);
    renderCounters();
    renderGrid();
    renderListing();
    renderMenus();
    renderStudentData();
    shown_.setShown(*fraProgram, exercise_.fraProgramVisible);
    shown_.setShown(*fraArray, exercise_.fraArrayVisible);
    shown_.setShown(*fraInstructions, exercise_.fraInstructionsVisible);
    shown_.setShown(*cmdStart, exercise_.cmdStartVisible);
    shown_.setShown(*cmdPrint, exercise_.cmdPrintVisible);
    shown_.sizeShownLabels();
}

void frmArray::renderCounters() {
    shown_.setCaption(*lblProbNum, exercise_.lblProbNum);
    shown_.setCaption(*lblProbLimit, exercise_.lblProbLimit);
    shown_.setCaption(*lblRight, exercise_.lblRight);
    shown_.setCaption(*lblWrong, exercise_.lblWrong);
    shown_.setCaption(*lblScore, exercise_.lblScore);
    shown_.setShown(*lblScore, exercise_.lblScoreVisible);
    shown_.setCaption(*lblLevel, exercise_.lblLevel);
    shown_.setText(*cmdRun, exercise_.cmdRun);
    // The test's handler announces the verdict; it stays on the button for as
    // long as the result shows, so that a screen reader finds it there again.
    shown_.setDescription(*cmdRun, exercise_.verdict);
}

void frmArray::renderGrid() {
    const AnswerGrid& grid = exercise_.grid;
    // A cell's state follows its colour and whether a test's result shows, so
    // its description changes with them.
    const bool phaseChanged = describedAsTested_ == exercise_.testPending();
    describedAsTested_ = !exercise_.testPending();
    for (int k = 1; k <= CellCount; ++k) {
        shown_.setCaption(*lblCell[k], grid.lblCell[k].caption);
        if (shown_.setColors(*lblCell[k], grid.lblCell[k].backColor) || phaseChanged) {
            lblCell[k]->setAccessibleDescription(qs(exercise_.describeCell(k)));
        }
        shown_.setShown(*lblCell[k], grid.lblCell[k].visible);
        shown_.setCaption(*lblIndex[k], grid.lblIndex[k].caption);
        shown_.setShown(*lblIndex[k], grid.lblIndex[k].visible);
    }
}

// A language whose lines would cross the frame's edge is set smaller, all
// nine lines alike, so the first line tells whether they change size. An
// empty line is hidden, so that a screen reader's review of the window does
// not stop at a blank.
void frmArray::renderListing() {
    const int pixelSize =
        listingPixelSize(listingLanguage(exercise_.state), listingFont_, listingRight_);
    const bool resized = shown_.setPixelSize(*lblCode[0], pixelSize);
    for (int i = 0; i < Listing::LineCount; ++i) {
        const std::string& line = exercise_.listing.line(i);
        if (resized) {
            shown_.setPixelSize(*lblCode[i], pixelSize);
        }
        if (shown_.setCaption(*lblCode[i], line)) {
            shown_.setShown(*lblCode[i], !line.empty());
        }
    }
}

void frmArray::renderMenus() {
    for (std::size_t i = 0; i < menuEntries_.size(); ++i) {
        shown_.setMenuEntry(*menuActions_[i], *menuEntries_[i]);
    }
}

void frmArray::renderStudentData() {
    const StudentData& student = exercise_.student;
    shown_.setCaption(*lblPeriod, student.lblPeriod);
    shown_.setCaption(*lblID, student.lblID);
    shown_.setCaption(*lblDate, student.lblDate);
    shown_.setCaption(*lblName, student.lblName);
    shown_.setCaption(*lblTeacher, student.lblTeacher);
}

void frmArray::cmdStart_Click() {
    exercise_.cmdStart_Click();
    render();
    cmdRun->setFocus();
    announce(*cmdRun, qs(exercise_.problemAnnouncement()));
}

void frmArray::cmdRun_Click() {
    const bool next = !exercise_.testPending();
    exercise_.cmdRun_Click();
    render();
    followProblem();
    if (exercise_.seriesOver()) {
        cmdPrint->setFocus();
    } else if (next) {
        // "Next" shows the new problem number at once. A test run leaves it
        // alone, so repainting it then would only paint the window twice.
        lblProbNum->repaint();
    }
    QWidget& focused = exercise_.seriesOver() ? *cmdPrint : *cmdRun;
    announce(focused, qs(next ? exercise_.problemAnnouncement() : exercise_.testAnnouncement()));
}

void frmArray::command(void (Exercise::*procedure)()) {
    (exercise_.*procedure)();
    render();
}

void frmArray::lblCell_Click(int index) {
    exercise_.lblCell_Click(index);
    render();
    announce(*lblCell[index], qs(exercise_.cellAnnouncement(index)));
}

// Exit takes the focus once the sheet is safe on paper or in a PDF file. After
// a failure the focus stays on Print, so that one more Space cannot end the
// program and lose the student's sheet.
void frmArray::cmdPrint_Click() {
    // The sheet shows the score, never the instructions over it.
    if (exercise_.fraInstructionsVisible) {
        cmdOK_Click();
        cmdPrint->setFocus(Qt::OtherFocusReason);
    }
    if (printer_->printResultSheet()) {
        cmdExit->setFocus();
    }
}

void frmArray::cmdExit_Click() {
    emit endRequested();
}

void frmArray::cmdOK_Click() {
    command(&Exercise::cmdOK_Click);
    instructionsFocus_->closed();
}

void frmArray::mnu30_Click() {
    fillInstructions();
    command(&Exercise::mnu30_Click);
    instructionsFocus_->opened();
    cmdOK->setFocus(Qt::OtherFocusReason);
}

// The engine is only read: the exercise window shows exactly what it showed.
void frmArray::mnu40_Click() {
    if (!exercise_.explainAvailable() || explain_ != nullptr) {
        return;
    }
    focusBeforeExplain_ = instructionsFocus_->lastClientFocus();
    explain_ = new frmExplain(exercise_, *this);
    connect(explain_, &QDialog::finished, this, &frmArray::explainClosed);
    explain_->open();
    // Destroyed from outside, the window would leave this one blocked for good.
    explainWatch_ = std::make_unique<WindowLossWatch>(*explain_, [explain = explain_] {
        if (explain != nullptr) {
            explain->reject();
        }
    });
}

void frmArray::explainClosed() {
    explainWatch_.reset();
    explain_->deleteLater();
    explain_ = nullptr;
    activateWindow();
    instructionsFocus_->giveBack(focusBeforeExplain_.data());
    focusBeforeExplain_.clear();
}

void frmArray::chooseLevel(int n) {
    exercise_.chooseLevel(n);
    render();
    followProblem();
}

void frmArray::writeStudentData(std::string StudentData::*label, const QString& text) {
    exercise_.writeStudentData(label, utf8(text));
    render();
}

void frmArray::writeSignInDate(const QString& date) {
    exercise_.writeSignInDate(utf8(date));
    render();
}

// The listing changes while its frame is hidden, before Start.
void frmArray::chooseLanguage(int n) {
    exercise_.chooseLanguage(n);
    tellingShownOnly([this] { render(); });
}

void frmArray::closeEvent(QCloseEvent* event) {
    event->accept();
    emit endRequested();
}

} // namespace tessaly
