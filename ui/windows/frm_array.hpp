// SPDX-License-Identifier: MIT
#pragma once

#include "engine/exercise.hpp"
#include "engine/grid_geometry.hpp"
#include "ui/controls/clickable_label.hpp"
#include "ui/form/frm_array_form.hpp"
#include "ui/form/render_cache.hpp"
#include "ui/windows/frm_explain.hpp"

#include <QFont>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

class GridKeyboard;
class InstructionsFocus;
class ResultSheetPrinter;
class WindowLossWatch;

// The exercise window. Every handler calls the engine, then render() mirrors
// the engine onto the widgets, then the window does what only it can do.
class frmArray : public QMainWindow, public frmArrayForm {
    Q_OBJECT
public:
    // Creating the window runs its load. A null random source means the real
    // time-seeded one.
    explicit frmArray(std::unique_ptr<RandomSource> random = nullptr);
    ~frmArray() override;

    Exercise& exercise() { return exercise_; }
    const Exercise& exercise() const { return exercise_; }
    QWidget* clientArea() const { return centralWidget(); }

    // Mirrors the engine onto the widgets, touching only what changed since
    // the last render.
    void render();
    const RenderCache& renderCache() const { return shown_; }

    // The sign-in window's commands: a box's whole text into its student-data
    // label, and the date of the sign-in. Both go through the engine.
    void writeStudentData(std::string StudentData::*label, const QString& text);
    void writeSignInDate(const QString& date);

    // The handlers of the window's controls and menus.
    void cmdStart_Click();
    void cmdRun_Click();
    void lblCell_Click(int index);
    void cmdPrint_Click();
    void cmdExit_Click();
    void cmdOK_Click();
    void chooseLevel(int n);    // the Level menu's entry n, 1..LevelCount
    void chooseLanguage(int n); // the Language menu's entry n, 1..LanguageCount
    void mnu21_Click() { chooseLanguage(1); }
    void mnu22_Click() { chooseLanguage(2); }
    void mnu30_Click();
    // Explain: opens the Explain window over this one, while the engine has a
    // tested problem to explain; closing it gives the focus back.
    void mnu40_Click();
    frmExplain* explainWindow() const { return explain_; }

    QMenu* mnu10 = nullptr;
    std::array<QAction*, LevelCount> levelItems{}; // mnu11 first
    QAction* levelItem(int n) const { return levelItems.at(static_cast<std::size_t>(n - 1)); }
    QMenu* mnu20 = nullptr;
    std::array<QAction*, LanguageCount> languageItems{}; // mnu21 first
    QAction* languageItem(int n) const { return languageItems.at(static_cast<std::size_t>(n - 1)); }
    QAction* mnu30 = nullptr;
    QAction* mnu40 = nullptr;

    ResultSheetPrinter& printer() { return *printer_; }

signals:
    // Exit, or the window closed: the program ends.
    void endRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectControls();
    void fillInstructions();
    struct MenuHome;
    void buildMenus();
    void addMenuTitle(const MenuTitle<const MenuEntry>& title, const MenuHome& home);
    void describeForScreenReaders();
    // The focus order; `gridEntry` is the grid's one stop, if any.
    void setFocusOrder(QWidget* gridEntry);
    void explainClosed();
    // After a command: a new problem enters the grid at its top-left again,
    // and cells shown or hidden change where the grid's stop is.
    void followProblem();
    void Form_Load();
    // Runs one of the exercise's commands and mirrors the result.
    void command(void (Exercise::*procedure)());

    void renderCounters();
    void renderGrid();
    void renderListing();
    void renderMenus();
    void renderStudentData();

    // The menu entries beside the engine's, in the order of Menus::all().
    std::vector<QAction*> menuActions_;
    // The engine's entries, taken once: the menu tree never changes its shape.
    std::vector<const MenuEntry*> menuEntries_;
    GridKeyboard* gridKeyboard_ = nullptr;
    int shownProblem_ = -1;          // the problem the grid's keyboard stop belongs to
    bool describedAsTested_ = false; // the cells' descriptions tell a test's result
    InstructionsFocus* instructionsFocus_ = nullptr;
    QPointer<frmExplain> explain_;
    std::unique_ptr<WindowLossWatch> explainWatch_;
    QPointer<QWidget> focusBeforeExplain_;
    std::unique_ptr<RandomSource> random_;
    Exercise exercise_;
    std::unique_ptr<ResultSheetPrinter> printer_;
    RenderCache shown_; // what render() last put on the widgets
    // The listing's font as the layout gives it, and where its lines must end.
    QFont listingFont_;
    int listingRight_ = 0;
};

} // namespace tessaly
