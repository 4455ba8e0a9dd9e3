// The pixel-to-cell map and the hit tests of the editor's painted area.
#include "editor/EditorGeometry.h"

#include <QTest>
#include <memory>

using namespace EditorGeometry;

class GeometryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CellHitTable> HitMap = std::make_unique<CellHitTable>();

private slots:
    void initTestCase() { BuildCellHitMap(*HitMap); }

    void everyHitMapEntryIsItsPixelDividedByTheCellPitch() {
        int wrong = 0;
        for (int px = 0; px < HitMapWidth; ++px)
            for (int py = 0; py < HitMapHeight; ++py)
                if ((*HitMap)[px][py] != Cell{px / 20, py / 20})
                    ++wrong;
        QCOMPARE(wrong, 0);
    }

    void cellAtExcludesTheOuterFrameAndGivesLinesToTheNextCell() {
        for (int i = 0; i < 300; ++i) {
            QVERIFY(!CellAt(*HitMap, 5, i));
            QVERIFY(!CellAt(*HitMap, 305, i));
            QVERIFY(!CellAt(*HitMap, i, 5));
            QVERIFY(!CellAt(*HitMap, i, 265));
        }
        QVERIFY(!CellAt(*HitMap, -1000, 100));
        QVERIFY(!CellAt(*HitMap, 100, 100000));
        QCOMPARE(*CellAt(*HitMap, 6, 6), (Cell{0, 0}));
        QCOMPARE(*CellAt(*HitMap, 304, 264), (Cell{14, 12}));
        QCOMPARE(*CellAt(*HitMap, 25, 25), (Cell{1, 1}));
        QCOMPARE(*CellAt(*HitMap, 24, 24), (Cell{0, 0}));
    }

    void paletteSlotsAreInclusiveOnAllFourSides() {
        QCOMPARE(PaletteSlotAt(400, 24), 0);
        QCOMPARE(PaletteSlotAt(420, 44), 0);
        QVERIFY(!PaletteSlotAt(421, 24));
        QVERIFY(!PaletteSlotAt(426, 30));
        QVERIFY(!PaletteSlotAt(399, 24));
        QVERIFY(!PaletteSlotAt(400, 23));
        QCOMPARE(PaletteSlotAt(501, 71), 7);
        QVERIFY(!PaletteSlotAt(502, 71));
        for (int slot = 0; slot < TileCount; ++slot) {
            const PixelPoint corner = PaletteSlots[slot];
            QCOMPARE(PaletteSlotAt(corner.x, corner.y), slot);
            QCOMPARE(PaletteSlotAt(corner.x + 20, corner.y + 20), slot);
        }
    }

    void frontSwatchIsTheInteriorOfItsImage() {
        QVERIFY(!HitsFrontSwatch(315, 150));
        QVERIFY(!HitsFrontSwatch(405, 150));
        QVERIFY(HitsFrontSwatch(316, 117));
        QVERIFY(HitsFrontSwatch(404, 205));
        QVERIFY(!HitsFrontSwatch(350, 116));
        QVERIFY(!HitsFrontSwatch(350, 206));
    }

    void backSwatchIsOnlyItsVisibleBand() {
        QVERIFY(!HitsBackSwatch(400, 200));
        QVERIFY(!HitsBackSwatch(405, 206));
        QVERIFY(HitsBackSwatch(406, 150));
        QVERIFY(HitsBackSwatch(350, 207));
        QVERIFY(!HitsBackSwatch(430, 200));
        QVERIFY(!HitsBackSwatch(420, 231));
        QVERIFY(!HitsBackSwatch(340, 220));
        QVERIFY(!HitsBackSwatch(420, 141));
    }

    void cellOriginsStepByTwentyFromTheGridOffset() {
        QCOMPARE(CellLeft(0), 5);
        QCOMPARE(CellLeft(14), 285);
        QCOMPARE(CellTop(12), 245);
    }
};

QTEST_APPLESS_MAIN(GeometryTest)
#include "test_geometry.moc"
