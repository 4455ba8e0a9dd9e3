#include "editor/LevelView.h"

#include "editor/GridAccessible.h"
#include "render/GridPicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>

using namespace GridGeometry;

namespace {

constexpr render::Pixel HoverFrameColour = render::Rgb(255, 0, 0);
constexpr render::Pixel CursorDark = render::Rgb(0, 0, 0), CursorLight = render::Rgb(255, 255, 255);
constexpr int CursorDash = 3;
// No tile, grid line or frame uses it, so the axes stand out on every tile.
const QColor MirrorAxisColour(255, 0, 255);
constexpr int HalfTurnMarkSize = 5;

render::Rect CellImageArea(Cell cell) {
    const int left = CellLeft(cell.column) + 1, top = CellTop(cell.row) + 1;
    return {left, top, left + CellImageSize, top + CellImageSize};
}

// The inside of the hover frame's ring, where the cursor's two rings go.
render::Rect CursorArea(Cell cell) {
    const render::Rect image = CellImageArea(cell);
    return {image.left + 1, image.top + 1, image.right - 1, image.bottom - 1};
}

// One pixel of a cursor ring: dashes of black and white, the inner ring's offset by one dash.
void DrawCursorDash(const render::Canvas& canvas, int x, int y, int ring) {
    canvas.Row(y)[x] = ((x + y) / CursorDash + ring) % 2 ? CursorLight : CursorDark;
}

} // namespace

LevelView::LevelView(const LevelDocument& document, render::Pixel gridColour, QWidget* parent)
    : QWidget(parent), Document(document), Picture(GridRight, GridBottom, QImage::Format_RGB32) {
    setGeometry(GridLeft, GridTop, GridRight - GridLeft, GridBottom - GridTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Level grid"));
    SetGridColour(gridColour);
}

void LevelView::MoveHover(Cell cell, bool framed) {
    QRect changed = DrawCell(Hover);
    Hover = cell;
    Pointed = cell;
    if (framed)
        changed |= DrawHoverFrame();
    update(changed);
}

// Mirrored cells lie far apart: each is updated alone, not the rectangle round them all.
void LevelView::ShowCells(const std::vector<Cell>& cells) {
    QRegion changed;
    for (const Cell cell : cells)
        changed += DrawCell(cell);
    update(changed + DrawHoverFrame());
    AnnounceChangedCells(this, cells);
}

void LevelView::SetGridColour(render::Pixel gridColour) {
    render::DrawGridLines(Pixels(), gridColour);
    render::DrawGridCells(Pixels(), Document.Grid());
    DrawHoverFrame();
    DrawCursorFrame();
    update();
}

void LevelView::ShowMirror(MirrorMode mirror) {
    Mirroring = mirror;
    setAccessibleDescription(
        mirror ? QStringLiteral("Mirror: %1").arg(QString::fromStdString(MirrorName(mirror)))
               : QString());
    update();
}

void LevelView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, Picture, area.translated(GridLeft, GridTop));
    if (Mirroring)
        PaintMirrorAxes(painter);
}

// Space's auto-repeat neither ends nor starts a stroke again: the stroke lasts until Space is up.
void LevelView::keyPressEvent(QKeyEvent* event) {
    const GridKey key = DecodeGridKey(*event);
    if (key.kind == GridKey::None)
        return QWidget::keyPressEvent(event);
    if (key.kind == GridKey::Move)
        MoveCursor(key.columns, key.rows);
    else if (!(key.kind == GridKey::Paint && event->isAutoRepeat()))
        emit GridKeyPressed(key);
}

void LevelView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit KeyStrokeEnded();
    QWidget::keyReleaseEvent(event);
}

void LevelView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Pointed = Cursor;
    update(DrawCursorFrame());
    AnnounceCursor(this);
    emit CursorMoved();
}

void LevelView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(EraseCursorFrame());
    emit KeyStrokeEnded();
}

// The cursor stops at the grid's edges.
void LevelView::MoveCursor(int columns, int rows) {
    const Cell next{std::clamp(Cursor.column + columns, 0, GridColumns - 1),
                    std::clamp(Cursor.row + rows, 0, GridRows - 1)};
    if (next == Cursor)
        return;
    update(EraseCursorFrame());
    Cursor = Pointed = next;
    update(DrawCursorFrame());
    AnnounceCursor(this);
    emit CursorMoved();
}

QRect LevelView::DrawCursorFrame() {
    if (!hasFocus())
        return {};
    const render::Rect area = CursorArea(Cursor);
    const render::Canvas canvas = Pixels();
    for (int ring = 0; ring < 2; ++ring) {
        const int left = area.left + ring, top = area.top + ring;
        const int right = area.right - 1 - ring, bottom = area.bottom - 1 - ring;
        for (int x = left; x <= right; ++x) {
            DrawCursorDash(canvas, x, top, ring);
            DrawCursorDash(canvas, x, bottom, ring);
        }
        for (int y = top; y <= bottom; ++y) {
            DrawCursorDash(canvas, left, y, ring);
            DrawCursorDash(canvas, right, y, ring);
        }
    }
    return OnWidget(area);
}

// The tile's picture drawn again inside the hover frame's ring, which stays as it is.
QRect LevelView::EraseCursorFrame() {
    const render::Rect area = CursorArea(Cursor);
    const render::Canvas canvas = Pixels();
    const render::Canvas inside{canvas.Row(area.top) + area.left, area.right - area.left,
                                area.bottom - area.top, canvas.stride};
    render::DrawTileImage(inside, CellLeft(Cursor.column) - area.left,
                          CellTop(Cursor.row) - area.top, Document.TileAt(Cursor));
    return OnWidget(area);
}

render::Canvas LevelView::Pixels() {
    return {reinterpret_cast<render::Pixel*>(Picture.bits()), Picture.width(), Picture.height(),
            Picture.bytesPerLine() / qsizetype(sizeof(render::Pixel))};
}

QRect LevelView::DrawCell(Cell cell) {
    if (cell == NoCell)
        return {};
    render::DrawTileImage(Pixels(), CellLeft(cell.column), CellTop(cell.row),
                          Document.TileAt(cell));
    if (cell == Cursor)
        DrawCursorFrame();
    return OnWidget(CellImageArea(cell));
}

QRect LevelView::DrawHoverFrame() {
    if (Hover == NoCell)
        return {};
    const render::Rect area = CellImageArea(Hover);
    render::FrameRect(Pixels(), area, HoverFrameColour);
    return OnWidget(area);
}

QRect LevelView::OnWidget(const render::Rect& area) const {
    return QRect(area.left - GridLeft, area.top - GridTop, area.right - area.left,
                 area.bottom - area.top);
}

// The axes run through the middle pixel of column 7 and of row 6, inside the frame; the half
// turn's centre is a square on the middle pixel of cell (7,6).
void LevelView::PaintMirrorAxes(QPainter& painter) const {
    const QRect inside = OnWidget({GridLeft + 1, GridTop + 1, GridRight - 1, GridBottom - 1});
    const QPoint middle = OnWidget(CellImageArea({GridColumns / 2, GridRows / 2})).topLeft() +
                          QPoint(CellImageSize / 2, CellImageSize / 2);
    const Mirror mirror = *Mirroring;
    if (mirror == Mirror::LeftRight || mirror == Mirror::Both)
        painter.fillRect(middle.x(), inside.top(), 1, inside.height(), MirrorAxisColour);
    if (mirror == Mirror::TopBottom || mirror == Mirror::Both)
        painter.fillRect(inside.left(), middle.y(), inside.width(), 1, MirrorAxisColour);
    if (mirror == Mirror::HalfTurn)
        painter.fillRect(middle.x() - HalfTurnMarkSize / 2, middle.y() - HalfTurnMarkSize / 2,
                         HalfTurnMarkSize, HalfTurnMarkSize, MirrorAxisColour);
}
