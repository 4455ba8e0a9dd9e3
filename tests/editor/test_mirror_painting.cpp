// Painting with Ctrl+M's mirror modes through real mouse and key events: the images painted
// as one step, the axes drawn over the grid and named for screen readers.
#include "tests/editor/MouseTesting.h"

using namespace mouse_testing;

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

void StepMirror(EditorHarness& h, int steps) {
    for (int step = 0; step < steps; ++step)
        h.Key(Qt::Key_M, Qt::ControlModifier);
}

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
    // "both": a click paints four cells, or two on the middle column, one Ctrl+Z takes the
    // whole stroke back; a player start is placed once.
    void bothPaintsEveryImageAsOneStep() {
        EditorHarness h;
        h.PickTile(Qt::LeftButton, Brick);
        StepMirror(h, 3);
        h.Click(Qt::LeftButton, CellCentre({3, 4}));
        for (const Cell cell : {Cell{3, 4}, Cell{11, 4}, Cell{3, 8}, Cell{11, 8}})
            QVERIFY(CellShows(h.Editor(), cell, Brick));
        QCOMPARE(CellsHolding(h.Editor(), Brick), 4);
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(CellsHolding(h.Editor(), Brick), 0);
        h.Press(Qt::LeftButton, CellCentre({7, 3}));
        h.Move(CellCentre({6, 3}));
        h.Release(Qt::LeftButton, CellCentre({6, 3}));
        QCOMPARE(CellsHolding(h.Editor(), Brick), 6);
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(CellsHolding(h.Editor(), Brick), 0);
        h.PickTile(Qt::LeftButton, Player3);
        h.Click(Qt::LeftButton, CellCentre({2, 2}));
        QCOMPARE(CellsHolding(h.Editor(), Player3), 1);
    }

    // Off, every pixel as before the first Ctrl+M; on, the mode's axes or centre in magenta.
    void axesShowOnlyWhileAModeIsOn() {
        EditorHarness h;
        const QImage before = ShownGrid(h.Editor());
        const struct {
            QString description;
            bool vertical, horizontal, centre;
        } modes[] = {{"Mirror: left-right", true, false, false},
                     {"Mirror: top-bottom", false, true, false},
                     {"Mirror: both", true, true, false},
                     {"Mirror: half turn", false, false, true}};
        for (const auto& mode : modes) {
            StepMirror(h, 1);
            QCOMPARE(View(h.Editor()).accessibleDescription(), mode.description);
            const QImage grid = ShownGrid(h.Editor());
            QCOMPARE(grid.pixel(150, 20) == Magenta, mode.vertical);
            QCOMPARE(grid.pixel(20, 130) == Magenta, mode.horizontal);
            QCOMPARE(grid.pixel(151, 131) == Magenta, mode.centre);
        }
        StepMirror(h, 1);
        QCOMPARE(View(h.Editor()).accessibleDescription(), QString());
        QCOMPARE(ShownGrid(h.Editor()), before);
    }
};

QTEST_MAIN(MirrorPaintingTest)
#include "test_mirror_painting.moc"
