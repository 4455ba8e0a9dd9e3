// Undo and redo from the keyboard over real strokes and grid commands: what the screen shows
// afterwards, which steps the history holds, and how it knows the saved state.
#include "tests/editor/DocumentFixtures.h"
#include "tests/editor/MouseTesting.h"

using namespace mouse_testing;

namespace {

void Undo(EditorHarness& h) {
    h.Key(Qt::Key_Z, Qt::ControlModifier);
}

void Redo(EditorHarness& h, Qt::Key key = Qt::Key_Y) {
    h.Key(key, key == Qt::Key_Y ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
}

// A left-button stroke of the current tile from the first cell through the others.
void Stroke(EditorHarness& h, std::initializer_list<Cell> cells) {
    h.Press(Qt::LeftButton, CellCentre(*cells.begin()));
    for (const Cell cell : cells)
        h.Move(CellCentre(cell));
    h.Release(Qt::LeftButton, CellCentre(*std::prev(cells.end())));
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    // Undo gives back every pixel that the grid showed before the stroke, whichever
    // control has the focus, and both redo keys bring the stroke back.
    void undoAndRedoAStrokeRestoreTheScreen() {
        EditorHarness h;
        h.PickTile(Qt::LeftButton, Brick);
        Stroke(h, {{2, 2}, {3, 3}});
        h.PickTile(Qt::LeftButton, Player3);
        h.Click(Qt::LeftButton, CellCentre({6, 6}));
        h.PickTile(Qt::LeftButton, Brick);
        h.HoverOver({6, 6});
        const QImage before = ShownGrid(h.Editor());
        const LevelState level = h.Editor().Document().State();

        Stroke(h, {{5, 6}, {6, 6}, {7, 6}, {8, 6}, {9, 6}, {10, 6}});
        h.HoverOver({6, 6});
        const QImage after = ShownGrid(h.Editor());
        QVERIFY(!h.Editor().Document().Starts().placed[2]);

        for (const Qt::Key redoKey : {Qt::Key_Y, Qt::Key_Z}) {
            Undo(h);
            QVERIFY(h.Editor().Document().State() == level);
            QCOMPARE(ShownGrid(h.Editor()), before);
            QCOMPARE(StatusLine(h.Editor()), QString("Selected: (6,6)   Tile Type: Player Three"));
            Redo(h, redoKey);
            QCOMPARE(ShownGrid(h.Editor()), after);
        }
        h.Editor().findChild<QWidget*>("newButton")->setFocus();
        Undo(h);
        QCOMPARE(ShownGrid(h.Editor()), before);
    }

    // Each press that changed cells is one step; picks and strokes that changed nothing are
    // none; Fill Floor and Clear Floor are one step each; New and Load start a new history.
    void stepsAreStrokesAndGridCommandsThatChangedCells() {
        EditorHarness h;
        ScriptedAnswerer answerer;
        Stroke(h, {{2, 2}, {3, 2}});
        h.Click(Qt::LeftButton, CellCentre({2, 2}), Qt::ControlModifier);
        Stroke(h, {{2, 2}});
        h.PickTile(Qt::LeftButton, Brick);
        h.ClickControl("fillFloorButton");
        answerer.AnswerBox(QMessageBox::Yes);
        h.ClickControl("clearFloorButton");
        const LevelDocument& document = h.Editor().Document();

        Undo(h);
        QCOMPARE(document.TileAt({5, 5}), Brick);
        Undo(h);
        QCOMPARE(document.TileAt({5, 5}), Floor);
        QCOMPARE(document.TileAt({3, 2}), SolidBlock);
        Undo(h);
        QCOMPARE(document.TileAt({2, 2}), Floor);
        QCOMPARE(document.TileAt({3, 2}), Floor);
        QVERIFY(document.State() == LevelDocument().State());

        Redo(h);
        answerer.AnswerBox(QMessageBox::No);
        h.ClickControl("newButton");
        const LevelState fresh = document.State();
        Undo(h);
        QVERIFY(document.State() == fresh);
    }

    // The state after a save counts as unmodified: an undo or redo that arrives there clears
    // Modified, any other sets it, and Close asks accordingly.
    void theHistoryKnowsTheSavedState() {
        EditorHarness h;
        ScriptedAnswerer answerer;
        MakePlayableLevel(h.Editor());
        h.PickTile(Qt::LeftButton, Brick);
        Stroke(h, {{3, 1}});
        answerer.ChooseFile(h.PathIn("L1.txt"));
        h.ClickControl("saveButton");
        QVERIFY(!h.Editor().Document().IsModified());

        Stroke(h, {{5, 1}});
        Undo(h);
        QVERIFY(!h.Editor().Document().IsModified());
        Undo(h);
        QVERIFY(h.Editor().Document().IsModified());
        Redo(h);
        QVERIFY(!h.Editor().Document().IsModified());
        h.Key(Qt::Key_Escape);
        QVERIFY(answerer.Boxes.empty());
        QVERIFY(!h.Editor().isVisible());
    }

    // Undo waits for the button to come up; a box that opens during a stroke ends it, and the
    // stroke up to there is one step.
    void aStrokeEndsWithItsButtonOrABox() {
        EditorHarness h;
        ScriptedAnswerer answerer;
        h.PickTile(Qt::LeftButton, Brick);
        h.Press(Qt::LeftButton, CellCentre({2, 2}));
        h.Move(CellCentre({3, 2}));
        Undo(h);
        QCOMPARE(h.Editor().Document().TileAt({3, 2}), Brick);

        answerer.AnswerBox(QMessageBox::Cancel);
        h.Key(Qt::Key_Escape);
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QVERIFY(!Drags(h.Editor()));
        h.HoverOver({4, 2}); // the button came up over the box
        QCOMPARE(h.Editor().Document().TileAt({4, 2}), Floor);
        h.Release(Qt::LeftButton, CellCentre({4, 2}));
        Undo(h);
        QCOMPARE(h.Editor().Document().TileAt({2, 2}), Floor);
        QCOMPARE(h.Editor().Document().TileAt({3, 2}), Floor);
    }

    // A key that runs a command without a box leaves the stroke going on: a command that
    // changed cells parts it into the stroke so far, the command and the rest, one step each.
    void aCommandWithoutABoxLeavesTheStrokeGoing_data() {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<int>("steps");
        QTest::newRow("Show Grid") << QByteArray("showGridBox") << 1;
        QTest::newRow("Fill Floor") << QByteArray("fillFloorButton") << 3;
    }
    void aCommandWithoutABoxLeavesTheStrokeGoing() {
        QFETCH(QByteArray, control);
        QFETCH(int, steps);
        EditorHarness h;
        h.PickTile(Qt::LeftButton, Brick);
        h.PickTile(Qt::RightButton, SolidBlock);
        h.Press(Qt::RightButton, CellCentre({2, 2}));
        h.Editor().findChild<QWidget*>(control)->setFocus();
        h.Key(Qt::Key_Space);
        h.Move(CellCentre({3, 2}));
        h.Release(Qt::RightButton, CellCentre({3, 2}));
        QCOMPARE(h.Editor().Document().TileAt({3, 2}), SolidBlock);
        int undone = 0;
        for (; undone < 5 && h.Editor().Document().State() != LevelDocument().State(); ++undone)
            Undo(h);
        QCOMPARE(undone, steps);
    }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
