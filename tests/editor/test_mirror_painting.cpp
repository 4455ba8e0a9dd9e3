// Ctrl+M's mirrors through real mouse and key events: the images painted as one step, a player
// start placed once, the axes drawn over the grid and named for screen readers.
#include "tests/editor/MouseTesting.h"

using namespace mouse_testing;

namespace {

int CellsHolding(CLevelEditorDlg& editor, TileType tile) {
    int count = 0;
    for (const auto& column : editor.Document().Grid())
        count += int(std::count(column.begin(), column.end(), tile));
    return count;
}

} // namespace

class MirrorPaintingTest : public QObject {
    Q_OBJECT
private slots:
    // Each mode in Ctrl+M's order: its axes or centre in magenta, a click on (3,4) that paints
    // the images that one Ctrl+Z takes back, a click on (7,3) that paints each cell once.
    // Off, every pixel is as before the first Ctrl+M.
    void eachModePaintsItsImagesAndDrawsItsAxes() {
        EditorHarness h;
        const QImage before = ShownGrid(h.Editor());
        h.PickTile(Qt::LeftButton, Brick);
        h.PickTile(Qt::RightButton, Player3);
        const QRgb magenta = qRgb(255, 0, 255);
        const struct {
            QString description;
            bool vertical, horizontal, centre;
            std::vector<Cell> images;
            int onMiddleColumn;
        } modes[] = {{"Mirror: left-right", true, false, false, {{11, 4}}, 1},
                     {"Mirror: top-bottom", false, true, false, {{3, 8}}, 2},
                     {"Mirror: both", true, true, false, {{11, 4}, {3, 8}, {11, 8}}, 2},
                     {"Mirror: half turn", false, false, true, {{11, 8}}, 2},
                     {"", false, false, false, {}, 1}};
        for (const auto& mode : modes) {
            h.Key(Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(View(h.Editor()).accessibleDescription(), mode.description);
            const QImage grid = ShownGrid(h.Editor());
            QCOMPARE(grid.pixel(150, 20) == magenta, mode.vertical);
            QCOMPARE(grid.pixel(20, 130) == magenta, mode.horizontal);
            QCOMPARE(grid.pixel(151, 131) == magenta, mode.centre);
            h.Click(Qt::LeftButton, CellCentre({3, 4}));
            for (const Cell image : mode.images)
                QVERIFY(CellShows(h.Editor(), image, Brick));
            QCOMPARE(CellsHolding(h.Editor(), Brick), int(mode.images.size()) + 1);
            h.Key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(CellsHolding(h.Editor(), Brick), 0);
            h.Click(Qt::LeftButton, CellCentre({7, 3}));
            QCOMPARE(CellsHolding(h.Editor(), Brick), mode.onMiddleColumn);
            h.Key(Qt::Key_Z, Qt::ControlModifier);
            h.Click(Qt::RightButton, CellCentre({2, 2}));
            QVERIFY(h.Editor().Document().TileAt({2, 2}) == Player3);
            QCOMPARE(CellsHolding(h.Editor(), Player3), 1);
        }
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        h.HoverOver(NoCell);
        QCOMPARE(ShownGrid(h.Editor()), before);
    }
};

QTEST_MAIN(MirrorPaintingTest)
#include "test_mirror_painting.moc"
