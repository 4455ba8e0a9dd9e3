#include "editor/LevelView.h"

#include "render/GridPicture.h"
#include "render/TilePictures.h"

#include <QPaintEvent>
#include <QPainter>

using namespace GridGeometry;

namespace {

constexpr render::Pixel HoverFrameColour = render::Rgb(255, 0, 0);

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

void LevelView::ShowCells(const std::vector<Cell>& cells) {
    QRect changed;
    for (const Cell cell : cells)
        changed |= DrawCell(cell);
    update(changed | DrawHoverFrame());
}

void LevelView::SetGridColour(render::Pixel gridColour) {
    render::DrawGridLines(Pixels(), gridColour);
    render::DrawGridCells(Pixels(), Document.Grid());
    DrawHoverFrame();
    update();
}

void LevelView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), Picture, event->rect().translated(GridLeft, GridTop));
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
