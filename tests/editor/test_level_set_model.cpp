// The level set that the editor shows follows its folder on disk: levels written, rewritten in
// place, renamed and removed by another program reach their slots without being asked for.
#include "editor/LevelSetModel.h"
#include "level/LevelText.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <fstream>

namespace {

std::string LevelWithPlayers(int players) {
    LevelGrid grid{};
    for (int player = 0; player < players; ++player)
        grid[1 + 2 * player][1] = TileOfPlayer(player);
    return LevelText(grid);
}

} // namespace

class LevelSetModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsWhatOtherProgramsDoToTheFolder() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const auto path = [&folder](const char* name) { return folder + "/" + name; };
        LevelSetModel model;
        model.SetFolder(folder);
        model.Follow(true);
        QSignalSpy changes(&model, &LevelSetModel::SlotsChanged);
        const struct {
            std::function<void()> change;
            int level;
            const char* verdict;
        } steps[] = {
            {[&] { std::ofstream(path("L5.txt"), std::ios::binary) << LevelWithPlayers(5); }, 5,
             "ok"},
            {[&] {
                 std::fstream(path("L5.txt"), std::ios::binary | std::ios::in | std::ios::out)
                     << LevelWithPlayers(3);
             },
             5, "1 warning"},
            {[&] { std::rename(path("L5.txt").c_str(), path("l6.TXT").c_str()); }, 5, "missing"},
            {[&] { std::ofstream(path("l6.TXT"), std::ios::app) << "x\r\n"; }, 6, "2 warnings"},
            {[&] { std::remove(path("l6.TXT").c_str()); }, 6, "missing"},
        };
        for (const auto& step : steps) {
            const int before = changes.count();
            step.change();
            QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(model.Slot(step.level).Text()),
                                      QString::fromLatin1(step.verdict), 1000);
            QVERIFY(changes.count() > before);
        }
        QCOMPARE(model.Slot(5).Text(), std::string("missing"));
    }
};

QTEST_GUILESS_MAIN(LevelSetModelTest)
#include "test_level_set_model.moc"
