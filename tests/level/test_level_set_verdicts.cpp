// The verdicts on a folder's level set: each slot as check judges its file, and a rescan that
// reads only what changed.
#include <QtTest>

#include "level/LevelSetVerdicts.h"
#include "level/LevelText.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

// All five players closed in by solid blocks: a level that passes the check.
std::string PassingLevel() {
    LevelGrid grid{};
    for (int player = 0; player < PlayerCount; ++player)
        grid[1 + 2 * player][1] = TileOfPlayer(player);
    return LevelText(grid);
}

// Writes the bytes over the file's start, keeping its inode (and, for bytes of its size, its
// size); a new file when there is none.
void Write(const std::string& path, const std::string& bytes) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!file.is_open())
        file.open(path, std::ios::binary | std::ios::out);
    file << bytes;
}

// Sets the file's modification time an hour back, so that its stamp is settled.
void MakeOld(const std::string& path) {
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) -
                                               std::chrono::hours(1));
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
        // Floor at (2,1), (1,2) and (2,2) beside player 1 at (1,1): an open block.
        openBlock[17 + 2] = openBlock[2 * 17 + 1] = openBlock[2 * 17 + 2] = ' ';
        Write(first, openBlock);
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
