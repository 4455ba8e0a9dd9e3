#include "editor/LevelEditorDlg.h"

#include "platform/MessageBox.h"

#include "platform/StaticText.h"
#include <QCheckBox>
#include <cstdio>

namespace {

constexpr char WipeQuestion[] =
    "You are attempting to permanently wipe the grid clean. Do you want to continue?";

bool UserAgreesToWipe(QWidget* owner) {
    return MessageBox(owner, WipeQuestion, "Clear Grid?", QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::Question) == QMessageBox::Yes;
}

} // namespace

void CLevelEditorDlg::OnFillFloor() {
    if (IsPlayerTile(LeftTile)) {
        MessageBox(this, "You cannot fill the grid with a player start position", "No Can Do",
                   QMessageBox::Ok, QMessageBox::Information);
        return;
    }
    if (Session.FillFloor(static_cast<TileType>(LeftTile)))
        RefreshStatus();
}

// Wipes the interior back to Floor; the modified flag stays as it was.
void CLevelEditorDlg::OnClearFloor() {
    if (Document().IsModified() && !UserAgreesToWipe(this))
        return;
    Session.ClearFloor();
    RefreshStatus();
}

// With the grid hidden the lines take the Floor's green and vanish between floor cells.
void CLevelEditorDlg::OnShowGrid() {
    const bool shown = ShowGridBox->isChecked();
    Settings.ShowGrid = shown ? 1 : 0;
    Settings.GridColor = shown ? GridColorShown : GridColorHidden;
    GridPen = CPen(StoredColour(Settings.GridColor));
    RedrawWindow();
}

void CLevelEditorDlg::RefreshStatus() {
    if (HoverCell.column < 0 || HoverCell.row < 0) {
        StatusBox->setText(QString());
        return;
    }
    char text[96];
    std::snprintf(text, sizeof text, "Selected: (%d,%d)   Tile Type: %s", HoverCell.column,
                  HoverCell.row, TileName(Document().TileAt(HoverCell)).c_str());
    StatusBox->setText(QString::fromLocal8Bit(text));
}
