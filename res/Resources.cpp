#include "res/Resources.h"

#include "render/TilePictures.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <algorithm>

// The resource initialiser of a static library is only linked in when something calls it, so
// every loader registers the compiled-in files first. Q_INIT_RESOURCE must run at global scope.
static bool RegisterResources() {
    Q_INIT_RESOURCE(resources);
    return true;
}

static void EnsureResourcesRegistered() {
    [[maybe_unused]] static const bool registered = RegisterResources();
}

// The tile code of a bitmap id, or -1 for an id that is no tile bitmap.
static int TileOfBitmap(int id) {
    const std::array<int, 8> ids = TileBitmapIds();
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
}

// The tile pictures decoded once by render/, shown as read-only images over their pixels.
QImage LoadBitmapResource(int id) {
    const int tile = TileOfBitmap(id);
    if (tile < 0)
        return {};
    const render::PixelBuffer& picture = render::TilePicture(tile);
    return QImage(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                  picture.Width() * qsizetype(sizeof(render::Pixel)), QImage::Format_RGB32);
}

namespace {

// The program icon at every size of the icon theme, built with the theme's pictures.
QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

// The program icon, loaded once for the application's life. Qt caches the pixmaps it makes
// from an icon under that icon's key, so an icon loaded afresh for every dialog would add
// cache entries at every opening.
class LoadedIcon : public QObject {
public:
    explicit LoadedIcon(QObject* application) : QObject(application), Icon(ProgramIcon()) {}
    const QIcon Icon;
};

} // namespace

QIcon LoadIconResource(int id) {
    if (id != IconProgram)
        return {};
    EnsureResourcesRegistered();
    static QPointer<LoadedIcon> loaded;
    if (!loaded)
        loaded = new LoadedIcon(QCoreApplication::instance());
    return loaded->Icon;
}

QCursor LoadCursorResource(int id) {
    if (id != CursorCrosshair)
        return {};
    EnsureResourcesRegistered();
    constexpr int hotSpotX = 15;
    constexpr int hotSpotY = 16;
    return QCursor(QPixmap(QStringLiteral(":/res/crosshair.xpm")), hotSpotX, hotSpotY);
}

std::array<int, 8> TileBitmapIds() {
    return {BitmapSolidBlock, BitmapBrick,   BitmapFloor,   BitmapPlayer1,
            BitmapPlayer2,    BitmapPlayer3, BitmapPlayer4, BitmapPlayer5};
}
