#include "levelset/LevelPictures.h"

#include "editor/GridDrawing.h"
#include "settings/SettingsRecord.h"

#include <QFont>
#include <QPainter>
#include <QSaveFile>

namespace {

constexpr int PictureWidth = EditorGeometry::GridRight - EditorGeometry::GridLeft;
constexpr int PictureHeight = EditorGeometry::GridBottom - EditorGeometry::GridTop;
constexpr int SheetColumns = 5;
constexpr int SheetMargin = 12;
constexpr int LabelHeight = 22;

const QColor FailColour(200, 0, 0);
const QColor MissingColour(200, 200, 200);

// Each target pixel takes the source pixel under it; for whole factors Qt's fast scaling
// repeats every pixel exactly scale times in each direction.
QImage ScaledByWholeFactor(const QImage& image, int scale) {
    if (scale == 1)
        return image;
    return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

QRect SlotPicture(int index) {
    const int column = index % SheetColumns;
    const int row = index / SheetColumns;
    const int x = SheetMargin + column * (PictureWidth + SheetMargin);
    const int y = SheetMargin + LabelHeight + row * (LabelHeight + PictureHeight + SheetMargin);
    return QRect(x, y, PictureWidth, PictureHeight);
}

void DrawEntry(QPainter& painter, const QRect& picture, const SheetEntry& entry) {
    const QRect label(picture.left(), picture.top() - LabelHeight, picture.width(), LabelHeight);
    QString text = QString::fromLocal8Bit(entry.name.c_str());
    if (entry.state == SheetEntry::State::Missing) {
        painter.fillRect(picture, MissingColour);
        painter.setPen(Qt::black);
        painter.drawText(picture, Qt::AlignCenter, QStringLiteral("missing"));
        text += QStringLiteral(" (missing)");
    } else {
        painter.drawImage(picture.topLeft(), RenderLevel(entry.grid, true, 1));
    }
    if (entry.state == SheetEntry::State::Fails) {
        painter.setPen(QPen(FailColour, 3));
        painter.drawRect(picture.adjusted(-2, -2, 1, 1));
        text += QStringLiteral(" (fails the check)");
    }
    painter.setPen(entry.state == SheetEntry::State::Passes ? Qt::black : FailColour);
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

QImage RenderLevel(const LevelGrid& grid, bool gridLines, int scale) {
    static const TileBitmapSet bitmaps = GridDrawing::LoadTileBitmaps();
    CDrawingSurface surface(QSize(EditorGeometry::GridRight, EditorGeometry::GridBottom));
    {
        CDC dc(surface);
        GridDrawing::DrawLevelGrid(dc, grid, bitmaps, gridLines ? GridColorShown : GridColorHidden);
    }
    const QImage area = surface.Surface().copy(EditorGeometry::GridLeft, EditorGeometry::GridTop,
                                               PictureWidth, PictureHeight);
    return ScaledByWholeFactor(area, scale);
}

QImage RenderSheet(const std::array<SheetEntry, 10>& entries) {
    const int rows = static_cast<int>(entries.size()) / SheetColumns;
    QImage sheet(SheetMargin + SheetColumns * (PictureWidth + SheetMargin),
                 SheetMargin + rows * (LabelHeight + PictureHeight + SheetMargin),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    for (int index = 0; index < static_cast<int>(entries.size()); ++index)
        DrawEntry(painter, SlotPicture(index), entries[index]);
    return sheet;
}

bool SavePng(const QImage& image, const std::string& path, std::string& error) {
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = file.errorString().toStdString();
        if (error.empty() || error == "Unknown error")
            error = "the picture could not be written";
        return false;
    }
    return true;
}
