#include <QtTest>

#include "level/LevelFileName.h"
#include "level/PathTitle.h"

class FileNamesAndTitlesTest : public QObject {
    Q_OBJECT
private slots:
    // Both rules of level file names: the editor's warning after Save As (atoi reads the
    // number) and the level set's membership (exactly the names the game opens; 0 for none).
    void levelFileNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("setNumber");
        const std::vector<std::tuple<const char*, bool, int>> cases = {
            {"C:\\LEVELS\\L1.TXT", true, 0},
            {"L1.TXT", true, 1},
            {"l10.txt", true, 10},
            {"L01.txt", true, 0},
            {"L5X.txt", true, 0},
            {"/home/u/L7.Txt", true, 0},
            {"L7.Txt", true, 7},
            {"L 9.txt", true, 0},
            {"L+3.txt", true, 0},
            {"L0.txt", false, 0},
            {"L11.txt", false, 0},
            {"LA.txt", false, 0},
            {"L-1.txt", false, 0},
            {"Level1.txt", false, 0},
            {"L1.text", false, 0},
            {"L1", false, 0},
            {"", false, 0},
            {".txt", false, 0},
            {"L.txt", false, 0},
            {"C:\\dir/L1.txt", false, 0},
            {"dir\\L1.txt", true, 0},
            {"/levels.d/L2.txt", true, 0},
            {"X1.txt", false, 0},
            {"L100.txt", false, 0},
        };
        for (const auto& [path, valid, setNumber] : cases)
            QTest::newRow(path) << QString::fromLatin1(path) << valid << setNumber;
    }

    void levelFileNames() {
        QFETCH(QString, path);
        QFETCH(bool, valid);
        QFETCH(int, setNumber);
        QCOMPARE(IsValidLevelFileName(path.toStdString()), valid);
        QCOMPARE(LevelSetNumber(path.toStdString()).value_or(0), setNumber);
    }

    void titles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("short") << "C:\\Levels\\L1.TXT"
                               << "C:\\Lev...\\L1.TXT";
        QTest::newRow("48 characters") << "C:\\Program Files\\Maze Game\\Levels\\Custom\\L10.txt"
                                       << "C:\\Program Files\\Maze Game...\\L10.txt";
        QTest::newRow("37 characters") << "/home/someone/games/zapmaze/lv/L1.txt"
                                       << "/home/someone/games/zapmaze.../L1.txt";
        QTest::newRow("38 characters") << "/home/someone/games/zapmaze/lvl/L1.txt"
                                       << "/home/someone/games/zapmaze.../L1.txt";
        QTest::newRow("slash before backslash") << "C:\\a/bcdef\\L1.txt"
                                                << "C.../bcdef\\L1.txt";
        QTest::newRow("drive top") << "C:\\L1.TXT"
                                   << "..\\L1.TXT";
        QTest::newRow("root file") << "/L1.txt"
                                   << "/L1.txt";
        QTest::newRow("one before") << "a/L1.txt"
                                    << "./L1.txt";
        QTest::newRow("no separator") << "L1.txt"
                                      << "L1.txt";
        QTest::newRow("long name, no separator")
            << QString(40, 'n') + ".txt" << QString(40, 'n') + ".txt";
        QTest::newRow("long name in a folder") << "/games/" + QString(40, 'n') + ".txt"
                                               << "/" + QString(40, 'n') + ".txt";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("accented folder")
            << QString::fromUtf8("/home/ann/caf\u00e9\u00e9/L1.txt") << "/home/ann/ca.../L1.txt";
        QTest::newRow("long accented folder") << "/x/" + QString(40, QChar(0xE9)) + "/L1.txt"
                                              << "/x/" + QString(24, QChar(0xE9)) + ".../L1.txt";
    }

    void titles() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(QString::fromStdString(AbbreviatePathForTitle(path.toStdString())), title);
    }
};

QTEST_APPLESS_MAIN(FileNamesAndTitlesTest)
#include "test_file_names_and_titles.moc"
