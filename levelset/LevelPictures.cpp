#include "levelset/LevelPictures.h"

#include "editor/GridDrawing.h"
#include "settings/SettingsRecord.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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
    QString text = QString::fromLocal8Bit(entry.name.c_str()); // shown only, never opened
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

// The same picture with a colour table when it has at most 256 colours, as the tile pictures
// do: its PNG file is a third of the size and written several times faster.
QImage WithColourTable(const QImage& image) {
    constexpr int TableSize = 256;
    QList<QRgb> table;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            // Neighbouring pixels mostly share their colour; only a new one is looked up.
            if ((x == 0 || line[x] != line[x - 1]) && !table.contains(line[x])) {
                if (table.size() == TableSize)
                    return image;
                table.append(line[x]);
            }
    }
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::AvoidDither);
}

bool WriteAll(int descriptor, const QByteArray& bytes) {
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t written = ::write(descriptor, bytes.constData() + at, bytes.size() - at);
        if (written < 0 && errno != EINTR)
            return false;
        at += std::max<ssize_t>(written, 0);
    }
    return true;
}

// Writes a temporary file beside path and renames it over path, so that a failed write never
// leaves half a picture. A picture can be made again, so it is not forced to the disk first.
bool ReplaceFile(const std::string& path, const QByteArray& bytes, std::string& error) {
    const std::filesystem::path target(path);
    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        error = std::strerror(errno);
        return false;
    }
    // A new file gets the usual permissions rather than the private ones of mkstemp.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = WriteAll(descriptor, bytes) && ::fchmod(descriptor, 0666 & ~mask) == 0;
    if (!written)
        error = std::strerror(errno);
    if (::close(descriptor) != 0 && written)
        error = std::strerror(errno);
    if (error.empty() && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = std::strerror(errno);
    if (error.empty())
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

QImage RenderLevel(const LevelGrid& grid, bool gridLines, int scale) {
    static const TileBitmapSet bitmaps = GridDrawing::LoadTileBitmaps();
    CDrawingSurface surface(QSize(EditorGeometry::GridRight, EditorGeometry::GridBottom));
    {
        CDC dc(surface);
        GridDrawing::DrawLevelGrid(dc, grid, bitmaps,
                                   StoredColour(gridLines ? GridColorShown : GridColorHidden));
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
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !WithColourTable(image).save(&buffer, "PNG")) {
        error = "the picture could not be encoded";
        return false;
    }
    return ReplaceFile(path, bytes, error);
}
