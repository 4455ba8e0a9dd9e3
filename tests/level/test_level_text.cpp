#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "level/LevelText.h"

namespace fs = std::filesystem;

namespace {

const std::string SolidLine(15, '*');
const std::string BrickLine(15, '-');
const std::string DefaultInnerLine = "*" + std::string(13, ' ') + "*";

std::string Joined(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + lineEnd;
    return text;
}

std::vector<std::string> Repeated(const std::string& line, int count) {
    return std::vector<std::string>(count, line);
}

LevelGrid DefaultGrid() {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    return grid;
}

void ReadText(const std::string& text, LevelGrid& grid, PlayerStarts& starts) {
    ReadLevelBytes(text, grid, starts);
}

bool RowIs(const LevelGrid& grid, int row, TileType tile) {
    for (int column = 0; column < GridColumns; ++column)
        if (grid[column][row] != tile)
            return false;
    return true;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

int EntriesIn(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

} // namespace

class LevelTextTest : public QObject {
    Q_OBJECT
private slots:
    void tileCharactersMapBothWays() {
        const std::string characters = "*- 12345";
        for (int tile = 0; tile < TileCount; ++tile) {
            QCOMPARE(TileToChar(static_cast<TileType>(tile)), characters[tile]);
            QCOMPARE(CharToTile(characters[tile]), std::optional<TileType>(TileType(tile)));
        }
        for (char other : std::string("aA06xX\r\t#", 9))
            QVERIFY(!CharToTile(other));
        QVERIFY(!CharToTile('\0'));
    }

    void defaultLevelIs221BytesWithCrLf() {
        const std::string expected =
            Joined({SolidLine}) + Joined(Repeated(DefaultInnerLine, 11)) + Joined({SolidLine});
        QCOMPARE(LevelText(DefaultGrid()).size(), std::size_t(221));
        QCOMPARE(LevelText(DefaultGrid()), expected);
    }

    void writtenLevelReadsBackWithItsPlayers() {
        LevelGrid written = DefaultGrid();
        written[1][1] = Player1;
        written[13][11] = Player5;
        written[7][6] = Player3;
        written[2][3] = Brick;
        written[14][5] = Brick;
        LevelGrid read{};
        for (auto& column : read)
            column.fill(Brick);
        PlayerStarts starts;
        ReadText(LevelText(written), read, starts);
        QVERIFY(read == written);
        QCOMPARE(starts.placed, (std::array<bool, PlayerCount>{true, false, true, false, true}));
        QCOMPARE(starts.position[0], (Cell{1, 1}));
        QCOMPARE(starts.position[2], (Cell{7, 6}));
        QCOMPARE(starts.position[4], (Cell{13, 11}));
    }

    void lfAndCrLfLineEndsReadAlike() {
        std::vector<std::string> lines = Repeated(BrickLine, 13);
        lines[4] = "*1-2 3--4-5-***";
        LevelGrid withCrLf = DefaultGrid(), withLf = DefaultGrid();
        PlayerStarts crLfStarts, lfStarts;
        ReadText(Joined(lines, "\r\n"), withCrLf, crLfStarts);
        ReadText(Joined(lines, "\n"), withLf, lfStarts);
        QVERIFY(withCrLf == withLf);
        QCOMPARE(crLfStarts.placed, lfStarts.placed);
        QCOMPARE(crLfStarts.position, lfStarts.position);
        QCOMPARE(withLf[14][12], Brick);
        QCOMPARE(withLf[1][4], Player1);
    }

    void tooLongLineStopsReadingAndKeepsItsRow() {
        std::vector<std::string> lines = Repeated(BrickLine, 13);
        lines[2] = BrickLine + "-";
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadText(Joined(lines), grid, starts);
        QVERIFY(RowIs(grid, 0, Brick));
        QVERIFY(RowIs(grid, 1, Brick));
        const LevelGrid untouched = DefaultGrid();
        for (int column = 0; column < GridColumns; ++column)
            for (int row = 2; row < GridRows; ++row)
                QCOMPARE(grid[column][row], untouched[column][row]);
    }

    void carriageReturnCountsOnlyBeforeLineFeed() {
        // 15 characters and CR LF is a full line; a second CR is a 16th character.
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadText(BrickLine + "\r\n" + BrickLine + "\r\r\n" + BrickLine + "\r\n", grid, starts);
        QVERIFY(RowIs(grid, 0, Brick));
        QCOMPARE(grid[5][1], Floor);
        QCOMPARE(grid[5][2], Floor);

        // A lone CR inside a line is an unknown character that still takes its column.
        grid = DefaultGrid();
        ReadText("-\r-\n", grid, starts);
        QCOMPARE(grid[0][0], Brick);
        QCOMPARE(grid[1][0], SolidBlock);
        QCOMPARE(grid[2][0], Brick);
    }

    void lastLineWithoutLineEndIsNotUsed() {
        const std::string text = Joined(Repeated(BrickLine, 12)) + BrickLine;
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadText(text, grid, starts);
        QVERIFY(RowIs(grid, 11, Brick));
        QVERIFY(RowIs(grid, 12, SolidBlock));
    }

    void shortAndEmptyLinesChangeOnlyTheirFirstCells() {
        std::vector<std::string> lines = Repeated("", 6);
        lines[0] = "--";
        lines[5] = "*1";
        LevelGrid grid = DefaultGrid();
        grid[1][5] = Brick;
        grid[2][5] = Brick;
        PlayerStarts starts;
        ReadText(Joined(lines, "\n"), grid, starts);
        QCOMPARE(grid[0][0], Brick);
        QCOMPARE(grid[1][0], Brick);
        QCOMPARE(grid[2][0], SolidBlock);
        QCOMPARE(grid[0][5], SolidBlock);
        QCOMPARE(grid[1][5], Player1);
        QCOMPARE(grid[2][5], Brick);
        QCOMPARE(grid[3][5], Floor);
        QVERIFY(starts.placed[0]);
        QCOMPARE(starts.position[0], (Cell{1, 5}));
        QVERIFY(RowIs(grid, 12, SolidBlock));
    }

    void rowsWithoutALineKeepTheirTilesButNotTheirPlayers() {
        LevelGrid grid = DefaultGrid();
        grid[4][10] = Player3;
        PlayerStarts starts;
        ReadText(Joined(Repeated(SolidLine, 5)), grid, starts);
        QCOMPARE(grid[4][10], Player3);
        QVERIFY(!starts.placed[2]);
        QVERIFY(RowIs(grid, 4, SolidBlock));
        QCOMPARE(grid[4][5], Floor);
    }

    void unknownCharactersKeepTheirCellsAndTakeTheirColumns() {
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadText(Joined({"a-B6-\t-x" + std::string(7, ' ')}), grid, starts);
        const std::vector<TileType> expected = {SolidBlock, Brick,      SolidBlock, SolidBlock,
                                                Brick,      SolidBlock, Brick,      SolidBlock};
        for (int column = 0; column < 8; ++column)
            QCOMPARE(grid[column][0], expected[column]);
        QCOMPARE(grid[8][0], Floor);
    }

    void repeatedPlayerKeepsEveryTileAndTheLastPosition() {
        std::vector<std::string> lines = Repeated(DefaultInnerLine, 13);
        lines[0] = "2**************";
        lines[3] = "*  2    2     *";
        lines[8] = "*2            *";
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadText(Joined(lines), grid, starts);
        QCOMPARE(grid[0][0], Player2);
        QCOMPARE(grid[3][3], Player2);
        QCOMPARE(grid[8][3], Player2);
        QCOMPARE(grid[1][8], Player2);
        QVERIFY(starts.placed[1]);
        QCOMPARE(starts.position[1], (Cell{1, 8}));
    }

    void hugeFileWithoutLineEndsIsReadAtOnce() {
        QTemporaryDir folder;
        const fs::path path = fs::path(folder.path().toStdString()) / "huge.txt";
        WriteBytes(path, "---\n");
        fs::resize_file(path, 200u * 1024 * 1024); // sparse: the rest is zero bytes
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        QElapsedTimer timer;
        timer.start();
        ReadLevelFile(path.string(), grid, starts);
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(grid[2][0], Brick);
        QCOMPARE(grid[3][0], SolidBlock);
        QCOMPARE(grid[1][1], Floor);
    }

    void missingFileChangesNothing() {
        QTemporaryDir folder;
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadLevelFile(folder.path().toStdString() + "/absent.txt", grid, starts);
        ReadLevelFile(folder.path().toStdString(), grid, starts);
        QVERIFY(grid == DefaultGrid());
        QCOMPARE(starts.placed, (std::array<bool, PlayerCount>{}));
    }

    // How many rows a file gave, which tells Load whether anything at all was read. A byte
    // order mark counts only at the very start.
    void fileReadCountsTheRowsItTook_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("rows");
        const std::string level = LevelText(DefaultGrid());
        QTest::newRow("whole level") << QByteArray::fromStdString(level) << 13;
        QTest::newRow("with a byte order mark")
            << QByteArray::fromStdString("\xEF\xBB\xBF" + level) << 13;
        QTest::newRow("mark after the start")
            << QByteArray::fromStdString(" \xEF\xBB\xBF" + level) << 0;
        QTest::newRow("four rows") << QByteArray::fromStdString(level.substr(0, 4 * 17)) << 4;
        QTest::newRow("long line further down")
            << QByteArray::fromStdString(level.substr(0, 2 * 17) + std::string(16, '*') + "\n")
            << 2;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("more than 13 lines")
            << QByteArray::fromStdString(level + Joined(Repeated(BrickLine, 3))) << 13;
    }

    void fileReadCountsTheRowsItTook() {
        QFETCH(QByteArray, content);
        QFETCH(int, rows);
        QTemporaryDir folder;
        const fs::path path = fs::path(folder.path().toStdString()) / "L1.txt";
        WriteBytes(path, content.toStdString());
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        QCOMPARE(ReadLevelFile(path.string(), grid, starts).text.rows, rows);
        if (rows == GridRows)
            QVERIFY(grid == DefaultGrid());
    }

    // Temporary files of the editor that a killed save left behind go with the next save into
    // their folder once they are an hour old; younger ones and other files stay.
    void fileWriteSweepsStaleTemporaryFiles() {
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        const auto twoHoursAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
        const char* stale = ".zapmaze-editor-1-0123456789abcdef-3.tmp";
        for (const char* name : {stale, ".other-editor.tmp", "L2.txt"}) {
            WriteBytes(dir / name, "left over");
            fs::last_write_time(dir / name, twoHoursAgo);
        }
        WriteBytes(dir / ".zapmaze-editor-4-0123456789abcdef-6.tmp", "a save still running");
        QVERIFY(WriteLevelFile((dir / "L1.txt").string(), DefaultGrid()));
        QVERIFY(!fs::exists(dir / stale));
        QCOMPARE(EntriesIn(dir), 4);
    }

    void namedPipeIsNeitherReadNorReplacedAndNothingBlocks() {
        QTemporaryDir folder;
        const std::string pipe = folder.path().toStdString() + "/L1.txt";
        QCOMPARE(mkfifo(pipe.c_str(), 0600), 0);
        LevelGrid grid = DefaultGrid();
        PlayerStarts starts;
        ReadLevelFile(pipe, grid, starts);
        QVERIFY(grid == DefaultGrid());
        QVERIFY(!WriteLevelFile(pipe, grid));
        QVERIFY(std::filesystem::is_fifo(pipe));
    }

    void fileWriteReplacesTheWholeFile() {
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        const fs::path path = dir / "L1.txt";
        WriteBytes(path, std::string(1000, '-'));
        LevelGrid grid = DefaultGrid();
        grid[6][6] = Player4;
        QVERIFY(WriteLevelFile(path.string(), grid));
        QCOMPARE(FileBytes(path), LevelText(grid));
        QCOMPARE(EntriesIn(dir), 1); // no temporary file left behind

        LevelGrid read = DefaultGrid();
        PlayerStarts starts;
        ReadLevelFile(path.string(), read, starts);
        QVERIFY(read == grid);
        QVERIFY(starts.placed[3]);
    }

    void fileWriteKeepsOrSetsSensibleModes() {
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        const fs::path fresh = dir / "fresh.txt";
        QVERIFY(WriteLevelFile(fresh.string(), DefaultGrid()));
        const mode_t mask = umask(0);
        umask(mask);
        QCOMPARE(static_cast<unsigned>(fs::status(fresh).permissions()), 0666u & ~mask);

        const fs::path kept = dir / "kept.txt";
        WriteBytes(kept, "old");
        fs::permissions(kept, fs::perms(0640));
        QVERIFY(WriteLevelFile(kept.string(), DefaultGrid()));
        QCOMPARE(static_cast<unsigned>(fs::status(kept).permissions()), 0640u);
    }

    void fileWriteGoesThroughSymbolicLinks() {
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        WriteBytes(dir / "real.txt", "old");
        fs::create_symlink("real.txt", dir / "link.txt");
        QVERIFY(WriteLevelFile((dir / "link.txt").string(), DefaultGrid()));
        QVERIFY(fs::is_symlink(dir / "link.txt"));
        QCOMPARE(FileBytes(dir / "real.txt"), LevelText(DefaultGrid()));
        fs::create_symlink("new.txt", dir / "dangling.txt"); // its target is made
        QVERIFY(WriteLevelFile((dir / "dangling.txt").string(), DefaultGrid()));
        QCOMPARE(FileBytes(dir / "new.txt"), LevelText(DefaultGrid()));
    }

    void failedWriteLeavesEverythingAsItWas() {
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        WriteBytes(dir / "plain", "a file, not a folder");
        QVERIFY(!WriteLevelFile((dir / "plain" / "L1.txt").string(), DefaultGrid()));
        QVERIFY(!WriteLevelFile((dir / "missing" / "L1.txt").string(), DefaultGrid()));
        fs::create_directory(dir / "folder.txt");
        QVERIFY(!WriteLevelFile((dir / "folder.txt").string(), DefaultGrid()));
        QVERIFY(fs::is_directory(dir / "folder.txt"));

        // A file marked read-only is refused for every user, the superuser included.
        const std::string previous = "previous\ncontents\r\n";
        WriteBytes(dir / "L2.txt", previous);
        fs::permissions(dir / "L2.txt", fs::perms(0444));
        QVERIFY(!WriteLevelFile((dir / "L2.txt").string(), DefaultGrid()));
        QCOMPARE(FileBytes(dir / "L2.txt"), previous);
        QCOMPARE(EntriesIn(dir), 3);
    }

    void readOnlyFolderGetsTheFileWrittenInPlace() {
        if (geteuid() == 0)
            QSKIP("the superuser may write into read-only folders");
        QTemporaryDir folder;
        const fs::path dir = folder.path().toStdString();
        const std::string previous = "previous";
        WriteBytes(dir / "L3.txt", previous);
        fs::permissions(dir, fs::perms(0555));
        const bool written = WriteLevelFile((dir / "L3.txt").string(), DefaultGrid());
        fs::permissions(dir, fs::perms(0755));
        QVERIFY(written);
        QCOMPARE(FileBytes(dir / "L3.txt"), LevelText(DefaultGrid()));
        QCOMPARE(EntriesIn(dir), 1);
    }
};

QTEST_APPLESS_MAIN(LevelTextTest)
#include "test_level_text.moc"
