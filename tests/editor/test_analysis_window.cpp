// The Level Analysis window through real keys and clicks: level/'s numbers for the sample
// levels, the findings at their cells, the window following the level, F2 and Escape.
#include "editor/AnalysisWindow.h"
#include "tests/editor/MouseTesting.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

using namespace mouse_testing;

namespace {

template <class Widget> Widget* Part(AnalysisWindow* window, const char* name) {
    return window->findChild<Widget*>(QString::fromLatin1(name));
}

QString Texts(AnalysisWindow* window, int row) {
    auto* table = Part<QTableWidget>(window, "startsTable");
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts.join('/');
}

QString N(std::optional<int> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Each sample level's rows, spread and shares at brick costs 3 and 1, as level/ has them.
    void showsTheAnalysisOfEverySampleLevel() {
        EditorHarness h;
        h.Key(Qt::Key_F2);
        auto* window = h.Editor().findChild<AnalysisWindow*>();
        for (const int cost : {3, 1}) {
            while (Part<QSpinBox>(window, "brickCostBox")->value() > cost)
                QTest::keyClick(Part<QSpinBox>(window, "brickCostBox"), Qt::Key_Down);
            for (const QString& name : QDir(ZM_EXAMPLES_DIR).entryList({"L*.txt"})) {
                QVERIFY(h.Editor().LoadLevelFromPath(ZM_EXAMPLES_DIR "/" + name.toStdString()));
                const LevelDocument& level = h.Editor().Document();
                const LevelAnalysis a = AnalyseLevel(level.Grid(), level.Starts(), cost);
                for (std::size_t at = 0; at < a.starts.size(); ++at) {
                    const StartAnalysis& s = a.starts[at];
                    QCOMPARE(Texts(window, int(at)),
                             QStringLiteral("%1/(%2,%3)/%4/%5/%6/%7/%8")
                                 .arg(s.player + 1)
                                 .arg(s.cell.column)
                                 .arg(s.cell.row)
                                 .arg(s.nearest ? N(s.nearest->player + 1) : "-",
                                      s.nearest ? N(s.nearest->cost) : "-",
                                      s.openPath ? "yes" : "no", N(s.room), N(s.territory)));
                }
                QCOMPARE(Texts(window, int(a.starts.size())), "Spread///" + N(a.spread.nearest) +
                                                                  "//" + N(a.spread.room) + "/" +
                                                                  N(a.spread.territory));
                for (const Mirror m : Mirrors)
                    QCOMPARE(Part<QTableWidget>(window, "sharesTable")->item(int(m), 1)->text(),
                             QString::asprintf("%.1f%%", 100 * a.Share(m)));
            }
        }
    }

    // Player 3 closed in: its findings; a click on one, or Enter, moves the hover to its cell;
    // opening the wall clears them, Ctrl+Z brings them back. Escape closes the window alone.
    void findingsFollowTheLevelAndShowTheirCell() {
        EditorHarness h;
        LevelState level = LevelDocument().State();
        for (const Cell wall : {Cell{6, 6}, Cell{8, 6}, Cell{7, 5}, Cell{7, 7}})
            level.grid[wall.column][wall.row] = SolidBlock;
        level.grid[1][1] = Player1;
        level.grid[7][6] = Player3;
        level.starts = {{true, false, true, false, false}, {Cell{1, 1}, {}, Cell{7, 6}, {}, {}}};
        h.Editor().GetSession().Open(LevelDocument(level));
        h.Key(Qt::Key_F2);
        auto* window = h.Editor().findChild<AnalysisWindow*>();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), "Level Analysis");
        auto* list = Part<QListWidget>(window, "findingsList");
        const auto findings = [list] {
            QStringList texts;
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
            return texts;
        };
        const QStringList closedIn = {
            "Error at (1,1): Player 1 cannot reach any other player",
            "Error at (7,6): Player 3 cannot reach any other player",
            "Warning at (7,6): Player 3 cannot move without breaking a brick"};
        QCOMPARE(findings(), closedIn);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(HasHoverFrame(h.Editor(), {7, 6}));
        h.HoverOver({2, 2});
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{7, 6}));
        h.PickTile(Qt::LeftButton, Floor);
        h.Click(Qt::LeftButton, CellCentre({7, 5}));
        QCOMPARE(findings(), QStringList());
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(findings(), closedIn);
        h.Key(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(Part<QLabel>(window, "mirrorLabel")->text(), "Mirror: left-right");
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!window->isVisible() && h.Editor().isVisible());
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "test_analysis_window.moc"
