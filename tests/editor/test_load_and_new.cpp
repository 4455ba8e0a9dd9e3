// New, Load and Close through their buttons: the unsaved-changes prompt and its three answers,
// what Load reads and shows, and the window title.
#include "tests/editor/DocumentFixtures.h"

#include "files/FileSystem.h"
#include "level/PathTitle.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWindow>
#include <numeric>

namespace {

// The inside of a cell on the window's surface, without its grid lines.
QImage CellPicture(EditorHarness& harness, int column, int row) {
    return Screen(harness.Editor())
        .copy(GridGeometry::CellLeft(column) + 1, GridGeometry::CellTop(row) + 1, 18, 18);
}

// A level file with bricks on its whole border, player 1 at (2,3) and player 4 at (9,8).
std::string BrickBorderedLevel() {
    LevelGrid grid{};
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            grid[column][row] = IsBorderCell(column, row) ? Brick : SolidBlock;
    grid[2][3] = Player1;
    grid[9][8] = Player4;
    return LevelText(grid);
}

bool InteriorIsFloor(const LevelGrid& grid) {
    for (int column = 1; column < GridColumns - 1; ++column)
        for (int row = 1; row < GridRows - 1; ++row)
            if (grid[column][row] != Floor)
                return false;
    return true;
}

bool NoPlayerPlaced(const PlayerStarts& starts) {
    for (bool placed : starts.placed)
        if (placed)
            return false;
    return true;
}

} // namespace

class LoadAndNewTest : public QObject {
    Q_OBJECT

private slots:
    void promptNamesTheFileWhenThereIsOne() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::Cancel);
        harness.ClickControl("newButton");
        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].text, PromptWithoutFile);
        QCOMPARE(answerer.Boxes[0].caption, std::string("Save Changes?"));
        QCOMPARE(KindOf(answerer.Boxes[0]), SaveChangesBox);

        const std::string path = harness.PathIn("a rather long folder name for the title/L4.txt");
        QDir().mkpath(QString::fromLocal8Bit(FolderOfPath(path)));
        WriteBytes(path, PreviousFile());
        answerer.AnswerBox(QMessageBox::No);
        LoadThroughButton(harness, answerer, path);
        EditDefaultLevel(editor);
        answerer.AnswerBox(QMessageBox::Cancel);
        harness.ClickControl("loadButton");
        QCOMPARE(answerer.Boxes.size(), std::size_t(3));
        QCOMPARE(answerer.Boxes[2].text, PromptFor(path)); // the full path, not the title's
        QVERIFY(!answerer.Unanswered);
    }

    void unmodifiedLevelIsNeverPromptedFor() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        harness.ClickControl("newButton");
        harness.ClickControl("loadButton");
        harness.ClickControl("closeButton");
        QVERIFY(answerer.Boxes.empty());
        QCOMPARE(answerer.FileDialogs.size(), std::size_t(1));
        QVERIFY(!editor.isVisible());
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), 268);
    }

    void cancelStopsTheCommand_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("New") << QByteArray("newButton");
        QTest::newRow("Load") << QByteArray("loadButton");
        QTest::newRow("Close") << QByteArray("closeButton");
    }

    void cancelStopsTheCommand() {
        QFETCH(QByteArray, command);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L1.txt");
        EditDefaultLevel(editor);
        const LevelGrid before = editor.Document().Grid();
        const std::string title = WindowTitle(editor);

        answerer.AnswerBox(QMessageBox::Cancel);
        harness.ClickControl(command.constData());

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.FileDialogs.size(), std::size_t(1)); // the first Load's only
        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), path);
        QCOMPARE(WindowTitle(editor), title);
        QVERIFY(editor.isVisible());
        QCOMPARE(ReadBytes(path), PreviousFile());
        QVERIFY(!QFile::exists(QString::fromLocal8Bit(harness.SettingsPath())));
    }

    void newAnsweredNoDropsTheChanges() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = harness.PathIn("L2.txt");
        WriteBytes(path, Bytes(BrickBorderedLevel()));
        LoadThroughButton(harness, answerer, path);
        const QImage playerCell = CellPicture(harness, 2, 3);
        EditDefaultLevel(editor);

        answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl("newButton");

        QCOMPARE(ReadBytes(path), Bytes(BrickBorderedLevel()));
        QVERIFY(InteriorIsFloor(editor.Document().Grid()));
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 0; row < GridRows; ++row)
                if (IsBorderCell(column, row))
                    QCOMPARE(editor.Document().Grid()[column][row], Brick);
        QVERIFY(NoPlayerPlaced(editor.Document().Starts()));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), std::string());
        QCOMPARE(WindowTitle(editor), BaseTitle);
        // The new level is drawn: the player's cell now looks like any floor cell.
        QVERIFY(CellPicture(harness, 2, 3) != playerCell);
        QCOMPARE(CellPicture(harness, 2, 3), CellPicture(harness, 7, 6));
    }

    void loadAnsweredNoReadsTheChosenFile() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = harness.PathIn("L2.txt");
        WriteBytes(path, Bytes(BrickBorderedLevel()));
        EditDefaultLevel(editor);
        const QImage floorCell = CellPicture(harness, 2, 3);

        answerer.AnswerBox(QMessageBox::No);
        LoadThroughButton(harness, answerer, path);

        QCOMPARE(LevelText(editor.Document().Grid()), BrickBorderedLevel());
        QVERIFY(editor.Document().Starts().placed[0] && editor.Document().Starts().placed[3]);
        QCOMPARE(editor.Document().Starts().position[0], (Cell{2, 3}));
        QCOMPARE(editor.Document().Starts().position[3], (Cell{9, 8}));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), path);
        QVERIFY(CellPicture(harness, 2, 3) != floorCell);
        QVERIFY(CellPicture(harness, 0, 0) != CellPicture(harness, 1, 1));
    }

    void closeAnsweredNoEndsWithoutWritingTheLevel() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L3.txt");
        MakePlayableLevel(editor);

        answerer.AnswerBox(QMessageBox::No);
        harness.ClickControl("closeButton");

        QVERIFY(!editor.isVisible());
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), 268);
        QCOMPARE(ReadBytes(path), PreviousFile());
    }

    void yesWritesALevelWithAFileAsItStands_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("New") << QByteArray("newButton");
        QTest::newRow("Load") << QByteArray("loadButton");
    }

    // Even an open 2 x 2 block and missing players do not stop this write.
    void yesWritesALevelWithAFileAsItStands() {
        QFETCH(QByteArray, command);
        auto&& [harness, editor] = OpenEditor();
        const std::string path = harness.PathIn("L4.txt");
        WriteBytes(path, PreviousFile());
        WatchingAnswerer answerer(path);
        LoadThroughButton(harness, answerer, path);
        EditDefaultLevel(editor);
        const QByteArray edited = LevelBytes(editor.Document().Grid());

        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl(command.constData());

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(ReadBytes(path), edited);
        QVERIFY(!editor.Document().IsModified());
        if (command == "loadButton") {
            QCOMPARE(answerer.FileDialogs.size(), std::size_t(2));
            QVERIFY(answerer.FileDialogs[1].open);
            QCOMPARE(answerer.FileAtEachModal.back(), edited); // written before the dialog
            QCOMPARE(editor.Document().Path(), path);
        } else {
            QVERIFY(InteriorIsFloor(editor.Document().Grid()));
            QCOMPARE(editor.Document().Path(), std::string());
        }
    }

    void yesWithoutAFileRefusedByTheChecksStopsNew() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        EditDefaultLevel(editor);
        const LevelGrid before = editor.Document().Grid();

        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl("newButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(3));
        QCOMPARE(answerer.Boxes[1].caption, std::string("Warning!"));
        QCOMPARE(answerer.Boxes[2].caption, std::string("Save Failed"));
        QVERIFY(answerer.FileDialogs.empty());
        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(editor.Document().IsModified());
    }

    void yesWithoutAFileAndSaveAsCancelledStopsLoad() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        const LevelGrid before = editor.Document().Grid();

        answerer.AnswerBox(QMessageBox::Yes);
        answerer.CancelFileDialog();
        harness.ClickControl("loadButton");

        QCOMPARE(answerer.FileDialogs.size(), std::size_t(1));
        QVERIFY(!answerer.FileDialogs[0].open); // Save As; the Open dialog never came
        QVERIFY(editor.Document().Grid() == before);
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), std::string());
    }

    void yesWithoutAFileSavesAsAndGoesOn() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        MakePlayableLevel(editor);
        const QByteArray edited = LevelBytes(editor.Document().Grid());
        const std::string path = harness.PathIn("L6.txt");

        answerer.AnswerBox(QMessageBox::Yes);
        answerer.ChooseFile(path);
        harness.ClickControl("newButton");

        QCOMPARE(ReadBytes(path), edited);
        QVERIFY(InteriorIsFloor(editor.Document().Grid()));
        QVERIFY(!editor.Document().IsModified());
        QCOMPARE(editor.Document().Path(), std::string());
        QCOMPARE(WindowTitle(editor), BaseTitle);
    }

    void closeAnsweredYesHoldsALevelWithAFileToTheRules() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = LoadFileHoldingPrevious(harness, answerer, "L8.txt");
        EditDefaultLevel(editor);

        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl("closeButton");

        QCOMPARE(answerer.Boxes.size(), std::size_t(3));
        QCOMPARE(answerer.Boxes[2].caption, std::string("Save Failed"));
        QVERIFY(editor.isVisible());
        QVERIFY(editor.Document().IsModified());
        QCOMPARE(ReadBytes(path), PreviousFile());
        QVERIFY(!QFile::exists(QString::fromLocal8Bit(harness.SettingsPath())));

        MakePlayableLevel(editor);
        answerer.AnswerBox(QMessageBox::Yes);
        harness.ClickControl("closeButton");
        QCOMPARE(ReadBytes(path), LevelBytes(editor.Document().Grid()));
        QVERIFY(!editor.isVisible());
        QCOMPARE(ReadBytes(harness.SettingsPath()).size(), 268);
    }

    // A chosen file that gives not a single tile is reported with the reason and changes
    // nothing: the level, its path, title and Modified, and the current directory that the file
    // dialog moved.
    void loadThatReadsNothingChangesNothing_data() {
        QTest::addColumn<QByteArray>("content"); // null: there is no such file
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("binary data") << QByteArray("\x7f"
                                                   "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03",
                                                   17);
        QByteArray everyByte(256, '\0');
        std::iota(everyByte.begin(), everyByte.end(), '\0');
        QTest::newRow("bytes 0 to 255") << everyByte;
        QTest::newRow("space after each line") << QByteArray("*************** \r\n");
        QTest::newRow("a line without its end") << QByteArray("***************");
    }

    void loadThatReadsNothingChangesNothing() {
        QFETCH(QByteArray, content);
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string path = harness.PathIn("L2.txt");
        WriteBytes(path, Bytes(BrickBorderedLevel()));
        LoadThroughButton(harness, answerer, path);
        EditLevel(editor, [](LevelState& level) { level.grid[5][5] = Brick; });
        const LevelDocument before = editor.Document();
        const std::string title = WindowTitle(editor);
        const std::string directory = GetCurrentDirectory();
        const std::string chosen = harness.PathIn("elsewhere/L9.txt");
        QDir().mkpath(QString::fromLocal8Bit(FolderOfPath(chosen)));
        if (!content.isNull())
            WriteBytes(chosen, content);

        answerer.AnswerBox(QMessageBox::No);
        LoadThroughButton(harness, answerer, chosen);

        QCOMPARE(answerer.Boxes.size(), std::size_t(2));
        QCOMPARE(answerer.Boxes[1].caption, std::string("Load Failed"));
        const std::string reason = content.isNull() ? "It does not exist." : "It holds no level.";
        QCOMPARE(answerer.Boxes[1].text, "The file " + chosen + " could not be read as a level. " +
                                             reason + " Nothing was loaded.");
        QCOMPARE(KindOf(answerer.Boxes[1]), WarningBox);
        QCOMPARE(editor.Document().Path(), path);
        QCOMPARE(WindowTitle(editor), title);
        QVERIFY(editor.Document().IsModified());
        QVERIFY(editor.Document().State() == before.State());
        QCOMPARE(GetCurrentDirectory(), directory);
    }

    // A file that ends early, or whose line further down is too long, gives the rows before
    // that; the others keep their tiles, and a box says how many were read.
    void loadOfAShortFileSaysHowManyRowsItRead() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const LevelGrid before = editor.Document().Grid();
        const std::string path = harness.PathIn("L3.txt");
        const std::string rows = BrickBorderedLevel().substr(0, 4 * 17);
        WriteBytes(path, Bytes(rows + "too long a line for a row\r\n"));

        LoadThroughButton(harness, answerer, path);

        QCOMPARE(answerer.Boxes.size(), std::size_t(1));
        QCOMPARE(answerer.Boxes[0].caption, std::string("Warning!"));
        QCOMPARE(answerer.Boxes[0].text,
                 "Only 4 of the 13 rows of " + path +
                     " could be read. The other rows keep the tiles they had.");
        QCOMPARE(KindOf(answerer.Boxes[0]), WarningBox);
        QCOMPARE(editor.Document().Path(), path);
        QVERIFY(!editor.Document().IsModified());
        const LevelGrid& grid = editor.Document().Grid();
        QCOMPARE(grid[0][3], Brick);
        QCOMPARE(grid[2][3], Player1);
        QVERIFY(editor.Document().Starts().placed[0] && !editor.Document().Starts().placed[3]);
        QCOMPARE(grid[0][4], before[0][4]);
    }

    // The shortening itself is the title rule's own table; here only that the window puts it
    // after its base title, even when the path holds Qt's marker for a modified window.
    void titleShowsTheShortenedPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shortened");
        QTest::newRow("short") << "C:\\Levels\\L1.TXT"
                               << "C:\\Lev...\\L1.TXT";
        QTest::newRow("a folder named like Qt's modified marker") << "/x[*]yyy/L1.txt"
                                                                  << "/x[*].../L1.txt";
    }

    void titleShowsTheShortenedPath() {
        QFETCH(QString, path);
        QFETCH(QString, shortened);
        auto&& [harness, editor] = OpenEditor();
        editor.GetSession().Open(LevelDocument(LevelState{}, path.toStdString()));
        QCOMPARE(editor.windowHandle()->title(),
                 QString::fromStdString(BaseTitle) + " - " + shortened);
        QCOMPARE(editor.Document().Path(), path.toStdString());
    }

    void fileChosenElsewhereMakesItsFolderCurrent() {
        auto&& [harness, answerer, editor] = EditorWithAnswerer();
        const std::string other = harness.PathIn("other");
        QDir().mkpath(QString::fromLocal8Bit(other));
        WriteBytes(JoinPath(other, "L1.txt"), PreviousFile());
        LoadThroughButton(harness, answerer, JoinPath(other, "L1.txt"));
        MakePlayableLevel(editor);
        harness.ClickControl("saveAsButton");
        QCOMPARE(answerer.FileDialogs.size(), std::size_t(2));
        QCOMPARE(answerer.FileDialogs[1].folder, other);
    }
};

QTEST_MAIN(LoadAndNewTest)
#include "test_load_and_new.moc"
