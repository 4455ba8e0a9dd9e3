// The painted area of a real editor window, read pixel by pixel from the screen: grid lines,
// frame, cell images, hover frame, palette and swatches.
#include "tests/support/EditorHarness.h"

#include <QTest>
#include <set>
#include <utility>

namespace {

const QRgb SolidLight = qRgb(227, 227, 227);
const QRgb SolidFace = qRgb(178, 178, 178);
const QRgb SolidDark = qRgb(95, 95, 95);
const QRgb BrickGrey = qRgb(160, 160, 164);

using PixelSet = std::set<std::pair<int, int>>;

// The red pixels on the grid and its frame.
PixelSet RedPixelsOnGrid(const QImage& surface) {
    PixelSet red;
    for (int y = 5; y <= 265; ++y)
        for (int x = 5; x <= 305; ++x)
            if (surface.pixel(x, y) == Red)
                red.insert({x, y});
    return red;
}

// The outermost ring of the 19 x 19 box whose top-left pixel is (left, top).
PixelSet Ring(int left, int top) {
    PixelSet ring;
    for (int i = 0; i < 19; ++i) {
        ring.insert({left + i, top});
        ring.insert({left + i, top + 18});
        ring.insert({left, top + i});
        ring.insert({left + 18, top + i});
    }
    return ring;
}

QImage Block(const QImage& surface, int left, int top, int size) {
    return surface.copy(left, top, size, size);
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void gridLinesAndFrameAreOnePixelWide() {
        EditorHarness harness;
        const QImage surface = Screen(harness.Editor());
        const QRgb background = surface.pixel(1, 1);
        QVERIFY(background != Black);

        QCOMPARE(surface.pixel(25, 25), Black);
        for (int x = 25; x <= 285; x += 20) {
            QCOMPARE(surface.pixel(x, 15), Black);
            QCOMPARE(surface.pixel(x, 255), Black);
            QVERIFY(surface.pixel(x + 1, 15) != Black);
        }
        for (int y = 25; y <= 245; y += 20) {
            QCOMPARE(surface.pixel(15, y), Black);
            QCOMPARE(surface.pixel(295, y), Black);
            QVERIFY(surface.pixel(15, y + 1) != Black);
        }
        for (int i = 5; i <= 265; ++i) {
            QCOMPARE(surface.pixel(5, i), Black);
            QCOMPARE(surface.pixel(305, i), Black);
        }
        for (int i = 5; i <= 305; ++i) {
            QCOMPARE(surface.pixel(i, 5), Black);
            QCOMPARE(surface.pixel(i, 265), Black);
        }
        QCOMPARE(surface.pixel(4, 100), background);
        QCOMPARE(surface.pixel(306, 100), background);
        QCOMPARE(surface.pixel(100, 4), background);
        QCOMPARE(surface.pixel(100, 266), background);
    }

    void cellImagesFillTheSpaceBetweenTheLines() {
        auto&& [harness, editor] = OpenEditor();
        QImage surface = Screen(editor);

        for (int y = 26; y <= 44; ++y)
            for (int x = 26; x <= 44; ++x)
                QCOMPARE(surface.pixel(x, y), Green);
        // The solid block keeps its light and dark edges when scaled to 19 x 19.
        QCOMPARE(surface.pixel(6, 6), SolidLight);
        QCOMPARE(surface.pixel(15, 15), SolidFace);
        QCOMPARE(surface.pixel(24, 24), SolidDark);

        LevelState level = editor.Document().State();
        level.grid[1][1] = Brick;
        editor.GetSession().Open(LevelDocument(level));
        surface = Screen(editor);
        std::set<QRgb> colours;
        for (int y = 26; y <= 44; ++y)
            for (int x = 26; x <= 44; ++x)
                colours.insert(surface.pixel(x, y));
        QVERIFY(colours == (std::set<QRgb>{Black, BrickGrey}));
        QCOMPARE(surface.pixel(45, 35), Black);
        QCOMPARE(surface.pixel(46, 35), Green);
    }

    void hoverFrameIsTheOuterRingOfTheCellImage() {
        auto&& [harness, editor] = OpenEditor();
        QVERIFY(RedPixelsOnGrid(Screen(editor)).empty());

        harness.HoverOver({3, 4});
        const QImage hovered = Screen(editor);
        QCOMPARE(RedPixelsOnGrid(hovered), Ring(66, 86));
        QCOMPARE(hovered.pixel(65, 95), Black);
        QCOMPARE(hovered.pixel(85, 95), Black);

        harness.HoverOver(NoCell);
        QVERIFY(RedPixelsOnGrid(Screen(editor)).empty());
    }

    // Show Grid twice: a border cell gets the frame that hovering it does not draw.
    void fullRepaintDrawsTheHoverFrameWhereverTheHoveredCellIs() {
        auto&& [harness, editor] = OpenEditor();
        const auto repaintWhole = [&] {
            harness.ClickControl("showGridBox");
            harness.ClickControl("showGridBox");
        };

        harness.HoverOver({14, 12});
        QVERIFY(RedPixelsOnGrid(Screen(editor)).empty());
        repaintWhole();
        const QImage framed = Screen(editor);
        QCOMPARE(RedPixelsOnGrid(framed), Ring(286, 246));
        QCOMPARE(framed.pixel(305, 250), Black);
        QCOMPARE(framed.pixel(290, 265), Black);

        harness.HoverOver(NoCell);
        repaintWhole();
        QVERIFY(RedPixelsOnGrid(Screen(editor)).empty());
    }

    void paletteBoxesOutlineTheEightTiles() {
        auto&& [harness, editor] = OpenEditor();
        LevelState level = editor.Document().State();
        for (int tile = 0; tile < TileCount; ++tile)
            level.grid[1 + tile][1] = static_cast<TileType>(tile);
        editor.GetSession().Open(LevelDocument(level));
        const QImage surface = Screen(editor);
        const QRgb background = surface.pixel(1, 1);
        for (int slot = 0; slot < TileCount; ++slot) {
            const auto [x, y] = EditorGeometry::PaletteSlots[slot];
            for (int i = 0; i <= 20; ++i) {
                QCOMPARE(surface.pixel(x + i, y), Black);
                QCOMPARE(surface.pixel(x + i, y + 20), Black);
                QCOMPARE(surface.pixel(x, y + i), Black);
                QCOMPARE(surface.pixel(x + 20, y + i), Black);
            }
            QCOMPARE(surface.pixel(x - 1, y + 10), background);
            QCOMPARE(surface.pixel(x + 10, y + 21), background);
            QCOMPARE(Block(surface, x + 1, y + 1, 19), Block(surface, 26 + 20 * slot, 26, 19));
        }
    }

    void frontSwatchCoversTheBackSwatchExceptForABand() {
        auto&& [harness, editor] = OpenEditor();
        const QImage surface = Screen(editor);

        for (int i = 0; i <= 91; ++i) {
            QCOMPARE(surface.pixel(314 + i, 115), Black);
            QCOMPARE(surface.pixel(314 + i, 206), Black);
            QCOMPARE(surface.pixel(314, 115 + i), Black);
            QCOMPARE(surface.pixel(405, 115 + i), Black);
            QCOMPARE(surface.pixel(339 + i, 231), Black);
            QCOMPARE(surface.pixel(430, 140 + i), Black);
        }
        QCOMPARE(surface.pixel(315, 116), SolidLight);
        QCOMPARE(surface.pixel(360, 160), SolidFace);
        QCOMPARE(surface.pixel(404, 205), SolidDark);
        for (int y = 141; y <= 230; ++y)
            for (int x = 340; x <= 429; ++x)
                QCOMPARE(surface.pixel(x, y) == Green, x > 405 || y > 206);
    }

    void bothSwatchesShowTheSameImageForTheSameTile() {
        auto&& [harness, editor] = OpenEditor();
        harness.PickTile(Qt::LeftButton, Player3);
        harness.PickTile(Qt::RightButton, Player3);
        const QImage surface = Screen(editor);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 90; ++x)
                if (340 + x > 405 || 141 + y > 206)
                    QCOMPARE(surface.pixel(340 + x, 141 + y), surface.pixel(315 + x, 116 + y));
        QVERIFY(surface.pixel(315, 116) != surface.pixel(360, 160));
    }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
