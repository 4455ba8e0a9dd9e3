#include "editor/LevelEditorDlg.h"

#include "about/AboutDlg.h"
#include "res/DialogTemplates.h"

using namespace EditorGeometry;

namespace {

// Player One and Player Two are placed by the press alone and never dragged.
bool EndsDragAtOnce(int tile) {
    return tile == Player1 || tile == Player2;
}

} // namespace

// The button-down of either button: the credits link, then the swatch and palette picks, then
// the drag starts and paints the cell under the cursor. While the other button drags, the press
// is dropped. Everything the press and the drag after it paint is one stroke.
void CLevelEditorDlg::PressMouseButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                       QPoint point) {
    const bool left = button == Qt::LeftButton;
    int& tile = left ? LeftTile : RightTile;
    bool& drag = left ? LeftDrag : RightDrag;
    const int otherTile = left ? RightTile : LeftTile;
    if (left ? RightDrag : LeftDrag)
        return;
    if (CheckCreditsClick(point))
        return;
    const auto hitsOtherSwatch = left ? HitsBackSwatch : HitsFrontSwatch;
    if (tile != otherTile && hitsOtherSwatch(point.x(), point.y())) {
        tile = otherTile;
        DrawSwatches();
    }
    if (const auto slot = PaletteSlotAt(point.x(), point.y()); slot && *slot != tile) {
        tile = *slot;
        DrawSwatches();
    }
    BeginStroke(button);
    drag = true;
    TrackCursor(modifiers.testFlag(Qt::ControlModifier), point);
    if (EndsDragAtOnce(tile))
        drag = false;
}

void CLevelEditorDlg::ReleaseMouseButton(Qt::MouseButton button) {
    (button == Qt::LeftButton ? LeftDrag : RightDrag) = false;
    EndStrokeOfButton(button);
}

void CLevelEditorDlg::OnLButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers modifiers,
                                    QPoint point) {
    PressMouseButton(Qt::LeftButton, modifiers, point);
}

void CLevelEditorDlg::OnRButtonDown(Qt::MouseButtons, Qt::KeyboardModifiers modifiers,
                                    QPoint point) {
    PressMouseButton(Qt::RightButton, modifiers, point);
}

void CLevelEditorDlg::OnLButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {
    ReleaseMouseButton(Qt::LeftButton);
}

void CLevelEditorDlg::OnRButtonUp(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {
    ReleaseMouseButton(Qt::RightButton);
}

// A move without the stroke's button held means its release never reached the window (a box
// opened in between, say): the stroke ends there rather than paint on without a button.
void CLevelEditorDlg::OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                  QPoint point) {
    if (Session.StrokeOpen() && !(buttons & StrokeButton))
        EndStroke();
    TrackCursor(modifiers.testFlag(Qt::ControlModifier), point);
}

// Moves the hover to the cell under the point; with Ctrl held a dragging button picks up that
// cell's tile, otherwise it paints its tile there. Border cells are hovered but never painted.
void CLevelEditorDlg::TrackCursor(bool ctrlHeld, QPoint point) {
    DrawCell(HoverCell.column, HoverCell.row);
    const auto cell = CellAt(CellHitMap, point.x(), point.y());
    if (!cell) {
        HoverCell = NoCell;
        RefreshStatus();
        return;
    }
    HoverCell = *cell;
    if (ctrlHeld && (LeftDrag || RightDrag)) {
        (LeftDrag ? LeftTile : RightTile) = Document().TileAt(HoverCell);
        DrawSwatches();
    }
    if (IsBorderCell(HoverCell.column, HoverCell.row)) {
        RefreshStatus();
        return;
    }
    DrawHoverFrame();
    if (!ctrlHeld && (LeftDrag || RightDrag))
        PlaceTile(static_cast<TileType>(LeftDrag ? LeftTile : RightTile));
    RefreshStatus();
}

// Stores tile into the hovered cell under the player-start rule; the session's announcement
// draws every changed cell with the hover frame on top.
void CLevelEditorDlg::PlaceTile(TileType tile) {
    Session.PlaceTile(HoverCell, tile);
}

// A click on the credits text, its right and bottom edge lines included, opens the About box.
bool CLevelEditorDlg::CheckCreditsClick(QPoint point) {
    const QRect credits = GetDlgItem(IdCredits)->geometry();
    const int right = credits.x() + credits.width();
    const int bottom = credits.y() + credits.height();
    if (point.x() < credits.x() || point.x() > right || point.y() < credits.y() ||
        point.y() > bottom)
        return false;
    CAboutDlg about(this);
    about.DoModal();
    return true;
}
