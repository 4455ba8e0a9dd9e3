#pragma once
// The level's grid in the editor window: the grid lines in the grid colour, the black outer
// frame, the tile picture of every cell and the red frame round the hovered cell. It paints
// them with render/, as zapmaze-levels does, into a picture of its own, which paint events only
// copy to the screen; a changed cell costs the few hundred pixels of its picture. It takes no
// mouse input: the window's one mouse handler tells it where the pointer is.
// It is a tab stop of the window: while it has the keyboard focus it shows a cell cursor, a
// dashed black and white frame inside the hover frame's place, which the arrow keys move; the
// other keys it decodes (GridKeys.h) and hands to the window, which edits the level.
#include "editor/GridKeys.h"
#include "level/LevelDocument.h"
#include "render/Canvas.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QPainter;

class LevelView : public QWidget {
    Q_OBJECT

public:
    // Shows the level of `document` with grid lines of `gridColour`, at the grid's place in the
    // window.
    LevelView(const LevelDocument& document, render::Pixel gridColour, QWidget* parent);

    const LevelDocument& Level() const { return Document; }
    Cell HoverCell() const { return Hover; }
    Cell CursorCell() const { return Cursor; }
    // The cell that the status line describes: the one that the pointer or the cursor moved to
    // last.
    Cell StatusCell() const { return Pointed; }
    // The hover moves to `cell` (NoCell for none): the cell hovered before is drawn afresh,
    // which takes its frame away, and `cell` gets the frame when `framed`.
    void MoveHover(Cell cell, bool framed);
    // The cells drawn again from the document, then the frame on the hovered cell, whichever
    // cell it is.
    void ShowCells(const std::vector<Cell>& cells);
    // Everything drawn again, with grid lines of `gridColour`.
    void SetGridColour(render::Pixel gridColour);
    // The axes of the paint mirror drawn over the grid, and its name in the grid's accessible
    // description ("Mirror: both"); with the mirror off neither, the grid as without mirrors.
    void ShowMirror(MirrorMode mirror);
    // The cell cursor moves to `cell`, as the arrows would move it there.
    void PlaceCursor(Cell cell) { MoveCursor(cell.column - Cursor.column, cell.row - Cursor.row); }

signals:
    void CursorMoved();
    // A key on the focused grid other than an arrow.
    void GridKeyPressed(const GridKey& key);
    // Space came up, or the focus left the grid: a stroke of the keyboard ends.
    void KeyStrokeEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveCursor(int columns, int rows);
    QRect DrawCursorFrame();
    QRect EraseCursorFrame();
    render::Canvas Pixels();
    // Each draws into the picture and returns the part of this widget it changed.
    QRect DrawCell(Cell cell);
    QRect DrawHoverFrame();
    // Where a rectangle of the window's pixels lies in this widget.
    QRect OnWidget(const render::Rect& area) const;
    void PaintMirrorAxes(QPainter& painter) const;

    const LevelDocument& Document;
    Cell Hover = NoCell;
    Cell Cursor{1, 1};
    Cell Pointed = NoCell;
    MirrorMode Mirroring;
    // In the window's pixels, as render/ paints the grid area; the margin above and left of the
    // grid is never shown.
    QImage Picture;
};
