#include "frm_array.hpp"

#include "double_click_guard.hpp"
#include "instructions_text.hpp"
#include "result_sheet_printer.hpp"
#include "widgets.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

namespace {

constexpr int ClientWidth = 9465;
constexpr int ClientHeight = 7875;

LabelLook transparent(QFont font = layoutFont(Face::MsSansSerif, 8), bool autoSize = false,
                      bool centred = false) {
    return LabelLook{std::nullopt, false, centred, autoSize, font};
}

// The largest size of `font`, up to its own, at which every line of `text`
// fits into `box` unwrapped: stand-in fonts run wider than the original.
QFont fittingFont(QFont font, const QString& text, QSize box) {
    const QStringList lines = text.split('\n');
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

LabelLook counter(Color background) {
    return LabelLook{background, true, true, false, layoutFont(Face::ArialBlack, 36)};
}

} // namespace

frmArray::frmArray(std::unique_ptr<RandomSource> random)
    : random_(random ? std::move(random) : std::make_unique<TimeSeededRandom>()),
      exercise_(*random_), printer_(std::make_unique<ResultSheetPrinter>(*this)) {
    buildWindow();
    Form_Load();
}

frmArray::~frmArray() = default;

void frmArray::buildWindow() {
    setWindowTitle("Tessaly");
    setWindowIcon(QIcon(":/tessaly/tessaly.png"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setFixedSize(twips(ClientWidth), twips(ClientHeight));
    setColors(*client, colors::Grey);
    setCentralWidget(client);
    buildCounters(client);
    buildGrid(client);
    buildProgramFrame(client);
    buildButtons(client);
    buildStudentData(client);
    buildInstructions(client);
    buildMenus();
    setFocusOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmArray::buildCounters(QWidget* client) {
    const QFont big = layoutFont(Face::MsSansSerif, 24, true);
    makeLabel(client, "Problem Number", {300, 270, 1215, 255}, transparent());
    lblProbNum = makeLabel(client, "0", {1995, 60, 315, 555}, transparent(big, true, true));
    makeLabel(client, "of", {2475, 165, 225, 360},
              transparent(layoutFont(Face::MsSansSerif, 13.5), true));
    lblProbLimit = makeLabel(client, "0", {2985, 45, 315, 555}, transparent(big, true, true));
    makeLabel(client, "Tessaly", {6300, -15, 1665, 360},
              transparent(layoutFont(Face::MsSansSerif, 13.5, true), true));
    lblRight = makeLabel(client, "0", {435, 5445, 1515, 975}, counter(colors::LightGreen));
    makeLabel(client, "Right", {1005, 6510, 375, 195}, transparent({}, true));
    lblWrong = makeLabel(client, "0", {2145, 5460, 1515, 975}, counter(colors::LightRed));
    makeLabel(client, "Wrong", {2610, 6495, 480, 195}, transparent({}, true));
    lblScore = makeLabel(client, "0%", {3825, 5460, 2280, 990}, counter(colors::Yellow));
    makeLabel(client, "Score", {4635, 6525, 420, 195}, transparent({}, true));
    lblLevel = makeLabel(client, "Level 1", {6285, 5925, 2445, 840},
                         transparent(layoutFont(Face::Arial, 36, true), true));
}

void frmArray::buildGrid(QWidget* client) {
    fraArray = makeFrame(client, "Display of Array", {105, 600, 4035, 4770}, colors::Grey);
    const LabelLook cellLook{colors::White, true, true, false, layoutFont(Face::MsSansSerif, 18)};
    const LabelLook indexLook{colors::Grey, false, true, false, layoutFont(Face::MsSansSerif, 8)};
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        const int left = 240 + 720 * ((k - 1) % 5);
        const int top = 360 + 840 * ((k - 1) / 5);
        lblCell[k] = makeClickableLabel(fraArray, "?", {left, top, 615, 495}, cellLook);
        lblIndex[k] = makeLabel(fraArray, "(-,-)", {left + 120, top + 540, 360, 210}, indexLook);
        connect(lblCell[k], &ClickableLabel::clicked, this, [this, k] { lblCell_Click(k); });
    }
}

void frmArray::buildProgramFrame(QWidget* client) {
    fraProgram = makeFrame(client, "Program Code", {4185, 645, 3660, 4695}, colors::LightCyan);
    fraProgram->hide();
    struct Place {
        int left;
        int top;
    };
    constexpr std::array<Place, 9> places = {{{195, 285},
                                              {180, 645},
                                              {180, 990},
                                              {225, 1395},
                                              {420, 1800},
                                              {630, 2205},
                                              {615, 2580},
                                              {420, 3015},
                                              {240, 3405}}};
    const LabelLook codeLook = transparent(layoutFont(Face::MsSansSerif, 13.5), true);
    for (int i = 0; i < Listing::LineCount; ++i) {
        lblCode[i] = makeLabel(fraProgram, "", {places[i].left, places[i].top, 0, 360}, codeLook);
    }
    cmdRun = makeButton(fraProgram, "Test Now!", {150, 3930, 1200, 495});
    ignoreDoubleClicks(*cmdRun); // the verdict stays on show until a click of its own
    cmdNewProgram = makeButton(fraProgram, "New", {1485, 3960, 1215, 495});
    cmdNewProgram->hide();
    connect(cmdRun, &QPushButton::clicked, this, &frmArray::cmdRun_Click);
}

void frmArray::buildButtons(QWidget* client) {
    cmdStart = makeButton(client, "Start", {6615, 4875, 1215, 495});
    cmdPrint = makeButton(client, "Print", {6615, 4875, 1215, 495});
    cmdPrint->hide();
    ignoreDoubleClicks(*cmdPrint); // a double-click prints one sheet
    cmdExit = makeButton(client, "Exit", {6630, 5400, 1215, 495});
    connect(cmdStart, &QPushButton::clicked, this, &frmArray::cmdStart_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmArray::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmArray::cmdExit_Click);
}

void frmArray::buildStudentData(QWidget* client) {
    // The labels stand just below the frame's caption, so that "Student Data"
    // stays readable; the frame grows by the same amount.
    constexpr int captionHeight = 195;
    fraStudentData = makeFrame(client, "Student Data", {315, 6855, 8880, 645 + captionHeight - 90},
                               colors::LightGrey);
    const LabelLook look{colors::LightOrange, true, true, false,
                         layoutFont(Face::TimesNewRoman, 15.75, true)};
    lblPeriod = makeLabel(fraStudentData, "18", {45, captionHeight, 645, 435}, look);
    lblID = makeLabel(fraStudentData, "", {795, captionHeight, 855, 435}, look);
    lblDate = makeLabel(fraStudentData, "", {1755, captionHeight, 1590, 435}, look);
    lblName = makeLabel(fraStudentData, "", {3420, captionHeight, 3645, 435}, look);
    lblTeacher = makeLabel(fraStudentData, "", {7095, captionHeight + 15, 1635, 435}, look);
}

void frmArray::buildInstructions(QWidget* client) {
    fraInstructions = makeFrame(client, "Frame1", {240, 480, 7965, 6480}, colors::Grey);
    Text1 = new QPlainTextEdit(fraInstructions);
    Text1->setGeometry(twipsRect(570, 420, 7005, 4800));
    Text1->setPlainText(QString(InstructionsText).replace("\r\n", "\n"));
    Text1->setFont(fittingFont(layoutFont(Face::MsSansSerif, 12), Text1->toPlainText(),
                               Text1->size() - QSize(24, 12)));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setTabChangesFocus(true);
    cmdOK = makeButton(fraInstructions, "OK", {3255, 5505, 1620, 675});
    connect(cmdOK, &QPushButton::clicked, this, &frmArray::cmdOK_Click);
    fraInstructions->hide();
    fraInstructions->raise();
}

void frmArray::buildMenus() {
    mnu10 = menuBar()->addMenu("Level");
    mnu11 = mnu10->addAction("Level 1", this, &frmArray::mnu11_Click);
    mnu12 = mnu10->addAction("Level 2", this, &frmArray::mnu12_Click);
    mnu13 = mnu10->addAction("Level 3", this, &frmArray::mnu13_Click);
    mnu20 = menuBar()->addMenu("Language");
    mnu21 = mnu20->addAction("Java", this, &frmArray::mnu21_Click);
    mnu22 = mnu20->addAction("BASIC", this, &frmArray::mnu22_Click);
    mnu30 = menuBar()->addAction("Instructions", this, &frmArray::mnu30_Click);
    for (QAction* item : {mnu11, mnu12, mnu13, mnu21, mnu22}) {
        item->setCheckable(true);
    }
}

void frmArray::setFocusOrder() {
    const std::array<QWidget*, 6> order = {cmdStart, cmdExit, cmdRun, Text1, cmdOK, cmdPrint};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void frmArray::Form_Load() {
    exercise_.Form_Load(secondsSinceMidnight());
    render();
}

void frmArray::render() {
    setColors(*centralWidget(), exercise_.backColor);
    renderCounters();
    renderGrid();
    renderListing();
    renderMenus();
    renderStudentData();
    setShown(*fraProgram, exercise_.fraProgramVisible);
    setShown(*fraArray, exercise_.fraArrayVisible);
    setShown(*fraInstructions, exercise_.fraInstructionsVisible);
    setShown(*cmdStart, exercise_.cmdStartVisible);
    setShown(*cmdPrint, exercise_.cmdPrintVisible);
}

void frmArray::renderCounters() {
    setCaption(*lblProbNum, qs(exercise_.lblProbNum));
    setCaption(*lblProbLimit, qs(exercise_.lblProbLimit));
    setCaption(*lblRight, qs(exercise_.lblRight));
    setCaption(*lblWrong, qs(exercise_.lblWrong));
    setCaption(*lblScore, qs(exercise_.lblScore));
    setShown(*lblScore, exercise_.lblScoreVisible);
    setCaption(*lblLevel, qs(exercise_.lblLevel));
    cmdRun->setText(qs(exercise_.cmdRun));
}

void frmArray::renderGrid() {
    const AnswerGrid& grid = exercise_.grid;
    for (int k = 1; k <= AnswerGrid::CellCount; ++k) {
        setCaption(*lblCell[k], qs(grid.lblCell[k].caption));
        setColors(*lblCell[k], grid.lblCell[k].backColor);
        setShown(*lblCell[k], grid.lblCell[k].visible);
        setCaption(*lblIndex[k], qs(grid.lblIndex[k].caption));
        setShown(*lblIndex[k], grid.lblIndex[k].visible);
    }
}

void frmArray::renderListing() {
    for (int i = 0; i < Listing::LineCount; ++i) {
        setCaption(*lblCode[i], qs(exercise_.listing.line(i)));
    }
}

void frmArray::renderMenus() {
    const Menus& menus = exercise_.menus;
    const std::array<std::pair<QAction*, const MenuEntry*>, 8> entries = {
        {{mnu10->menuAction(), &menus.mnu10},
         {mnu11, &menus.mnu11},
         {mnu12, &menus.mnu12},
         {mnu13, &menus.mnu13},
         {mnu20->menuAction(), &menus.mnu20},
         {mnu21, &menus.mnu21},
         {mnu22, &menus.mnu22},
         {mnu30, &menus.mnu30}}};
    for (const auto& [action, entry] : entries) {
        action->setChecked(entry->checked);
        action->setEnabled(entry->enabled);
    }
}

void frmArray::renderStudentData() {
    const StudentData& student = exercise_.student;
    setCaption(*lblPeriod, qs(student.lblPeriod));
    setCaption(*lblID, qs(student.lblID));
    setCaption(*lblDate, qs(student.lblDate));
    setCaption(*lblName, qs(student.lblName));
    setCaption(*lblTeacher, qs(student.lblTeacher));
}

void frmArray::cmdStart_Click() {
    exercise_.cmdStart_Click();
    render();
    cmdRun->setFocus();
}

void frmArray::cmdRun_Click() {
    exercise_.cmdRun_Click();
    render();
    if (exercise_.seriesOver()) {
        cmdPrint->setFocus();
    } else {
        lblProbNum->repaint();
    }
}

void frmArray::command(void (Exercise::*procedure)()) {
    (exercise_.*procedure)();
    render();
}

void frmArray::lblCell_Click(int index) {
    exercise_.lblCell_Click(index);
    render();
}

void frmArray::cmdPrint_Click() {
    printer_->printResultSheet();
    cmdExit->setFocus();
}

void frmArray::cmdExit_Click() {
    endProgram();
}

void frmArray::cmdOK_Click() {
    command(&Exercise::cmdOK_Click);
}

void frmArray::mnu30_Click() {
    command(&Exercise::mnu30_Click);
}

void frmArray::mnu11_Click() {
    command(&Exercise::mnu11_Click);
}

void frmArray::mnu12_Click() {
    command(&Exercise::mnu12_Click);
}

void frmArray::mnu13_Click() {
    command(&Exercise::mnu13_Click);
}

void frmArray::mnu21_Click() {
    command(&Exercise::mnu21_Click);
}

void frmArray::mnu22_Click() {
    command(&Exercise::mnu22_Click);
}

void frmArray::closeEvent(QCloseEvent* event) {
    event->accept();
    endProgram();
}

} // namespace tessaly
