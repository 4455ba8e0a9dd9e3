// Which folder's set the editor shows, and the slot that a path takes in it.
#include <QtTest>

#include "level/LevelSetFolder.h"

class LevelSetFolderTest : public QObject {
    Q_OBJECT

private slots:
    void folderComesFromTheSettingsThenTheLevelThenTheCurrentFolder() {
        const struct {
            const char *directory, *level, *current, *folder;
        } cases[] = {
            {"/game/levels/", "/work/L3.txt", "/home", "/game/levels"},
            {"levels", "/work/L3.txt", "/home", "/home/levels"},
            {"", "/work/L3.txt", "/home", "/work"},
            {"", "/L3.txt", "/home", "/"},
            {"", "", "/home/", "/home"},
        };
        for (const auto& c : cases)
            QCOMPARE(LevelSetFolder(c.directory, c.level, c.current), std::string(c.folder));
    }

    void pathTakesTheSlotOfItsNameInItsOwnFolderOnly() {
        const struct {
            const char* path;
            std::optional<int> level;
        } cases[] = {
            {"/work/L3.txt", 3},
            {"/work/l10.TXT", 10},
            {"/work/sub/L3.txt", std::nullopt},
            {"/other/L3.txt", std::nullopt},
            {"", std::nullopt},
        };
        for (const auto& c : cases)
            QCOMPARE(LevelInSet("/work", c.path), c.level);
    }
};

QTEST_APPLESS_MAIN(LevelSetFolderTest)
#include "test_level_set_folder.moc"
