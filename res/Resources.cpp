#include "res/Resources.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QPixmap>
#include <QPointer>
#include <QString>

// The resource initialiser of a static library is only linked in when something calls it, so
// every loader registers the compiled-in files first. Q_INIT_RESOURCE must run at global scope.
static void EnsureResourcesRegistered() {
    [[maybe_unused]] static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
}

namespace {

// The program icon at every size of the icon theme, built with the theme's pictures.
QIcon IconOfAllSizes() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

// Qt caches the pixmaps it makes from an icon under that icon's key, so an icon loaded afresh
// for every dialog would add cache entries at every opening.
class LoadedIcon : public QObject {
public:
    explicit LoadedIcon(QObject* application) : QObject(application), Icon(IconOfAllSizes()) {}
    const QIcon Icon;
};

} // namespace

QIcon ProgramIcon() {
    EnsureResourcesRegistered();
    static QPointer<LoadedIcon> loaded;
    if (!loaded)
        loaded = new LoadedIcon(QCoreApplication::instance());
    return loaded->Icon;
}

QCursor CrosshairCursor() {
    EnsureResourcesRegistered();
    constexpr int hotSpotX = 15;
    constexpr int hotSpotY = 16;
    return QCursor(QPixmap(QStringLiteral(":/res/crosshair.xpm")), hotSpotX, hotSpotY);
}

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}
