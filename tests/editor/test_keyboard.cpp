// Editing from the focused grid with keys alone: the tab stop, the cell cursor's frame, strokes
// of Space with the arrows, the eyedropper, the digits by physical key, undo and closing.
#include "tests/editor/MouseTesting.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QApplication>

using namespace mouse_testing;

namespace {

// A key on the grid, as the platform sends it: with its scan code, or auto-repeated.
void SendKey(QEvent::Type type, int key, Qt::KeyboardModifiers mods, quint32 scan = 0,
             bool repeat = false) {
    QKeyEvent event(type, key, mods, scan, 0, 0, QString(), repeat);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

// Runs a script of words: "<" ">" "^" "v" arrows, "sp" Space, "sp+"/"sp-" its press and
// release, "sp*" an auto-repeated press and release, a "S" or "C" prefix for Shift or Ctrl, a
// digit or "!" (Shift+1 with no scan code), "s10" (Shift with the key of scan code 10, which a
// layout may give any symbol).
void RunKeys(EditorHarness& h, const QString& script) {
    for (QString word : script.split(' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers mods;
        for (; word.size() > 1 && (word[0] == 'S' || word[0] == 'C'); word.remove(0, 1))
            mods |= word[0] == 'S' ? Qt::ShiftModifier : Qt::ControlModifier;
        const QString arrows = "<^>v"; // in the order of Qt's key codes
        if (word == "s10")
            SendKey(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 10);
        else if (word == "sp+" || word == "sp*")
            SendKey(QEvent::KeyPress, Qt::Key_Space, mods, 0, word == "sp*");
        if (word == "sp-" || word == "sp*")
            SendKey(QEvent::KeyRelease, Qt::Key_Space, mods, 0, word == "sp*");
        if (word == "sp")
            h.Key(Qt::Key_Space, mods);
        else if (word == "!")
            h.Key(Qt::Key_Exclam, Qt::ShiftModifier);
        else if (word.size() == 1 && arrows.contains(word))
            h.Key(Qt::Key(Qt::Key_Left + arrows.indexOf(word)), mods);
        else if (word.size() == 1 && word[0].isDigit())
            h.Key(Qt::Key(Qt::Key_0 + word.toInt()), mods);
    }
}

bool IsCursorRing(QRgb pixel) {
    return pixel == Black || pixel == White;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void gridIsTheTabStopBetweenClearFloorAndShowGrid() {
        EditorHarness h;
        const QImage unfocused = ShownGrid(h.Editor());
        h.Editor().findChild<QWidget*>("clearFloorButton")->setFocus();
        h.Key(Qt::Key_Tab);
        QTRY_VERIFY(View(h.Editor()).hasFocus());
        QCOMPARE(StatusLine(h.Editor()), "Selected: (1,1)   Tile Type: Floor");
        const QImage screen = Screen(h.Editor());
        int ring = 0;
        for (int i = 0; i < 17; ++i) // the cursor's outer ring, inside the hover frame's place
            ring += IsCursorRing(screen.pixel(27 + i, 27)) + IsCursorRing(screen.pixel(27, 27 + i));
        QCOMPARE(ring, 34);
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        RunKeys(h, "> v");
        h.Key(Qt::Key_Tab);
        QTRY_VERIFY(ShowGridBox(h.Editor())->hasFocus());
        QCOMPARE(ShownGrid(h.Editor()), unfocused);
        h.Key(Qt::Key_Backtab);
        QTRY_COMPARE(View(h.Editor()).CursorCell(), (Cell{2, 2}));
        RunKeys(h, "2 sp");
        QCOMPARE(StatusLine(h.Editor()), "Selected: (2,2)   Tile Type: Destructible Brick");
        ScriptedAnswerer answerer;
        answerer.AnswerBox(QMessageBox::No);
        h.Key(Qt::Key_N, Qt::AltModifier); // New, with the grid keeping the focus
        QTRY_COMPARE(StatusLine(h.Editor()), "Selected: (2,2)   Tile Type: Floor");
    }

    void keysEditAsTheMouseDoes_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("level"); // the cells of row 1, then of row 2, from column 1
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("oneStep"); // one Ctrl+Z gives the default level back
        const int solid = SolidBlock, floor = Floor;
        QTest::newRow("each Space is a step; Shift+Space paints the right tile")
            << "2 sp > sp Ssp"
            << "- " << int(Brick) << floor << false;
        QTest::newRow("held Space with arrows is one stroke, repeats and all")
            << "2 sp+ sp* > sp* v < sp-"
            << "-- --" << int(Brick) << floor << true;
        QTest::newRow("released Space paints no more") << "2 sp > v"
                                                       << "-" << int(Brick) << floor << true;
        QTest::newRow("the cursor stops at the edges; the border is never painted")
            << "2 < < < sp+ ^ ^ > sp-"
            << "" << int(Brick) << floor << true;
        QTest::newRow("a player start stays unique") << "6 sp > sp v sp"
                                                     << "    3" << int(Player3) << floor << false;
        QTest::newRow("Player One is placed by the press alone")
            << "4 sp+ > > sp-"
            << "1" << int(Player1) << floor << true;
        QTest::newRow("Ctrl+Space and Ctrl+Shift+Space pick up the cursor's tile")
            << "2 sp > Csp < CSsp"
            << "-" << floor << int(Brick) << true;
        QTest::newRow("digits choose tiles; Shift+1 without a scan code")
            << "! 8"
            << "" << int(Player5) << solid << true;
        QTest::newRow("Shift with the physical key 1, whatever its symbol")
            << "S5 s10"
            << "" << solid << solid << true;
    }

    void keysEditAsTheMouseDoes() {
        QFETCH(QString, keys);
        QFETCH(QString, level);
        EditorHarness h;
        CLevelEditorDlg& editor = h.Editor();
        const LevelGrid before = editor.Document().Grid();
        View(editor).setFocus();
        QTRY_VERIFY(View(editor).hasFocus());
        RunKeys(h, keys);
        for (int column = 1; column < GridColumns - 1; ++column)
            for (int row = 1; row < GridRows - 1; ++row) {
                const int at = (row - 1) * 3 + column - 1;
                const char shown = row < 3 && column <= 3 && at < level.size()
                                       ? level[at].toLatin1()
                                       : TileTable[Floor].fileCharacter;
                QCOMPARE(TileTable[editor.Document().Grid()[column][row]].fileCharacter, shown);
            }
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(bool, oneStep);
        QCOMPARE(LeftTile(editor), left);
        QCOMPARE(RightTile(editor), right);
        QCOMPARE(editor.Document().IsModified(), !level.trimmed().isEmpty());
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.Document().Grid() == before, oneStep);
    }

    void enterAndEscapeStillCloseFromTheGrid() {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            EditorHarness h;
            View(h.Editor()).setFocus();
            h.Key(key);
            QTRY_VERIFY(!h.Editor().isVisible());
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
