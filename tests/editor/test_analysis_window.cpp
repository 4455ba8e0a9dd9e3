// The Level Analysis window driven through real keys and clicks: F2, Escape, the numbers of
// level/'s analysis for the sample levels, the findings and how the window follows the level.
#include "editor/AnalysisWindow.h"
#include "tests/editor/MouseTesting.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

using namespace mouse_testing;

namespace {

AnalysisWindow* OpenAnalysis(EditorHarness& h) {
    h.Key(Qt::Key_F2);
    auto* window = h.Editor().findChild<AnalysisWindow*>();
    return window && window->isVisible() ? window : nullptr;
}

QStringList Row(AnalysisWindow* window, int row) {
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("startsTable"));
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return texts;
}

QString Number(std::optional<int> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

QStringList Findings(AnalysisWindow* window) {
    QStringList texts;
    auto* list = window->findChild<QListWidget*>(QStringLiteral("findingsList"));
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT
private slots:
    void f2AndEscapeOpenAndCloseItAlone() {
        EditorHarness h;
        AnalysisWindow* window = OpenAnalysis(h);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), "Level Analysis");
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible() && h.Editor().isVisible());
        h.Editor().activateWindow();
        QTRY_VERIFY(h.Editor().isActiveWindow());
        QVERIFY(OpenAnalysis(h));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QTest::keyClick(window->focusWidget(), Qt::Key_F2);
        QVERIFY(!window->isVisible());
    }

    // Each sample level's rows, spread and shares at brick costs 3 and 1, as level/ has them.
    void showsTheAnalysisOfEverySampleLevel() {
        EditorHarness h;
        AnalysisWindow* window = OpenAnalysis(h);
        auto* cost = window->findChild<QSpinBox*>(QStringLiteral("brickCostBox"));
        auto* shares = window->findChild<QTableWidget*>(QStringLiteral("sharesTable"));
        for (const int brickCost : {3, 1}) {
            for (int step = cost->value(); step > brickCost; --step)
                QTest::keyClick(cost, Qt::Key_Down);
            for (const QString& name : QDir(ZM_EXAMPLES_DIR).entryList({"L*.txt"})) {
                QVERIFY(h.Editor().LoadLevelFromPath(ZM_EXAMPLES_DIR "/" + name.toStdString()));
                const LevelDocument& level = h.Editor().Document();
                const LevelAnalysis a = AnalyseLevel(level.Grid(), level.Starts(), brickCost);
                for (std::size_t at = 0; at < a.starts.size(); ++at) {
                    const StartAnalysis& s = a.starts[at];
                    const auto nearest = s.nearest ? s.nearest->player + 1 : std::optional<int>();
                    QCOMPARE(Row(window, int(at)),
                             QStringList(
                                 {QString::number(s.player + 1),
                                  QStringLiteral("(%1,%2)").arg(s.cell.column).arg(s.cell.row),
                                  Number(nearest),
                                  Number(s.nearest ? s.nearest->cost : std::optional<int>()),
                                  s.openPath ? "yes" : "no", Number(s.room), Number(s.territory)}));
                }
                QCOMPARE(Row(window, int(a.starts.size())),
                         QStringList({"Spread", "", "", Number(a.spread.nearest), "",
                                      Number(a.spread.room), Number(a.spread.territory)}));
                for (const Mirror m : Mirrors)
                    QCOMPARE(shares->item(int(m), 1)->text(),
                             QString::asprintf("%.1f%%", 100 * a.Share(m)));
            }
        }
    }

    // Player 3 closed in by solid blocks: both findings at its cell; a click on one, or Enter,
    // moves the hover there; opening the wall clears them and Ctrl+Z brings them back.
    void findingsFollowTheLevelAndShowTheirCell() {
        EditorHarness h;
        LevelState level = LevelDocument().State();
        for (const Cell wall : {Cell{6, 6}, Cell{8, 6}, Cell{7, 5}, Cell{7, 7}})
            level.grid[wall.column][wall.row] = SolidBlock;
        level.grid[1][1] = Player1;
        level.grid[7][6] = Player3;
        level.starts = {{true, false, true, false, false}, {Cell{1, 1}, {}, Cell{7, 6}, {}, {}}};
        h.Editor().GetSession().Open(LevelDocument(level));
        AnalysisWindow* window = OpenAnalysis(h);
        const QStringList closedIn = {
            "Error at (1,1): Player 1 cannot reach any other player",
            "Error at (7,6): Player 3 cannot reach any other player",
            "Warning at (7,6): Player 3 cannot move without breaking a brick"};
        QCOMPARE(Findings(window), closedIn);
        auto* list = window->findChild<QListWidget*>(QStringLiteral("findingsList"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{7, 6}));
        QVERIFY(HasHoverFrame(h.Editor(), {7, 6}));
        h.HoverOver({2, 2});
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{7, 6}));
        h.PickTile(Qt::LeftButton, Floor);
        h.Click(Qt::LeftButton, CellCentre({7, 5}));
        QCOMPARE(Findings(window), QStringList());
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Findings(window), closedIn);
        h.Key(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("mirrorLabel"))->text(),
                 "Mirror: left-right");
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "test_analysis_window.moc"
