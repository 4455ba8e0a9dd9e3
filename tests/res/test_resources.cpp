#include "res/Resources.h"

#include <QPixmap>
#include <QSet>
#include <QtTest>

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void tileBitmapsAre20By20InTileOrder();
    void floorIsExactlyTheGridHidingGreen();
    void playerTilesCarryAYellowDigitOnFloor();
    void iconHasEveryThemeSizeAnd32By32WithAtMost16Colours();
    void iconIsLoadedOnce();
    void crosshairHasItsHotSpotOnTheCentreDot();
    void unknownIdsGiveNothing();
};

void TestResources::tileBitmapsAre20By20InTileOrder() {
    const std::array<int, 8> expected{129, 130, 132, 133, 134, 135, 136, 137};
    QCOMPARE(TileBitmapIds(), expected);
    for (int id : TileBitmapIds())
        QCOMPARE(LoadBitmapResource(id).size(), QSize(20, 20));
}

void TestResources::floorIsExactlyTheGridHidingGreen() {
    const QImage floor = LoadBitmapResource(BitmapFloor);
    for (int y = 0; y < floor.height(); ++y)
        for (int x = 0; x < floor.width(); ++x)
            QCOMPARE(floor.pixel(x, y), qRgb(0, 128, 0));
}

void TestResources::playerTilesCarryAYellowDigitOnFloor() {
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb green = qRgb(0, 128, 0);
    for (int id = BitmapPlayer1; id <= BitmapPlayer5; ++id) {
        const QImage tile = LoadBitmapResource(id);
        QCOMPARE(tile.pixel(0, 0), green);
        QCOMPARE(tile.pixel(19, 19), green);
        int digitPixels = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                digitPixels += tile.pixel(x, y) == yellow;
        QVERIFY2(digitPixels >= 5, qPrintable(QString::number(id)));
    }
}

void TestResources::iconHasEveryThemeSizeAnd32By32WithAtMost16Colours() {
    const QIcon icon = LoadIconResource(IconProgram);
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
    QCOMPARE(LoadIconResource(IconProgram).cacheKey(), LoadIconResource(IconProgram).cacheKey());
}

void TestResources::crosshairHasItsHotSpotOnTheCentreDot() {
    const QCursor cursor = LoadCursorResource(CursorCrosshair);
    QCOMPARE(cursor.hotSpot(), QPoint(15, 16));
    const QImage image = cursor.pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixel(15, 16), qRgb(0, 0, 0));
}

void TestResources::unknownIdsGiveNothing() {
    QVERIFY(LoadBitmapResource(131).isNull());
    QVERIFY(LoadBitmapResource(IconProgram).isNull());
    QVERIFY(LoadIconResource(BitmapFloor).isNull());
    QCOMPARE(LoadCursorResource(IconProgram).shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestResources)
#include "test_resources.moc"
