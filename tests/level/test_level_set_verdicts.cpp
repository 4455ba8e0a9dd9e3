// The verdicts on a folder's level set: each slot as check judges its file, and a rescan that
// reads only what changed.
#include <QtTest>

#include "level/LevelSetVerdicts.h"
#include "level/LevelText.h"

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>

namespace {

// All five players, no open block: a level that passes.
std::string PassingLevel() {
    LevelGrid grid{};
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            grid[column][row] =
                IsBorderCell(column, row) || (column % 2 == 0 && row % 2 == 0) ? SolidBlock : Floor;
    const Cell starts[PlayerCount] = {{1, 1}, {13, 1}, {1, 11}, {13, 11}, {7, 7}};
    for (int player = 0; player < PlayerCount; ++player)
        grid[starts[player].column][starts[player].row] = TileOfPlayer(player);
    return LevelText(grid);
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc) << bytes;
}

// Writes over the file's bytes in place, keeping its inode and size.
void Overwrite(const std::string& path, const std::string& bytes) {
    std::fstream(path, std::ios::binary | std::ios::in | std::ios::out) << bytes;
}

// Sets the file's modification time an hour back, so that its stamp is settled.
void MakeOld(const std::string& path) {
    struct stat status {};
    QVERIFY(::stat(path.c_str(), &status) == 0);
    const timespec times[2] = {status.st_atim, {status.st_mtim.tv_sec - 3600, 0}};
    QVERIFY(::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0);
}

QStringList Texts(const LevelSetVerdicts& verdicts) {
    QStringList texts;
    for (const SlotVerdict& slot : verdicts.levels)
        texts << QString::fromStdString(slot.Text());
    return texts;
}

} // namespace

class LevelSetVerdictsTest : public QObject {
    Q_OBJECT

private slots:
    void eachSlotIsJudgedAsCheckJudgesIt() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        std::string lfLineEnds = PassingLevel();
        for (std::size_t at; (at = lfLineEnds.find("\r\n")) != std::string::npos;)
            lfLineEnds.erase(at, 1);
        Write(folder + "/L1.txt", PassingLevel());
        Write(folder + "/L2.txt", LevelText(LevelGrid{})); // all solid: five players missing
        Write(folder + "/l3.TXT", lfLineEnds.substr(0, lfLineEnds.size() - 1));
        QVERIFY(QDir(dir.path()).mkdir("L4.txt"));
        Write(folder + "/L6.txt", "no level");
        Write(folder + "/l6.txt", PassingLevel());
        for (int level = 7; level <= 10; ++level)
            Write(folder + "/L" + std::to_string(level) + ".txt", PassingLevel());
        Write(folder + "/L05.txt", PassingLevel());

        const LevelSetVerdicts verdicts = JudgeLevelSet(folder);
        QVERIFY(verdicts.listed);
        QCOMPARE(Texts(verdicts), QStringList({"ok", "1 warning", "2 warnings", "unreadable",
                                               "missing", "1 error", "ok", "ok", "ok", "ok"}));
        QCOMPARE(verdicts.levels[2].path, folder + "/l3.TXT");
        QCOMPARE(verdicts.levels[2].findings[0].rule, FindingRule::LineEnds);
        QCOMPARE(verdicts.levels[3].reason, std::string("it is a folder"));
        QCOMPARE(verdicts.levels[4].path, folder + "/L5.txt");
        QCOMPARE(verdicts.levels[5].otherFiles, std::vector<std::string>({folder + "/l6.txt"}));
        QCOMPARE(verdicts.levels[0].grid[1][1], Player1);
        QCOMPARE(verdicts.filesRead, 9);
        QVERIFY(!JudgeLevelSet(folder + "/L1.txt").listed);
    }

    // A settled file is not read again until its stamp changes; a file written just now is read
    // at every scan until it settles, since a write in the same clock tick keeps its times.
    void aRescanReadsOnlyWhatChanged() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const std::string first = folder + "/L1.txt", second = folder + "/L2.txt";
        Write(first, PassingLevel());
        Write(second, PassingLevel());
        MakeOld(first);
        const LevelSetVerdicts scanned = JudgeLevelSet(folder);
        QCOMPARE(scanned.filesRead, 2);

        const LevelSetVerdicts again = JudgeLevelSet(folder, scanned);
        QCOMPARE(again.filesRead, 1);
        for (const SlotVerdict& slot : again.levels)
            QVERIFY(!slot.changed);

        struct stat before {};
        QVERIFY(::stat(first.c_str(), &before) == 0);
        std::string openBlock = PassingLevel();
        openBlock[2 * 17 + 2] = ' ';
        Overwrite(first, openBlock);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, first.c_str(), times, 0) == 0);
        const LevelSetVerdicts changed = JudgeLevelSet(folder, again);
        QCOMPARE(changed.filesRead, 2);
        QVERIFY(changed.levels[0].changed);
        QVERIFY(!changed.levels[1].changed);
        QCOMPARE(changed.levels[0].Text(), std::string("1 error"));

        QVERIFY(QFile::remove(QString::fromStdString(second)));
        const LevelSetVerdicts removed = JudgeLevelSet(folder, changed);
        QVERIFY(removed.levels[1].changed);
        QCOMPARE(removed.levels[1].Text(), std::string("missing"));
    }
};

QTEST_APPLESS_MAIN(LevelSetVerdictsTest)
#include "test_level_set_verdicts.moc"
