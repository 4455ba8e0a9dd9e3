#include "level/Level.h"
#include "render/TilePictures.h"
#include "res/Resources.h"

#include <QPixmap>
#include <QSet>
#include <QtTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void tilePicturesAre20By20();
    void floorIsExactlyTheGridHidingGreen();
    void playerTilesCarryAYellowDigitOnFloor();
    void iconHasEveryThemeSizeAnd32By32WithAtMost16Colours();
    void iconIsLoadedOnce();
    void crosshairHasItsHotSpotOnTheCentreDot();
};

namespace {

const render::Pixel Green = render::Rgb(0, 128, 0);

} // namespace

void TestResources::tilePicturesAre20By20() {
    for (int tile = 0; tile < TileCount; ++tile) {
        QCOMPARE(render::TilePicture(tile).Width(), 20);
        QCOMPARE(render::TilePicture(tile).Height(), 20);
    }
}

void TestResources::floorIsExactlyTheGridHidingGreen() {
    const render::PixelBuffer& floor = render::TilePicture(Floor);
    for (int y = 0; y < floor.Height(); ++y)
        for (int x = 0; x < floor.Width(); ++x)
            QCOMPARE(floor.At(x, y), Green);
}

void TestResources::playerTilesCarryAYellowDigitOnFloor() {
    for (int tile = Player1; tile <= Player5; ++tile) {
        const render::PixelBuffer& picture = render::TilePicture(tile);
        QCOMPARE(picture.At(0, 0), Green);
        QCOMPARE(picture.At(19, 19), Green);
        int digitPixels = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                digitPixels += picture.At(x, y) == render::Rgb(255, 255, 0);
        QVERIFY2(digitPixels >= 5, qPrintable(QString::number(tile)));
    }
}

void TestResources::iconHasEveryThemeSizeAnd32By32WithAtMost16Colours() {
    const QIcon icon = ProgramIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) // the sizes of the icon theme
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
    const QImage image = icon.pixmap(32, 32).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() <= 16);
}

// Pixmaps made from an icon are cached under its key: one icon keeps that cache from growing
// with every dialog that shows it.
void TestResources::iconIsLoadedOnce() {
    QCOMPARE(ProgramIcon().cacheKey(), ProgramIcon().cacheKey());
}

void TestResources::crosshairHasItsHotSpotOnTheCentreDot() {
    const QCursor cursor = CrosshairCursor();
    QCOMPARE(cursor.hotSpot(), QPoint(15, 16));
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixel(15, 16), qRgb(0, 0, 0));
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
