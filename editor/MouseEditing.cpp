#include "editor/LevelEditorDlg.h"

#include "about/AboutDlg.h"
#include "level/Placement.h"
#include "res/DialogTemplates.h"

using namespace EditorGeometry;

namespace {

// The About entry's command; the platform keeps the four low bits of system commands.
constexpr unsigned IdmAboutBox = 0x0010;
constexpr unsigned SystemCommandMask = 0xFFF0;
constexpr unsigned ScClose = 0xF060;

// What one mouse button carries: its tile and drag flag, the other button's, and the swatch
// area on which a press takes over the other button's tile.
struct MouseButtonSlot {
    int& tile;
    bool& drag;
    const int& otherTile;
    const bool& otherDrag;
    bool (*hitsOtherSwatch)(int x, int y);
};

// Player One and Player Two are placed by the press alone and never dragged.
bool EndsDragAtOnce(int tile) {
    return tile == Player1 || tile == Player2;
}

// The button-down of either button: the credits link, then the swatch and palette picks, then
// the drag starts and paints the cell under the cursor. While the other button drags, the press
// is dropped.
void PressMouseButton(CLevelEditorDlg& editor, MouseButtonSlot button, unsigned flags,
                      QPoint point) {
    if (button.otherDrag)
        return;
    if (editor.CheckCreditsClick(point))
        return;
    if (button.tile != button.otherTile && button.hitsOtherSwatch(point.x(), point.y())) {
        button.tile = button.otherTile;
        editor.DrawSwatches();
    }
    if (const auto slot = PaletteSlotAt(point.x(), point.y()); slot && *slot != button.tile) {
        button.tile = *slot;
        editor.DrawSwatches();
    }
    button.drag = true;
    editor.TrackCursor((flags & MK_CONTROL) != 0, point);
    if (EndsDragAtOnce(button.tile))
        button.drag = false;
}

} // namespace

void CLevelEditorDlg::OnLButtonDown(unsigned flags, QPoint point) {
    PressMouseButton(*this, {LeftTile, LeftDrag, RightTile, RightDrag, HitsBackSwatch}, flags,
                     point);
}

void CLevelEditorDlg::OnRButtonDown(unsigned flags, QPoint point) {
    PressMouseButton(*this, {RightTile, RightDrag, LeftTile, LeftDrag, HitsFrontSwatch}, flags,
                     point);
}

void CLevelEditorDlg::OnLButtonUp(unsigned, QPoint) {
    LeftDrag = false;
}

void CLevelEditorDlg::OnRButtonUp(unsigned, QPoint) {
    RightDrag = false;
}

void CLevelEditorDlg::OnMouseMove(unsigned flags, QPoint point) {
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
        (LeftDrag ? LeftTile : RightTile) = Grid[HoverCell.column][HoverCell.row];
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
    for (const Cell changed : PlaceTileInGrid(Grid, PlayerStarts, HoverCell, tile))
        DrawCell(changed.column, changed.row);
    Modified = true;
    DrawHoverFrame();
    RefreshStatus();
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

// The About entry opens the About box; of the window's other system commands only closing has
// a meaning here, where the window manager owns moving and sizing.
void CLevelEditorDlg::OnSysCommand(unsigned id) {
    if ((id & SystemCommandMask) == IdmAboutBox) {
        CAboutDlg about(this);
        about.DoModal();
    } else if ((id & SystemCommandMask) == ScClose) {
        close();
    }
}
