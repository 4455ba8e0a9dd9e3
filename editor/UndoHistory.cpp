// Undo and redo. Each stroke, Fill Floor and Clear Floor that changed the level becomes one
// step holding the cells it changed and the player starts on both sides. The history knows
// the state last saved: arriving back at it by undo or redo clears Modified, arriving anywhere
// else sets it.
#include "editor/LevelEditorDlg.h"

#include <QGuiApplication>
#include <QUndoCommand>
#include <utility>

namespace {

constexpr int HistoryDepth = 10000;

} // namespace

class CLevelEditorDlg::EditStep : public QUndoCommand {
public:
    EditStep(CLevelEditorDlg& editor, LevelEdit edit) : Editor(editor), Edit(std::move(edit)) {}

    void undo() override { Editor.ShowSteppedCells(Editor.Level.Revert(Edit)); }
    // The first redo comes from the push, after the edit has already been made and drawn.
    void redo() override {
        if (std::exchange(Pushed, false))
            return;
        Editor.ShowSteppedCells(Editor.Level.Reapply(Edit));
    }

private:
    CLevelEditorDlg& Editor;
    LevelEdit Edit;
    bool Pushed = true;
};

void CLevelEditorDlg::StartHistory() {
    History.clear();
    History.setUndoLimit(HistoryDepth);
}

void CLevelEditorDlg::MarkSaved() {
    History.setClean();
}

// A new press ends any stroke still open, so that each stroke is a step of its own.
void CLevelEditorDlg::BeginStroke(Qt::MouseButton button) {
    EndStroke();
    Stroke = OpenStroke{Level.State(), button};
}

void CLevelEditorDlg::EndStroke() {
    if (!Stroke)
        return;
    (Stroke->button == Qt::LeftButton ? LeftDrag : RightDrag) = false;
    const LevelState before = std::move(Stroke->before);
    Stroke.reset();
    RecordStep(before);
}

void CLevelEditorDlg::EndStrokeOfButton(Qt::MouseButton button) {
    if (Stroke && Stroke->button == button)
        EndStroke();
}

void CLevelEditorDlg::RecordStep(const LevelState& before) {
    LevelEdit edit = DiffLevels(before, Level.State());
    if (!edit.IsEmpty())
        History.push(new EditStep(*this, std::move(edit)));
    NoteLevelChange();
}

bool CLevelEditorDlg::MouseButtonHeld() const {
    return Stroke || QGuiApplication::mouseButtons() != Qt::NoButton;
}

void CLevelEditorDlg::OnUndo() {
    if (MouseButtonHeld() || !History.canUndo())
        return;
    History.undo();
    Level.SetModified(!History.isClean());
    NoteLevelChange();
}

void CLevelEditorDlg::OnRedo() {
    if (MouseButtonHeld() || !History.canRedo())
        return;
    History.redo();
    Level.SetModified(!History.isClean());
    NoteLevelChange();
}

// The cells that an undo or redo changed, with the hover frame and the status line over them.
void CLevelEditorDlg::ShowSteppedCells(const std::vector<Cell>& cells) {
    DrawChangedCells(cells);
    RefreshStatus();
}
