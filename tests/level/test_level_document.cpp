#include <QtTest>

#include "level/LevelDocument.h"

#include <functional>

namespace {

using Cells = std::vector<Cell>;

// A level with bricks, a player start in the border and Player Three on (4,4).
LevelDocument EditedDocument() {
    LevelState level = LevelDocument().State();
    level.grid[2][2] = Brick;
    level.grid[0][5] = Floor;
    level.grid[4][4] = Player3;
    level.starts.placed[2] = true;
    level.starts.position[2] = {4, 4};
    return LevelDocument(level, "/levels/L1.txt", false);
}

} // namespace

class LevelDocumentTest : public QObject {
    Q_OBJECT
private slots:
    // Which cells each operation reports, and what it does to the file and the Modified flag.
    void operationsReportTheirCellsAndMarkTheLevelAsBefore() {
        struct Case {
            const char* name;
            std::function<Cells(LevelDocument&)> run;
            std::size_t cells;
            bool modified;
            std::string path;
        };
        const Case cases[] = {
            {"place",
             [](LevelDocument& d) {
                 return d.PlaceTile({3, 3}, Brick);
             },
             1, true, "/levels/L1.txt"},
            {"place floor on floor",
             [](LevelDocument& d) {
                 return d.PlaceTile({3, 3}, Floor);
             },
             1, true, "/levels/L1.txt"},
            {"fill reaches the border", [](LevelDocument& d) { return d.FillFloor(SolidBlock); },
             142, true, "/levels/L1.txt"},
            {"fill with floor", [](LevelDocument& d) { return d.FillFloor(Floor); }, 142, true,
             "/levels/L1.txt"},
            {"clear inside", [](LevelDocument& d) { return d.ClearInside(); }, 143, false,
             "/levels/L1.txt"},
            {"new", [](LevelDocument& d) { return d.StartNew(); }, 143, false, ""},
            {"reset", [](LevelDocument& d) { return d.ResetToDefault(); }, 195, false, ""},
            {"file read",
             [](LevelDocument& d) { return d.TakeFileRead("/x/L2.txt", d.FileReadBase()); }, 195,
             false, "/x/L2.txt"},
        };
        for (const Case& c : cases) {
            LevelDocument document = EditedDocument();
            QVERIFY2(c.run(document).size() == c.cells, c.name);
            QVERIFY2(document.IsModified() == c.modified, c.name);
            QVERIFY2(document.Path() == c.path, c.name);
        }
    }

    void fillingALevelWithoutFloorChangesNothing() {
        LevelState level;
        for (auto& column : level.grid)
            column.fill(Brick);
        LevelDocument document(level);
        QVERIFY(document.FillFloor(SolidBlock).empty());
        QVERIFY(!document.IsModified());
    }

    void clearingReleasesEveryStartAndKeepsTheBorder() {
        LevelDocument document = EditedDocument();
        document.ClearInside();
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

    // An edit reverts to the exact state before it, player starts included, and reapplies to
    // the exact state after it.
    void editsRevertAndReapplyExactly() {
        LevelDocument document = EditedDocument();
        const LevelState before = document.State();
        document.PlaceTile({9, 9}, Player3);
        document.PlaceTile({9, 9}, Brick);
        document.PlaceTile({5, 5}, Player1);
        const LevelState after = document.State();
        const LevelEdit edit = DiffLevels(before, after);
        QCOMPARE(edit.cells.size(), std::size_t(3));
        QVERIFY(!edit.IsEmpty());

        QCOMPARE(document.Revert(edit).size(), std::size_t(3));
        QVERIFY(document.State() == before);
        QCOMPARE(document.TileAt({4, 4}), Player3);
        QVERIFY(document.Starts().placed[2]);
        QCOMPARE(document.Starts().position[2], (Cell{4, 4}));
        document.Reapply(edit);
        QVERIFY(document.State() == after);
        QVERIFY(!document.Starts().placed[2]);
        QCOMPARE(document.Starts().position[2], (Cell{9, 9}));

        QVERIFY(DiffLevels(after, after).IsEmpty());
    }
};

QTEST_MAIN(LevelDocumentTest)
#include "test_level_document.moc"
