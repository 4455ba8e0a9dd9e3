// The level set that the editor shows follows its folder on disk: levels written, rewritten in
// place, renamed and removed by another program reach their slots without being asked for.
#include "editor/LevelSetModel.h"
#include "tests/editor/DocumentFixtures.h"

#include <QtTest>
#include <cstdio>
#include <fstream>

class LevelSetModelTest : public QObject {
    Q_OBJECT

private slots:
    void followsWhatOtherProgramsDoToTheFolder() {
        QTemporaryDir dir;
        const std::string l5 = dir.filePath("L5.txt").toStdString();
        const std::string l6 = dir.filePath("l6.TXT").toStdString();
        LevelSetModel model;
        model.SetFolder(dir.path().toStdString());
        model.Follow(true);
        const std::pair<std::function<void()>, std::pair<int, QString>> steps[] = {
            {[&] { WriteBytes(l5, LevelBytes(LevelGrid{})); }, {5, "1 warning"}},
            {[&] { std::fstream(l5, std::ios::in | std::ios::out) << "1"; }, {5, "2 warnings"}},
            {[&] { std::rename(l5.c_str(), l6.c_str()); }, {5, "missing"}},
            {[&] { std::ofstream(l6, std::ios::app) << "x\r\n"; }, {6, "3 warnings"}},
            {[&] { std::remove(l6.c_str()); }, {6, "missing"}},
        };
        for (const auto& [change, slot] : steps) {
            change();
            QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(model.Slot(slot.first).Text()),
                                      slot.second, 1000);
        }
    }
};

QTEST_MAIN(LevelSetModelTest)
#include "test_level_set_model.moc"
