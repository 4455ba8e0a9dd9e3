#include <QtTest>

#include "level/LevelDocument.h"

#include <functional>

namespace {

// A level with bricks, a floor cell in the border and Player Three on (4,4).
LevelState EditedLevel() {
    LevelState level = LevelDocument().State();
    level.grid[2][2] = Brick;
    level.grid[0][5] = Floor;
    level.grid[4][4] = Player3;
    level.starts.placed[2] = true;
    level.starts.position[2] = {4, 4};
    return level;
}

LevelDocument EditedDocument() {
    return LevelDocument(EditedLevel(), "/levels/L1.txt", false);
}

} // namespace

class LevelDocumentTest : public QObject {
    Q_OBJECT
private slots:
    // Which cells each edit visits and whether it changes the level; a cell visited keeps its
    // tile when the edit paints it with that tile.
    void editsVisitTheirCellsAndSayWhetherTheyChangeAnything() {
        LevelState floorOnly = LevelDocument().State();
        struct Case {
            const char* name;
            LevelEdit edit;
            std::size_t cells;
            bool changes;
        };
        const Case cases[] = {
            {"place", PlaceTileEdit(EditedLevel(), {3, 3}, Brick), 1, true},
            {"place floor on floor", PlaceTileEdit(EditedLevel(), {3, 3}, Floor), 1, false},
            {"move a player", PlaceTileEdit(EditedLevel(), {6, 6}, Player3), 2, true},
            {"fill reaches the border", FillFloorEdit(EditedLevel(), SolidBlock), 142, true},
            {"fill with floor", FillFloorEdit(EditedLevel(), Floor), 142, false},
            {"clear inside", ClearInsideEdit(EditedLevel()), 143, true},
            {"clear a cleared level", ClearInsideEdit(floorOnly), 143, false},
        };
        for (const Case& c : cases) {
            QVERIFY2(c.edit.cells.size() == c.cells, c.name);
            QVERIFY2(c.edit.ChangesSomething() == c.changes, c.name);
        }
    }

    // Which cells each whole-level operation reports, and the file it leaves.
    void levelOperationsReportTheirCellsAndFile() {
        struct Case {
            const char* name;
            std::function<std::vector<Cell>(LevelDocument&)> run;
            std::size_t cells;
            std::string path;
        };
        const Case cases[] = {
            {"new", [](LevelDocument& d) { return d.StartNew(); }, 143, ""},
            {"replace", [](LevelDocument& d) { return d.Replace("/x/L2.txt", d.FileReadBase()); },
             195, "/x/L2.txt"},
        };
        for (const Case& c : cases) {
            LevelDocument document = EditedDocument();
            QVERIFY2(c.run(document).size() == c.cells, c.name);
            QVERIFY2(document.Path() == c.path, c.name);
        }
    }

    void clearingReleasesEveryStartAndKeepsTheBorder() {
        LevelDocument document = EditedDocument();
        document.Apply(ClearInsideEdit(document.State()));
        QCOMPARE(document.TileAt({4, 4}), Floor);
        QCOMPARE(document.TileAt({0, 5}), Floor);
        QVERIFY(!document.Starts().placed[2]);
        QCOMPARE(document.Starts().position[2], (Cell{4, 4}));
    }

    void aFileReadStartsFromTheCellsWithoutPlayers() {
        const LevelState base = EditedDocument().FileReadBase();
        QCOMPARE(base.grid, EditedDocument().Grid());
        QVERIFY(!base.starts.placed[2]);
    }

    // Edits joined one after the other revert to the exact state before the first, player
    // starts included, and apply again to the exact state after the last.
    void joinedEditsRevertAndApplyExactly() {
        LevelDocument document = EditedDocument();
        const LevelState before = document.State();
        LevelEdit stroke = PlaceTileEdit(document.State(), {9, 9}, Player3);
        document.Apply(stroke);
        for (const auto& [cell, tile] : {std::pair{Cell{9, 9}, Brick}, {Cell{5, 5}, Player1}}) {
            const LevelEdit next = PlaceTileEdit(document.State(), cell, tile);
            document.Apply(next);
            stroke.Then(next);
        }
        const LevelState after = document.State();
        QCOMPARE(stroke.cells.size(), std::size_t(3));

        QCOMPARE(document.Revert(stroke).size(), std::size_t(3));
        QVERIFY(document.State() == before);
        QVERIFY(document.Starts().placed[2]);
        QCOMPARE(document.Starts().position[2], (Cell{4, 4}));
        document.Apply(stroke);
        QVERIFY(document.State() == after);
        QVERIFY(!document.Starts().placed[2]);
        QCOMPARE(document.Starts().position[2], (Cell{9, 9}));
    }
};

QTEST_MAIN(LevelDocumentTest)
#include "test_level_document.moc"
