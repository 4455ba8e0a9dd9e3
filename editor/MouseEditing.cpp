// Picking and painting tiles with two mouse buttons. Every mouse event of the window's own
// surface comes here in window pixels: the grid, the palette, the swatches and the labels take
// none of their own, and Qt keeps sending the moves and the release to the window while a
// button pressed over it is held, wherever the pointer goes. A drag is a stroke of the session:
// everything that a press and the drag after it paint is one step.
#include "editor/LevelEditorDlg.h"

#include "about/AboutDlg.h"
#include "editor/LevelView.h"
#include "editor/TilePicker.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

using namespace EditorGeometry;

namespace {

// The client pixel that holds the pointer. Qt rounds position() to whole pixels, which on a
// screen scaled by 1.5 names the next pixel for a third of the device pixels; scenePosition()
// is exact, but Qt 6.4 gives (-1,-1) there in the first move after the pointer came back from
// a button or the check box, so it is taken only where it agrees with position().
QPoint ClientPixelOf(const QMouseEvent* event) {
    const QPointF exact = event->scenePosition();
    const QPointF rounded = event->position();
    const bool agree =
        std::abs(exact.x() - rounded.x()) < 1 && std::abs(exact.y() - rounded.y()) < 1;
    const QPointF pixel = agree ? exact : rounded;
    return QPoint(int(std::floor(pixel.x())), int(std::floor(pixel.y())));
}

} // namespace

void CLevelEditorDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        PressMouseButton(event->button(), event->modifiers(), ClientPixelOf(event));
}

void CLevelEditorDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == DragButton)
        EndDrag();
}

// A move without the drag's button held means its release never reached the window (a box
// opened in between, say): the drag ends there rather than paint on without a button.
void CLevelEditorDlg::mouseMoveEvent(QMouseEvent* event) {
    if (DragButton != Qt::NoButton && !(event->buttons() & DragButton))
        EndDrag();
    TrackCursor(event->modifiers().testFlag(Qt::ControlModifier), ClientPixelOf(event));
}

// The second press of a double click is no button-down.
void CLevelEditorDlg::mouseDoubleClickEvent(QMouseEvent*) {}

// Qt blocks the window while a modal box of the program is open, and the box takes the mouse.
bool CLevelEditorDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowBlocked)
        EndDrag();
    return QWidget::event(event);
}

// The button-down of either button: the credits link, then the swatch and palette picks, then
// the drag starts and paints the cell under the cursor. While the other button drags, the press
// is dropped.
void CLevelEditorDlg::PressMouseButton(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                       QPoint point) {
    const Qt::MouseButton other = button == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    if (DragButton == other)
        return;
    if (HitsCredits(point)) {
        CAboutDlg about(this);
        about.exec();
        return;
    }
    const auto hitsOtherSwatch = button == Qt::LeftButton ? HitsBackSwatch : HitsFrontSwatch;
    if (hitsOtherSwatch(point.x(), point.y()))
        Picker->SetTile(button, Picker->Tile(other));
    if (const auto slot = PaletteSlotAt(point.x(), point.y()))
        Picker->SetTile(button, *slot);
    BeginDrag(button);
    TrackCursor(modifiers.testFlag(Qt::ControlModifier), point);
    if (EndsDragAtOnce(Picker->Tile(button)))
        EndDrag();
}

// Moves the hover to the cell under the point; with Ctrl held a dragging button picks up that
// cell's tile, otherwise it paints its tile there. Border cells are hovered but never painted.
void CLevelEditorDlg::TrackCursor(bool ctrlHeld, QPoint point) {
    const auto cell = CellAt(CellHitMap, point.x(), point.y());
    if (!cell) {
        View->MoveHover(NoCell, false);
        RefreshStatus();
        return;
    }
    if (ctrlHeld && DragButton != Qt::NoButton)
        Picker->SetTile(DragButton, Document().TileAt(*cell));
    const bool border = IsBorderCell(cell->column, cell->row);
    View->MoveHover(*cell, !border);
    // The session's announcement draws every changed cell with the hover frame on top.
    if (!border && !ctrlHeld && DragButton != Qt::NoButton)
        Session.PlaceTile(*cell, static_cast<TileType>(Picker->Tile(DragButton)));
    RefreshStatus();
}

// The credits text, its right and bottom edge lines included.
bool CLevelEditorDlg::HitsCredits(QPoint point) const {
    const QRect credits = Credits->geometry();
    return credits.left() <= point.x() && point.x() <= credits.right() + 1 &&
           credits.top() <= point.y() && point.y() <= credits.bottom() + 1;
}

// A new press ends any drag still going, so that each stroke is a step of its own.
void CLevelEditorDlg::BeginDrag(Qt::MouseButton button) {
    EndDrag();
    Session.BeginStroke();
    DragButton = button;
}

void CLevelEditorDlg::EndDrag() {
    if (DragButton == Qt::NoButton)
        return;
    DragButton = Qt::NoButton;
    Session.EndStroke();
}

bool CLevelEditorDlg::EndsDragAtOnce(int tile) {
    return tile == Player1 || tile == Player2;
}

bool CLevelEditorDlg::StrokeHeld() const {
    return DragButton != Qt::NoButton || KeyButton != Qt::NoButton ||
           QGuiApplication::mouseButtons() != Qt::NoButton;
}
