// Fill Floor, Clear Floor and Show Grid, undo and redo from the keyboard, and the status line.
#include "editor/LevelEditorDlg.h"

#include "dialogs/MessageBox.h"
#include "editor/LevelView.h"
#include "editor/TilePicker.h"

#include <QCheckBox>
#include <QLabel>
#include <cstdio>

namespace {

constexpr char WipeQuestion[] =
    "You are attempting to permanently wipe the grid clean. Do you want to continue?";

} // namespace

void CLevelEditorDlg::OnFillFloor() {
    const int tile = Picker->Tile(Qt::LeftButton);
    if (IsPlayerTile(tile)) {
        MessageBox(this, "You cannot fill the grid with a player start position", "No Can Do",
                   QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    if (Session.FillFloor(static_cast<TileType>(tile)))
        RefreshStatus();
}

// Wipes the interior back to Floor; the modified flag stays as it was.
void CLevelEditorDlg::OnClearFloor() {
    if (Document().IsModified() &&
        MessageBox(this, WipeQuestion, "Clear Grid?", QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Question) != QMessageBox::Yes)
        return;
    Session.ClearFloor();
    RefreshStatus();
}

// With the grid hidden the lines take the Floor's green and vanish between floor cells. The
// whole window is repainted at once.
void CLevelEditorDlg::OnShowGrid() {
    const bool shown = ShowGridBox->isChecked();
    Settings.ShowGrid = shown ? 1 : 0;
    Settings.GridColor = shown ? GridColorShown : GridColorHidden;
    View->SetGridColour(GridLineColour());
    repaint();
}

// The record keeps the colour as 0x00BBGGRR.
render::Pixel CLevelEditorDlg::GridLineColour() const {
    const std::uint32_t colour = Settings.GridColor;
    return render::Rgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void CLevelEditorDlg::OnUndo() {
    if (StrokeHeld() || !Session.CanUndo())
        return;
    Session.Undo();
    RefreshStatus();
}

void CLevelEditorDlg::OnRedo() {
    if (StrokeHeld() || !Session.CanRedo())
        return;
    Session.Redo();
    RefreshStatus();
}

void CLevelEditorDlg::RefreshStatus() {
    const Cell cell = View->StatusCell();
    if (cell == NoCell) {
        Status->setText(QString());
        return;
    }
    char text[96];
    std::snprintf(text, sizeof text, "Selected: (%d,%d)   Tile Type: %s", cell.column, cell.row,
                  TileName(Document().TileAt(cell)).c_str());
    Status->setText(QString::fromLocal8Bit(text));
}
