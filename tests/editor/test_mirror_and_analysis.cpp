// Mirror painting and the Level Analysis window through real keys and clicks: the images
// painted as one step, the axes, level/'s numbers for the sample levels, the findings at their
// cells, the window following the level.
#include "editor/AnalysisWindow.h"
#include "tests/editor/MouseTesting.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

using namespace mouse_testing;

namespace {

// A row of one of the window's tables, or its list of findings, as texts joined by "/".
QString Texts(AnalysisWindow* window, const char* name, int row = 0) {
    QStringList texts;
    if (auto* list = window->findChild<QListWidget*>(name))
        for (int at = 0; at < list->count(); ++at)
            texts << list->item(at)->text();
    else if (auto* table = window->findChild<QTableWidget*>(name))
        for (int at = 0; at < table->columnCount(); ++at)
            texts << (table->item(row, at) ? table->item(row, at)->text() : QString());
    return texts.join('/');
}

QString N(std::optional<int> value) {
    return value ? QString::number(*value) : QStringLiteral("-");
}

int CellsHolding(CLevelEditorDlg& editor, TileType tile) {
    int count = 0;
    for (const auto& column : editor.Document().Grid())
        count += int(std::count(column.begin(), column.end(), tile));
    return count;
}

} // namespace

class MirrorAndAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    // Each mode in Ctrl+M's order: its axes or centre in magenta, a click on (3,4) that paints
    // the images that one Ctrl+Z takes back, a click on (7,3) that paints each cell once, a
    // player start placed at one cell. Off, every pixel is as before the first Ctrl+M.
    void eachModePaintsItsImagesAndDrawsItsAxes() {
        EditorHarness h;
        const QImage before = ShownGrid(h.Editor());
        h.PickTile(Qt::LeftButton, Brick);
        h.PickTile(Qt::RightButton, Player3);
        const QRgb magenta = qRgb(255, 0, 255);
        const struct {
            QString description;
            bool vertical, horizontal, centre;
            std::vector<Cell> images;
            int onMiddleColumn;
        } modes[] = {{"Mirror: left-right", true, false, false, {{11, 4}}, 1},
                     {"Mirror: top-bottom", false, true, false, {{3, 8}}, 2},
                     {"Mirror: both", true, true, false, {{11, 4}, {3, 8}, {11, 8}}, 2},
                     {"Mirror: half turn", false, false, true, {{11, 8}}, 2},
                     {"", false, false, false, {}, 1}};
        for (const auto& mode : modes) {
            h.Key(Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(View(h.Editor()).accessibleDescription(), mode.description);
            const QImage grid = ShownGrid(h.Editor());
            QCOMPARE(grid.pixel(150, 20) == magenta, mode.vertical);
            QCOMPARE(grid.pixel(20, 130) == magenta, mode.horizontal);
            QCOMPARE(grid.pixel(151, 131) == magenta, mode.centre);
            h.Click(Qt::LeftButton, CellCentre({3, 4}));
            for (const Cell image : mode.images)
                QVERIFY(CellShows(h.Editor(), image, Brick));
            QCOMPARE(CellsHolding(h.Editor(), Brick), int(mode.images.size()) + 1);
            h.Key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(CellsHolding(h.Editor(), Brick), 0);
            h.Click(Qt::LeftButton, CellCentre({7, 3}));
            QCOMPARE(CellsHolding(h.Editor(), Brick), mode.onMiddleColumn);
            h.Key(Qt::Key_Z, Qt::ControlModifier);
            h.Click(Qt::RightButton, CellCentre({2, 2}));
            QVERIFY(h.Editor().Document().TileAt({2, 2}) == Player3);
            QCOMPARE(CellsHolding(h.Editor(), Player3), 1);
        }
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        h.HoverOver(NoCell);
        QCOMPARE(ShownGrid(h.Editor()), before);
    }
    // Each sample level's rows, spread and shares, as level/ has them at the brick cost set.
    void showsTheAnalysisOfEverySampleLevel() {
        EditorHarness h;
        h.Key(Qt::Key_F2);
        auto* window = h.Editor().findChild<AnalysisWindow*>();
        auto* costBox = window->findChild<QSpinBox*>("brickCostBox");
        QCOMPARE(costBox->value(), 3);
        QTest::keyClick(costBox, Qt::Key_Down);
        for (const QString& name : QDir(ZM_EXAMPLES_DIR).entryList({"L*.txt"})) {
            QVERIFY(h.Editor().LoadLevelFromPath(ZM_EXAMPLES_DIR "/" + name.toStdString()));
            const LevelDocument& level = h.Editor().Document();
            const LevelAnalysis a = AnalyseLevel(level.Grid(), level.Starts(), 2);
            for (std::size_t at = 0; at < a.starts.size(); ++at) {
                const StartAnalysis& s = a.starts[at];
                QCOMPARE(Texts(window, "startsTable", int(at)),
                         QStringLiteral("%1/(%2,%3)/%4/%5/%6/%7/%8")
                             .arg(s.player + 1)
                             .arg(s.cell.column)
                             .arg(s.cell.row)
                             .arg(s.nearest ? N(s.nearest->player + 1) : "-",
                                  s.nearest ? N(s.nearest->cost) : "-", s.openPath ? "yes" : "no",
                                  N(s.room), N(s.territory)));
            }
            const AnalysisSpread& spread = a.spread;
            QCOMPARE(Texts(window, "startsTable", int(a.starts.size())),
                     QStringLiteral("Spread///%1//%2/%3")
                         .arg(N(spread.nearest), N(spread.room), N(spread.territory)));
            for (const Mirror m : Mirrors)
                QCOMPARE(Texts(window, "sharesTable", int(m)).section('/', 1),
                         QString::asprintf("%.1f%%", 100 * a.Share(m)));
        }
    }

    // Player 3 closed in: its findings; a click on one, or Enter, moves the hover and
    // the cell cursor to its cell;
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
        QVERIFY(window->isVisible() && window->windowTitle() == "Level Analysis");
        const QString closedIn = "Error at (1,1): Player 1 cannot reach any other player/"
                                 "Error at (7,6): Player 3 cannot reach any other player/"
                                 "Warning at (7,6): Player 3 cannot move without breaking a brick";
        QCOMPARE(Texts(window, "findingsList"), closedIn);
        auto* list = window->findChild<QListWidget*>("findingsList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(HasHoverFrame(h.Editor(), {7, 6}));
        h.HoverOver({2, 2});
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{7, 6}));
        QCOMPARE(View(h.Editor()).CursorCell(), (Cell{7, 6}));
        h.PickTile(Qt::LeftButton, Floor);
        h.Click(Qt::LeftButton, CellCentre({7, 5}));
        QCOMPARE(Texts(window, "findingsList"), QString());
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Texts(window, "findingsList"), closedIn);
        h.Key(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(window->findChild<QLabel*>("mirrorLabel")->text(), "Mirror: left-right");
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!window->isVisible() && h.Editor().isVisible());
        h.Key(Qt::Key_F2);
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(!window->isVisible() && h.Editor().isVisible());
    }
};

QTEST_MAIN(MirrorAndAnalysisTest)
#include "test_mirror_and_analysis.moc"
