#include "editor/LevelView.h"

#include "render/GridPicture.h"
#include "render/TilePictures.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

using namespace GridGeometry;

namespace {

constexpr render::Pixel HoverFrameColour = render::Rgb(255, 0, 0);
// No tile, grid line or frame uses it, so the axes stand out on every tile.
const QColor MirrorAxisColour(255, 0, 255);
constexpr int HalfTurnMarkSize = 5;

render::Rect CellImageArea(Cell cell) {
    const int left = CellLeft(cell.column) + 1, top = CellTop(cell.row) + 1;
    return {left, top, left + CellImageSize, top + CellImageSize};
}

} // namespace

LevelView::LevelView(const LevelDocument& document, render::Pixel gridColour, QWidget* parent)
    : QWidget(parent), Document(document), Picture(GridRight, GridBottom, QImage::Format_RGB32) {
    setGeometry(GridLeft, GridTop, GridRight - GridLeft, GridBottom - GridTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Level grid"));
    SetGridColour(gridColour);
}

void LevelView::MoveHover(Cell cell, bool framed) {
    QRect changed = DrawCell(Hover);
    Hover = cell;
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
}

void LevelView::SetGridColour(render::Pixel gridColour) {
    render::DrawGridLines(Pixels(), gridColour);
    render::DrawGridCells(Pixels(), Document.Grid());
    DrawHoverFrame();
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

render::Canvas LevelView::Pixels() {
    return {reinterpret_cast<render::Pixel*>(Picture.bits()), Picture.width(), Picture.height(),
            Picture.bytesPerLine() / qsizetype(sizeof(render::Pixel))};
}

QRect LevelView::DrawCell(Cell cell) {
    if (cell == NoCell)
        return {};
    render::DrawTileImage(Pixels(), CellLeft(cell.column), CellTop(cell.row),
                          render::TilePicture(Document.TileAt(cell)).View());
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
