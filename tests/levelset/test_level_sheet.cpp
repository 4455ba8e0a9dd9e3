// What the sheet draws from a folder's verdicts: each slot's state and file name, and the files
// it may not overwrite.
#include <QtTest>

#include "level/LevelText.h"
#include "levelset/LevelSheet.h"
#include "tests/support/EditorHarness.h"

class LevelSheetTest : public QObject {
    Q_OBJECT

private slots:
    void slotsFollowTheVerdicts() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        LevelGrid openBlock{};
        PlayerStarts starts;
        ResetToDefaultLevel(openBlock, starts);
        WriteBytes(folder + "/L1.txt", QByteArray::fromStdString(LevelText(openBlock)));
        for (const char* name : {"/L2.txt", "/l2.TXT"})
            WriteBytes(folder + name, QByteArray::fromStdString(LevelText(LevelGrid{})));
        QVERIFY(QDir(dir.path()).mkdir("L3.txt"));

        const std::optional<LevelSheet> sheet = ReadLevelSheet(folder);
        QVERIFY(sheet);
        QStringList shown;
        for (const SheetEntry& entry : sheet->entries)
            shown << QString::fromStdString(entry.name) + " " + QString::number(int(entry.state));
        QCOMPARE(shown.mid(0, 4), QStringList({"L1.txt 1", "L2.txt 0", "L3.txt 3", "L4.txt 2"}));
        QCOMPARE(sheet->entries[0].grid[7][6], Floor);
        QCOMPARE(sheet->inputs, std::vector<std::string>({folder + "/L1.txt", folder + "/L2.txt",
                                                          folder + "/l2.TXT", folder + "/L3.txt"}));
        QCOMPARE(sheet->unreadable.size(), std::size_t(1));
        QVERIFY(!ReadLevelSheet(folder + "/L1.txt"));
    }
};

QTEST_APPLESS_MAIN(LevelSheetTest)
#include "test_level_sheet.moc"
