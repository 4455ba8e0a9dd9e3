// Editing with the keys of the focused grid. The cell cursor stands for the pointer and Space
// for the left button (Shift+Space the right): a press on the cursor's cell paints it as a click
// there would, and while Space is held every cell the arrows move the cursor to joins the same
// stroke of the session, which the release of Space ends. Ctrl picks up the cursor cell's tile,
// and the digits 1 to 8 choose a button's tile in palette order.
#include "editor/LevelEditorDlg.h"

#include "editor/GridKeys.h"
#include "editor/LevelView.h"
#include "editor/TilePicker.h"

void CLevelEditorDlg::ConnectGridKeys() {
    connect(View, &LevelView::CursorMoved, this, &CLevelEditorDlg::OnCursorMoved);
    connect(View, &LevelView::GridKeyPressed, this, &CLevelEditorDlg::OnGridKey);
    connect(View, &LevelView::KeyStrokeEnded, this, &CLevelEditorDlg::EndKeyStroke);
    // A keyboard user reads the cursor cell's tile in the status line, whatever changed it.
    connect(&Session, &DocumentSession::CellsChanged, this, [this] {
        if (View->hasFocus())
            RefreshStatus();
    });
}

void CLevelEditorDlg::OnGridKey(const GridKey& key) {
    switch (key.kind) {
    case GridKey::Paint:
        BeginKeyStroke(key.button);
        break;
    case GridKey::Pick:
        Picker->SetTile(key.button, Document().TileAt(View->CursorCell()));
        break;
    case GridKey::Choose:
        Picker->SetTile(key.button, key.tile);
        break;
    case GridKey::None:
    case GridKey::Move:
        break;
    }
}

// A stroke that the mouse has begun or ended since Space went down is the mouse's.
void CLevelEditorDlg::OnCursorMoved() {
    if (DragButton != Qt::NoButton || !Session.StrokeOpen())
        KeyButton = Qt::NoButton;
    if (KeyButton != Qt::NoButton)
        PaintAtCursor();
    RefreshStatus();
}

// While a mouse button drags, Space paints nothing.
void CLevelEditorDlg::BeginKeyStroke(Qt::MouseButton button) {
    if (DragButton != Qt::NoButton)
        return;
    EndKeyStroke();
    Session.BeginStroke();
    KeyButton = button;
    PaintAtCursor();
    if (EndsDragAtOnce(Picker->Tile(button)))
        EndKeyStroke();
}

// Border cells are never painted.
void CLevelEditorDlg::PaintAtCursor() {
    const Cell cell = View->CursorCell();
    if (!IsBorderCell(cell.column, cell.row))
        Session.PlaceTile(cell, static_cast<TileType>(Picker->Tile(KeyButton)));
}

void CLevelEditorDlg::EndKeyStroke() {
    if (KeyButton == Qt::NoButton)
        return;
    KeyButton = Qt::NoButton;
    if (DragButton == Qt::NoButton)
        Session.EndStroke();
}
