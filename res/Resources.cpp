#include "res/Resources.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QPixmap>
#include <QPointer>
#include <QString>

// The resource initialiser of a static library is only linked in when something calls it, so
// every loader registers the compiled-in files first. Q_INIT_RESOURCE must run at global scope.
static bool RegisterResources() {
    Q_INIT_RESOURCE(resources);
    return true;
}

static void EnsureResourcesRegistered() {
    [[maybe_unused]] static const bool registered = RegisterResources();
}

static QString BitmapPath(int id) {
    switch (id) {
    case BitmapSolidBlock:
        return QStringLiteral(":/res/tiles/solid_block.xpm");
    case BitmapBrick:
        return QStringLiteral(":/res/tiles/brick.xpm");
    case BitmapFloor:
        return QStringLiteral(":/res/tiles/floor.xpm");
    case BitmapPlayer1:
        return QStringLiteral(":/res/tiles/player1.xpm");
    case BitmapPlayer2:
        return QStringLiteral(":/res/tiles/player2.xpm");
    case BitmapPlayer3:
        return QStringLiteral(":/res/tiles/player3.xpm");
    case BitmapPlayer4:
        return QStringLiteral(":/res/tiles/player4.xpm");
    case BitmapPlayer5:
        return QStringLiteral(":/res/tiles/player5.xpm");
    default:
        return {};
    }
}

QImage LoadBitmapResource(int id) {
    const QString path = BitmapPath(id);
    if (path.isEmpty())
        return {};
    EnsureResourcesRegistered();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
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
