// What the check finds in a level text, place by place, and how it sorts a folder's files.
#include <QtTest>

#include <sstream>

#include "level/LevelFileCheck.h"

namespace {

const std::string Solid(15, '*');
const std::string Inner = "*" + std::string(13, ' ') + "*";

// A level text that gives no warning, with `replace` putting other lines in place of some.
std::string LevelLines(std::map<int, std::string> replace = {}, int count = 13,
                       const std::string& lineEnd = "\r\n") {
    std::string text;
    for (int row = 0; row < count; ++row) {
        const auto replaced = replace.find(row);
        text += replaced != replace.end() ? replaced->second
                : row == 0 || row == 12   ? Solid
                                          : Inner;
        text += lineEnd;
    }
    return text;
}

// Each finding as "row:column: text".
QStringList Described(const std::vector<Finding>& findings) {
    QStringList described;
    for (const Finding& finding : findings)
        described << QString("%1:%2: %3")
                         .arg(finding.row)
                         .arg(finding.column)
                         .arg(QString::fromStdString(finding.text));
    return described;
}

class EndlessSource : public std::streambuf {
public:
    explicit EndlessSource(std::string pattern) : Pattern(std::move(pattern)) {}
    std::size_t Taken = 0;

protected:
    int_type underflow() override { return traits_type::to_int_type(Current()); }
    int_type uflow() override {
        return traits_type::to_int_type(Pattern[Taken++ % Pattern.size()]);
    }

private:
    char Current() const { return Pattern[Taken % Pattern.size()]; }
    std::string Pattern;
};

} // namespace

class LevelFileCheckTest : public QObject {
    Q_OBJECT

private slots:
    void scanWarnsWhereTheReaderDiffers_data() {
        QTest::addColumn<QByteArray>("text");
        // Each expected finding starts with its place and holds the given words.
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* name, const std::string& text, QStringList expected) {
            QTest::newRow(name) << QByteArray::fromStdString(text) << expected;
        };
        row("clean", LevelLines(), {});
        row("byte order mark", "\xEF\xBB\xBF" + LevelLines(), {"1:1: the file starts with a byte"});
        row("half a byte order mark", "\xEF\xBB" + LevelLines(),
            {"1:16: the line has more than 15"});
        row("LF reported once", LevelLines({}, 13, "\n"), {"1:16: the line ends with LF"});
        row("short line", LevelLines({{2, "* *"}}), {"3:4: the line has 3 characters"});
        row("long line stops the scan", LevelLines({{2, Solid + " "}, {4, "*x" + Inner.substr(2)}}),
            {"3:16: the line has more than 15"});
        row("last line without end", LevelLines().substr(0, 13 * 17 - 2),
            {"13:16: the last line has no line end"});
        row("fewer lines", LevelLines({}, 12), {"0:0: the file has 12 lines, not 13"});
        row("more lines", LevelLines() + "\r\n", {"14:1: the file has more than 13 lines"});
        row("characters outside the table",
            LevelLines({{1, "*x" + std::string(12, ' ') + "*"}, {2, "* \x01" + Inner.substr(3)}}),
            {"2:2: 'x' is no tile", "3:3: byte 0x01 is no tile"});
        row("player again",
            LevelLines({{1, "*1" + std::string(11, ' ') + "1*"}, {3, "*  1" + Inner.substr(4)}}),
            {"2:14: player 1 occurs again (first at row 2, column 2)",
             "4:4: player 1 occurs again (first at row 2, column 2)"});
        row("open border", LevelLines({{0, "**-" + Solid.substr(3)}, {5, " " + Inner.substr(1)}}),
            {"1:3: the border cell is not a solid block", "6:1: the border cell is not a solid"});
    }
    void scanWarnsWhereTheReaderDiffers() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, expected);
        std::istringstream in(text.toStdString());
        const QStringList found = Described(ScanLevelText(in));
        QCOMPARE(found.size(), expected.size());
        for (int i = 0; i < found.size(); ++i)
            QVERIFY2(found[i].startsWith(expected[i]), qPrintable(found[i]));
    }

    void scanReadsNoFurtherThanTheReader_data() {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<int>("limit");
        QTest::newRow("one endless line") << QByteArray("*") << 16;
        QTest::newRow("endless lines") << QByteArray("***************\r\n") << 13 * 17;
    }
    void scanReadsNoFurtherThanTheReader() {
        QFETCH(QByteArray, pattern);
        QFETCH(int, limit);
        EndlessSource source(pattern.toStdString());
        std::istream in(&source);
        ScanLevelText(in);
        QVERIFY(source.Taken <= std::size_t(limit));
    }

    // The editor warns about a missing player and saves, and refuses an open block.
    void checkReportsTheSaveChecksAsTheEditorDoes() {
        LevelGrid grid{};
        const std::vector<Finding> findings = CheckLevelBytes(LevelLines(), grid);
        QCOMPARE(Described(findings),
                 QStringList({"0:0: All player start points have not been used!",
                              "2:2: Levels which allow diagonal movements are invalid [tile "
                              "(2,2)]."}));
        QCOMPARE(findings[0].severity, Finding::Severity::Warning);
        QCOMPARE(findings[1].severity, Finding::Severity::Error);
        // A file the reader takes no tile from is refused by Load: that one error and no other.
        for (const std::string& bytes : {std::string(), std::string("\x89PNG\r\n\x1a\n")})
            QCOMPARE(Described(CheckLevelBytes(bytes, grid)),
                     QStringList({QString("0:0: ") + HoldsNoLevelMessage}));
    }

    // A level saved with a byte order mark is checked as the editor reads it.
    void checkReadsPastAByteOrderMark() {
        const std::string text = LevelLines({{1, "*1*************"}});
        LevelGrid grid{};
        const QStringList expected = Described(CheckLevelBytes(text, grid));
        const QStringList found = Described(CheckLevelBytes("\xEF\xBB\xBF" + text, grid));
        QVERIFY(!expected.join('|').contains("(2,2)"));
        QCOMPARE(found.mid(0, expected.size()), expected);
    }

    void folderFilesSortIntoTheGamesLevelSet() {
        const LevelSetFiles files = SortLevelSetFiles(
            {"L1.txt", "l10.TXT", "L01.txt", "L11.txt", "notes.txt", "readme.md", "L5X.txt"});
        QCOMPARE(files.levels[0], std::vector<std::string>({"L1.txt"}));
        QCOMPARE(files.levels[9], std::vector<std::string>({"l10.TXT"}));
        QCOMPARE(files.strays,
                 std::vector<std::string>({"L01.txt", "L11.txt", "notes.txt", "L5X.txt"}));
        for (int level : {2, 3, 4, 5, 6, 7, 8, 9})
            QVERIFY(files.levels[level - 1].empty());
    }
};

QTEST_MAIN(LevelFileCheckTest)
#include "test_level_file_check.moc"
