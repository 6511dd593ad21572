#pragma once

#include "exercise.hpp"
#include "qt_adapter.hpp"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

class ResultSheetPrinter;

// The exercise window. Every handler calls the engine, then render() mirrors
// the engine onto the widgets, then the window does what only it can do.
class frmArray : public QMainWindow {
    Q_OBJECT
public:
    // Creating the window runs its load. A null random source means the real
    // time-seeded one.
    explicit frmArray(std::unique_ptr<RandomSource> random = nullptr);
    ~frmArray() override;

    Exercise& exercise() { return exercise_; }
    const Exercise& exercise() const { return exercise_; }
    QWidget* clientArea() const { return centralWidget(); }

    // Mirrors the whole engine onto the widgets.
    void render();

    // The handlers of the window's controls and menus.
    void cmdStart_Click();
    void cmdRun_Click();
    void lblCell_Click(int index);
    void cmdPrint_Click();
    void cmdExit_Click();
    void cmdOK_Click();
    void mnu11_Click();
    void mnu12_Click();
    void mnu13_Click();
    void mnu21_Click();
    void mnu22_Click();
    void mnu30_Click();

    // The controls, named as in the layout; element 0 of the arrays is unused.
    std::array<ClickableLabel*, 26> lblCell{};
    std::array<QLabel*, 26> lblIndex{};
    std::array<QLabel*, 9> lblCode{};
    QLabel* lblProbNum = nullptr;
    QLabel* lblProbLimit = nullptr;
    QLabel* lblRight = nullptr;
    QLabel* lblWrong = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblPeriod = nullptr;
    QLabel* lblID = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblTeacher = nullptr;
    QGroupBox* fraArray = nullptr;
    QGroupBox* fraProgram = nullptr;
    QGroupBox* fraStudentData = nullptr;
    QGroupBox* fraInstructions = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdNewProgram = nullptr;
    QPushButton* cmdOK = nullptr;
    QMenu* mnu10 = nullptr;
    QAction* mnu11 = nullptr;
    QAction* mnu12 = nullptr;
    QAction* mnu13 = nullptr;
    QMenu* mnu20 = nullptr;
    QAction* mnu21 = nullptr;
    QAction* mnu22 = nullptr;
    QAction* mnu30 = nullptr;

    ResultSheetPrinter& printer() { return *printer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildCounters(QWidget* client);
    void buildGrid(QWidget* client);
    void buildProgramFrame(QWidget* client);
    void buildButtons(QWidget* client);
    void buildStudentData(QWidget* client);
    void buildInstructions(QWidget* client);
    void buildMenus();
    void setFocusOrder();
    void Form_Load();
    // Runs one of the exercise's commands and mirrors the result.
    void command(void (Exercise::*procedure)());

    void renderCounters();
    void renderGrid();
    void renderListing();
    void renderMenus();
    void renderStudentData();

    std::unique_ptr<RandomSource> random_;
    Exercise exercise_;
    std::unique_ptr<ResultSheetPrinter> printer_;
};

} // namespace tessaly
