// What the sheet reads from a folder: each slot's state and file, and the files it may not
// overwrite.
#include <QtTest>

#include "level/LevelText.h"
#include "levelset/LevelSheet.h"
#include "tests/support/EditorHarness.h"

namespace {

std::string LevelWithOpenBlock() {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    return LevelText(grid);
}

std::string ClosedLevel() {
    LevelGrid grid{};
    for (auto& column : grid)
        column.fill(SolidBlock);
    return LevelText(grid);
}

} // namespace

class LevelSheetTest : public QObject {
    Q_OBJECT

private slots:
    void slotsFollowTheLevelSet() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        WriteBytes(folder + "/L1.txt", QByteArray::fromStdString(ClosedLevel()));
        WriteBytes(folder + "/L2.txt", QByteArray::fromStdString(LevelWithOpenBlock()));
        WriteBytes(folder + "/L3.txt", QByteArray::fromStdString(ClosedLevel()));
        WriteBytes(folder + "/l3.TXT", QByteArray::fromStdString(LevelWithOpenBlock()));
        QVERIFY(QDir(dir.path()).mkdir("L4.txt"));
        WriteBytes(folder + "/L05.txt", QByteArray::fromStdString(ClosedLevel()));

        const std::optional<LevelSheet> sheet = ReadLevelSheet(folder);
        QVERIFY(sheet);
        using State = SheetEntry::State;
        const std::array<std::pair<const char*, State>, 5> expected{{{"L1.txt", State::Passes},
                                                                     {"L2.txt", State::Fails},
                                                                     {"L3.txt", State::Passes},
                                                                     {"L4.txt", State::Unreadable},
                                                                     {"L5.txt", State::Missing}}};
        for (std::size_t slot = 0; slot < expected.size(); ++slot) {
            QCOMPARE(sheet->entries[slot].name, std::string(expected[slot].first));
            QCOMPARE(sheet->entries[slot].state, expected[slot].second);
        }
        QCOMPARE(sheet->entries[0].grid[7][6], SolidBlock);
        QCOMPARE(sheet->inputs, std::vector<std::string>({folder + "/L1.txt", folder + "/L2.txt",
                                                          folder + "/L3.txt", folder + "/l3.TXT",
                                                          folder + "/L4.txt"}));
        QCOMPARE(sheet->unreadable.size(), std::size_t(1));
        QCOMPARE(sheet->unreadable[0].path, folder + "/L4.txt");
        QVERIFY(!ReadLevelSheet(folder + "/L1.txt"));
    }
};

QTEST_APPLESS_MAIN(LevelSheetTest)
#include "test_level_sheet.moc"
