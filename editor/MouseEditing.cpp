#include "editor/LevelEditorDlg.h"

#include "about/AboutDlg.h"
#include "res/DialogTemplates.h"

using namespace EditorGeometry;

namespace {

// The About entry's command; the platform keeps the four low bits of system commands.
constexpr unsigned IdmAboutBox = 0x0010;
constexpr unsigned SystemCommandMask = 0xFFF0;
constexpr unsigned ScClose = 0xF060;

// Player One and Player Two are placed by the press alone and never dragged.
bool EndsDragAtOnce(int tile) {
    return tile == Player1 || tile == Player2;
}

} // namespace

// The button-down of either button: the credits link, then the swatch and palette picks, then
// the drag starts and paints the cell under the cursor. While the other button drags, the press
// is dropped. Everything the press and the drag after it paint is one stroke.
void CLevelEditorDlg::PressMouseButton(unsigned button, unsigned flags, QPoint point) {
    const bool left = button == MK_LBUTTON;
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
    TrackCursor((flags & MK_CONTROL) != 0, point);
    if (EndsDragAtOnce(tile))
        drag = false;
}

void CLevelEditorDlg::ReleaseMouseButton(unsigned button) {
    (button == MK_LBUTTON ? LeftDrag : RightDrag) = false;
    EndStrokeOfButton(button);
}

void CLevelEditorDlg::OnLButtonDown(unsigned flags, QPoint point) {
    PressMouseButton(MK_LBUTTON, flags, point);
}

void CLevelEditorDlg::OnRButtonDown(unsigned flags, QPoint point) {
    PressMouseButton(MK_RBUTTON, flags, point);
}

void CLevelEditorDlg::OnLButtonUp(unsigned, QPoint) {
    ReleaseMouseButton(MK_LBUTTON);
}

void CLevelEditorDlg::OnRButtonUp(unsigned, QPoint) {
    ReleaseMouseButton(MK_RBUTTON);
}

// A move without the stroke's button held means its release never reached the window (a box
// opened in between, say): the stroke ends there rather than paint on without a button.
void CLevelEditorDlg::OnMouseMove(unsigned flags, QPoint point) {
    if (Stroke && (flags & Stroke->button) == 0)
        EndStroke();
    TrackCursor((flags & MK_CONTROL) != 0, point);
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
        (LeftDrag ? LeftTile : RightTile) = Level.TileAt(HoverCell);
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

// Stores tile into the hovered cell under the player-start rule and brings the screen up to
// date: every changed cell, the hover frame on top, the status line.
void CLevelEditorDlg::PlaceTile(TileType tile) {
    DrawCells(Level.PlaceTile(HoverCell, tile));
    DrawHoverFrame();
    RefreshStatus();
    NoteLevelChange();
}

// A click on the credits text, its right and bottom edge lines included, opens the About box.
bool CLevelEditorDlg::CheckCreditsClick(QPoint point) {
    const QRect credits = GetDlgItem(IdCredits)->geometry();
    const int right = credits.x() + credits.width();
    const int bottom = credits.y() + credits.height();
    if (point.x() < credits.x() || point.x() > right || point.y() < credits.y() ||
        point.y() > bottom)
        return false;
    EndStroke();
    CAboutDlg about(this);
    about.DoModal();
    return true;
}

// The About entry opens the About box; of the window's other system commands only closing has
// a meaning here, where the window manager owns moving and sizing.
void CLevelEditorDlg::OnSysCommand(unsigned id) {
    if ((id & SystemCommandMask) == IdmAboutBox) {
        EndStroke();
        CAboutDlg about(this);
        about.DoModal();
    } else if ((id & SystemCommandMask) == ScClose) {
        close();
    }
}
