// Editing from the focused grid with keys alone: the tab stop and the cursor's frame, strokes of
// Space with the arrows, the eyedropper, the digits by physical key, undo, New and Escape.
#include "tests/editor/MouseTesting.h"
#include "tests/support/ScriptedAnswerer.h"

using namespace mouse_testing;

namespace {

// Sends the keys of a script of words to the focused widget: "<" "^" ">" "v" the arrows, "sp"
// Space, "sp+" and "sp-" its press and release, "sp*" an auto-repeated press and release, a
// digit, each after "S" or "C" for Shift or Ctrl; "!" Shift+1 as an event without a scan code
// gives it, "s10" Shift with the key of scan code 10 given as another symbol.
void RunKeys(const QString& script) {
    for (QString word : script.split(' ')) {
        Qt::KeyboardModifiers mods;
        for (; word.size() > 1 && (word[0] == 'S' || word[0] == 'C'); word.remove(0, 1))
            mods |= word[0] == 'S' ? Qt::ShiftModifier : Qt::ControlModifier;
        const int arrow = QStringLiteral("<^>v").indexOf(word); // in the order of Qt's key codes
        const bool scan = word == "s10", shifted = scan || word == "!";
        const int key = scan                    ? Qt::Key_Percent
                        : word == "!"           ? Qt::Key_Exclam
                        : word.startsWith("sp") ? Qt::Key_Space
                        : arrow >= 0            ? Qt::Key_Left + arrow
                                                : Qt::Key_0 + word.toInt();
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            if (word == (type == QEvent::KeyPress ? "sp-" : "sp+"))
                continue;
            QKeyEvent event(type, key, shifted ? Qt::ShiftModifier : mods, scan ? 10 : 0, 0, 0,
                            QString(), word == "sp*");
            QApplication::sendEvent(QApplication::focusWidget(), &event);
        }
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void cursorShowsOnlyWhileTheGridHasTheFocus() {
        EditorHarness h;
        const QImage unfocused = ShownGrid(h.Editor());
        h.Editor().findChild<QWidget*>("clearFloorButton")->setFocus();
        h.Key(Qt::Key_Tab);
        QTRY_COMPARE(StatusLine(h.Editor()), "Selected: (1,1)   Tile Type: Floor");
        QString dashes; // the cursor's outer ring, inside the hover frame's place
        for (int x = 27; x < 44; ++x)
            dashes += Screen(h.Editor()).pixel(x, 27) == Black ? 'b' : 'w';
        QCOMPARE(dashes, "bbbwwwbbbwwwbbbww");
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        RunKeys("> v");
        h.Key(Qt::Key_Tab);
        QCOMPARE(ShownGrid(h.Editor()), unfocused);
        h.Key(Qt::Key_Backtab);
        QTRY_COMPARE(StatusLine(h.Editor()), "Selected: (2,2)   Tile Type: Floor");
        RunKeys("2 sp");
        ScriptedAnswerer answerer;
        answerer.AnswerBox(QMessageBox::No);
        h.Key(Qt::Key_N, Qt::AltModifier); // New, with the grid keeping the focus
        QTRY_COMPARE(StatusLine(h.Editor()), "Selected: (2,2)   Tile Type: Floor");
        h.Key(Qt::Key_Escape); // closes from the grid too
        QTRY_VERIFY(!h.Editor().isVisible());
    }

    void keysEditAsTheMouseDoes_data() {
        // The keys, "|", and the tiles of (1,1) (2,1) (3,1) (1,2) (2,2), the rest floor.
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("oneStep"); // one Ctrl+Z gives the level back as it was
        QTest::newRow("a step a Space") << QString("2 sp > sp Ssp|- ") << +Brick << +Floor << false;
        QTest::newRow("held Space: one stroke")
            << QString("2 sp+ sp* > sp* v < sp-|-- --") << +Brick << +Floor << true;
        QTest::newRow("released Space") << QString("2 sp > v|-") << +Brick << +Floor << true;
        QTest::newRow("edges, border")
            << QString("2 < < sp+ ^ ^ > sp-|") << +Brick << +Floor << true;
        QTest::newRow("unique start")
            << QString("6 sp > sp v sp|    3") << +Player3 << +Floor << false;
        QTest::newRow("Player One: press alone")
            << QString("4 sp+ > sp-|1") << +Player1 << +Floor << true;
        QTest::newRow("eyedropper") << QString("2 sp > Csp < CSsp|-") << +Floor << +Brick << true;
        QTest::newRow("digits") << QString("! 8|") << +Player5 << +SolidBlock << true;
        QTest::newRow("physical key") << QString("S5 s10|") << +SolidBlock << +SolidBlock << true;
    }

    void keysEditAsTheMouseDoes() {
        QFETCH(QString, script);
        QFETCH(bool, oneStep);
        const QString cells = script.section('|', 1);
        EditorHarness h;
        CLevelEditorDlg& editor = h.Editor();
        const LevelGrid before = editor.Document().Grid();
        View(editor).setFocus();
        RunKeys(script.section('|', 0, 0));
        LevelGrid expected = before;
        for (int at = 0; at < cells.size(); ++at)
            expected[1 + at % 3][1 + at / 3] =
                TileType(std::string("*- 12345").find(cells[at].toLatin1()));
        QCOMPARE(LevelText(editor.Document().Grid()), LevelText(expected));
        QTEST(LeftTile(editor), "left");
        QTEST(RightTile(editor), "right");
        QCOMPARE(editor.Document().IsModified(), !cells.trimmed().isEmpty());
        h.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.Document().Grid() == before, oneStep);
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
