// SPDX-License-Identifier: MIT
#pragma once

#include "engine/exercise.hpp"
#include "engine/grid_geometry.hpp"
#include "ui/controls/stepping_frame.hpp"
#include "ui/form/frm_explain_form.hpp"
#include "ui/form/render_cache.hpp"

#include <QDialog>

namespace tessaly {

// The Explain window: what the student's marks say about how the listing was
// read, and a replay of the tested problem's loops, step by step, against the
// student's numbers. It reads the engine once, when it is created, and
// changes nothing in the exercise.
class frmExplain : public QDialog, public frmExplainForm {
    Q_OBJECT
public:
    // Precondition: exercise.explainAvailable(). Opens at step 0 with the
    // keyboard focus on the replay; `owner` is the exercise window, which the
    // Explain window is modal to.
    frmExplain(const Exercise& exercise, QWidget& owner);
    ~frmExplain() override;

    const Replay& replay() const { return replay_; }
    int step() const { return step_; }

    // Shows step k, 0..replay().size(), and says it to a screen reader.
    void showStep(int k);
    void fraReplay_Step(SteppingFrame::Move move);
    void cmdFirstMistake_Click() { showStep(replay_.firstMistake()); }
    void cmdClose_Click() { reject(); }

protected:
    bool event(QEvent* event) override;

private:
    void buildWindow();
    void connectControls();
    void fillFixedTexts(const Exercise& exercise);
    void fillListing(const Exercise& exercise);
    void render();

    Diagnosis diagnosis_;
    Replay replay_;
    int step_ = 0;
    bool spokenDiagnosis_ = false;
    RenderCache shown_;
};

} // namespace tessaly
