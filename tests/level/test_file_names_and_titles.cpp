#include <QtTest>

#include "level/LevelFileName.h"
#include "level/PathTitle.h"

class FileNamesAndTitlesTest : public QObject {
    Q_OBJECT
private slots:
    void levelFileNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        const std::vector<std::pair<const char*, bool>> cases = {
            {"C:\\LEVELS\\L1.TXT", true},
            {"l10.txt", true},
            {"L01.txt", true},
            {"L5X.txt", true},
            {"/home/u/L7.Txt", true},
            {"L 9.txt", true},
            {"L+3.txt", true},
            {"L0.txt", false},
            {"L11.txt", false},
            {"LA.txt", false},
            {"L-1.txt", false},
            {"Level1.txt", false},
            {"L1.text", false},
            {"L1", false},
            {"", false},
            {".txt", false},
            {"L.txt", false},
            {"C:\\dir/L1.txt", false},
            {"/levels.d/L2.txt", true},
            {"X1.txt", false},
            {"L100.txt", false},
        };
        for (const auto& [path, valid] : cases)
            QTest::newRow(path) << QString::fromLatin1(path) << valid;
    }

    void levelFileNames() {
        QFETCH(QString, path);
        QFETCH(bool, valid);
        QCOMPARE(IsValidLevelFileName(path.toStdString()), valid);
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
