// Painting with both buttons through real mouse events: on the press, along a drag, never on the
// border, player starts kept unique, the other button dropped while one drags, double clicks,
// and releases that happen outside the window or over a button.
#include "tests/editor/MouseTesting.h"
#include "tests/support/ScriptedAnswerer.h"

#include <QLabel>

using namespace mouse_testing;

namespace {

QPoint SlotCentre(int tile) {
    const PixelPoint corner = EditorGeometry::PaletteSlots[tile];
    return {corner.x + 10, corner.y + 10};
}

void PickLeft(EditorHarness& h, int tile) {
    h.PickTile(Qt::LeftButton, tile);
}

void PickRight(EditorHarness& h, int tile) {
    h.PickTile(Qt::RightButton, tile);
}

QString Status(EditorHarness& h) {
    return StatusLine(h.Editor());
}

TileType At(EditorHarness& h, Cell cell) {
    return h.Editor().Document().Grid()[cell.column][cell.row];
}

// Mouse events through the window, as the platform delivers them, so that Qt's mouse grab
// decides which widget receives them.
void WindowEvent(EditorHarness& h, QTest::MouseAction action, Qt::MouseButton button,
                 QPoint point) {
    QTest::mouseEvent(action, h.Editor().windowHandle(), button, {}, point);
}

} // namespace

class PaintingTest : public QObject {
    Q_OBJECT
private slots:
    void pressPaintsTheCellAtOnceWithItsHoverFrame() {
        EditorHarness h;
        PickLeft(h, Brick);
        QVERIFY(!h.Editor().Document().IsModified());
        h.Press(Qt::LeftButton, CellCentre({3, 4}));
        QCOMPARE(At(h, {3, 4}), Brick);
        QVERIFY(CellShows(h.Editor(), {3, 4}, Brick));
        QVERIFY(HasHoverFrame(h.Editor(), {3, 4}));
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{3, 4}));
        QVERIFY(h.Editor().Document().IsModified());
        QCOMPARE(Status(h), "Selected: (3,4)   Tile Type: Destructible Brick");
        h.Release(Qt::LeftButton, CellCentre({3, 4}));
        QVERIFY(!Drags(h.Editor()));
        QCOMPARE(At(h, {3, 4}), Brick);
    }

    void dragPaintsEveryReportedCellAndNoBorderCell() {
        EditorHarness h;
        PickLeft(h, Brick);
        h.Press(Qt::LeftButton, CellCentre({1, 1}));
        for (int column = 2; column <= 4; ++column)
            h.Move(CellCentre({column, 1}));
        h.Move(CellCentre({4, 0}));
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{4, 0}));
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        h.Move(CellCentre({0, 5}));
        h.Move(CellCentre({14, 12}));
        h.Release(Qt::LeftButton, CellCentre({14, 12}));
        for (int column = 1; column <= 4; ++column) {
            QCOMPARE(At(h, {column, 1}), Brick);
            QVERIFY(CellShows(h.Editor(), {column, 1}, Brick));
        }
        for (Cell border : {Cell{4, 0}, Cell{0, 5}, Cell{14, 12}}) {
            QCOMPARE(At(h, border), SolidBlock);
            QVERIFY(CellShows(h.Editor(), border, SolidBlock));
        }
        QCOMPARE(At(h, {2, 2}), Floor);
    }

    void everyMoveInsideOneCellPaintsAgain() {
        EditorHarness h;
        h.Press(Qt::LeftButton, CellCentre({6, 6}));
        MarkUnmodified(h.Editor());
        h.Move(CellCentre({6, 6}) + QPoint(3, 2));
        QVERIFY(h.Editor().Document().IsModified());
        h.Release(Qt::LeftButton, CellCentre({6, 6}));
    }

    void gridLinesBelongToTheCellRightOfAndBelowThem() {
        EditorHarness h;
        PickLeft(h, Brick);
        h.Click(Qt::LeftButton, {25, 25});
        QCOMPARE(At(h, {1, 1}), Brick);
        h.Click(Qt::LeftButton, {45, 24});
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{2, 0}));
        QCOMPARE(At(h, {2, 0}), SolidBlock);
        h.Click(Qt::LeftButton, {45, 25});
        QCOMPARE(At(h, {2, 1}), Brick);
    }

    void pressOnABorderCellHoversItOnly() {
        EditorHarness h;
        PickLeft(h, Brick);
        h.Press(Qt::LeftButton, CellCentre({0, 0}));
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{0, 0}));
        QCOMPARE(Status(h), "Selected: (0,0)   Tile Type: Solid Block");
        QCOMPARE(At(h, {0, 0}), SolidBlock);
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        QVERIFY(!h.Editor().Document().IsModified());
        QVERIFY(Drags(h.Editor()));
        h.Move(CellCentre({1, 1}));
        QCOMPARE(At(h, {1, 1}), Brick);
        h.Release(Qt::LeftButton, CellCentre({1, 1}));
    }

    void pointsOnOrOutsideTheOuterFrameHoverNothingButStillStartADrag() {
        EditorHarness h;
        PickLeft(h, Brick);
        h.Move(CellCentre({5, 5}));
        QVERIFY(HasHoverFrame(h.Editor(), {5, 5}));
        for (QPoint outside :
             {QPoint(5, 100), QPoint(305, 100), QPoint(100, 5), QPoint(100, 265), QPoint(2, 150)}) {
            h.Move(CellCentre({5, 5}));
            h.Press(Qt::LeftButton, outside);
            QCOMPARE(View(h.Editor()).HoverCell(), NoCell);
            QCOMPARE(Status(h), QString());
            QVERIFY(GridIsFreeOfRed(h.Editor()));
            QVERIFY(CellShows(h.Editor(), {5, 5}, Floor));
            QVERIFY(Drags(h.Editor()));
            h.Release(Qt::LeftButton, outside);
        }
        QVERIFY(!h.Editor().Document().IsModified());
        h.Press(Qt::LeftButton, {2, 150});
        h.Move(CellCentre({1, 7}));
        h.Release(Qt::LeftButton, CellCentre({1, 7}));
        QCOMPARE(At(h, {1, 7}), Brick);
    }

    void hoverFrameFollowsTheCursorWithoutAButton() {
        EditorHarness h;
        h.Move(CellCentre({3, 4}));
        QVERIFY(HasHoverFrame(h.Editor(), {3, 4}));
        h.Move(CellCentre({4, 4}));
        QVERIFY(HasHoverFrame(h.Editor(), {4, 4}));
        QCOMPARE(Status(h), "Selected: (4,4)   Tile Type: Floor");
        QVERIFY(CellShows(h.Editor(), {3, 4}, Floor));
        QVERIFY(!IsRed(Screen(h.Editor()).pixel(66, 86)));
        QVERIFY(!h.Editor().Document().IsModified());
        QCOMPARE(At(h, {4, 4}), Floor);
    }

    void rightButtonPaintsTheRightTile() {
        EditorHarness h;
        PickRight(h, Brick);
        QCOMPARE(RightTile(h.Editor()), int(Brick));
        QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
        h.Press(Qt::RightButton, CellCentre({2, 3}));
        h.Move(CellCentre({2, 4}));
        h.Move(CellCentre({2, 12}));
        h.Release(Qt::RightButton, CellCentre({2, 12}));
        QCOMPARE(At(h, {2, 3}), Brick);
        QCOMPARE(At(h, {2, 4}), Brick);
        QCOMPARE(At(h, {2, 12}), SolidBlock);
        QVERIFY(!Drags(h.Editor()));
        h.Move(CellCentre({2, 5}));
        QCOMPARE(At(h, {2, 5}), Floor);
    }

    void playersOneAndTwoArePlacedByThePressAlone() {
        for (int player : {Player1, Player2}) {
            EditorHarness h;
            PickLeft(h, player);
            PickRight(h, Brick);
            h.Press(Qt::LeftButton, CellCentre({3, 3}));
            QVERIFY(!Drags(h.Editor()));
            h.Move(CellCentre({4, 3}));
            QCOMPARE(At(h, {3, 3}), TileType(player));
            QCOMPARE(At(h, {4, 3}), Floor);
            // The right button works again while the left one is still held.
            h.Press(Qt::RightButton, CellCentre({6, 3}));
            QCOMPARE(At(h, {6, 3}), Brick);
            h.Release(Qt::RightButton, CellCentre({6, 3}));
            h.Release(Qt::LeftButton, CellCentre({6, 3}));
            QVERIFY(h.Editor().Document().Starts().placed[player - Player1]);
            QCOMPARE(h.Editor().Document().Starts().position[player - Player1], (Cell{3, 3}));
        }
    }

    void playerPickedUpWithCtrlEndsTheDragToo() {
        EditorHarness h;
        PickRight(h, Player2);
        h.Click(Qt::RightButton, CellCentre({5, 5}));
        PickRight(h, Brick);
        h.Press(Qt::RightButton, CellCentre({5, 5}), Qt::ControlModifier);
        QCOMPARE(RightTile(h.Editor()), int(Player2));
        QVERIFY(!Drags(h.Editor()));
        h.Move(CellCentre({6, 5}));
        QCOMPARE(At(h, {6, 5}), Floor);
        h.Release(Qt::RightButton, CellCentre({6, 5}));
    }

    void dragMovesThePlayersThreeToFiveAlongThePath() {
        for (int player : {Player3, Player4, Player5}) {
            EditorHarness h;
            PickLeft(h, player);
            h.Press(Qt::LeftButton, CellCentre({2, 2}));
            QVERIFY(Drags(h.Editor()));
            h.Move(CellCentre({3, 2}));
            h.Move(CellCentre({4, 2}));
            h.Release(Qt::LeftButton, CellCentre({4, 2}));
            QCOMPARE(At(h, {2, 2}), Floor);
            QCOMPARE(At(h, {3, 2}), Floor);
            QVERIFY(CellShows(h.Editor(), {2, 2}, Floor));
            QVERIFY(CellShows(h.Editor(), {3, 2}, Floor));
            QCOMPARE(At(h, {4, 2}), TileType(player));
            QVERIFY(h.Editor().Document().Starts().placed[player - Player1]);
            QCOMPARE(h.Editor().Document().Starts().position[player - Player1], (Cell{4, 2}));
        }
    }

    void paintingOverAStartReleasesThatPlayer() {
        EditorHarness h;
        PickLeft(h, Player4);
        PickRight(h, Player1);
        h.Click(Qt::LeftButton, CellCentre({9, 9}));
        h.Click(Qt::RightButton, CellCentre({2, 2}));
        h.Click(Qt::RightButton, CellCentre({9, 9}));
        QCOMPARE(At(h, {2, 2}), Floor);
        QVERIFY(CellShows(h.Editor(), {2, 2}, Floor));
        QCOMPARE(At(h, {9, 9}), Player1);
        QVERIFY(!h.Editor().Document().Starts().placed[3]);
        QVERIFY(h.Editor().Document().Starts().placed[0]);
    }

    void theOtherButtonIsDroppedEverywhereDuringADrag_data() {
        QTest::addColumn<Qt::MouseButton>("dragging");
        QTest::newRow("left drag") << Qt::LeftButton;
        QTest::newRow("right drag") << Qt::RightButton;
    }

    void theOtherButtonIsDroppedEverywhereDuringADrag() {
        QFETCH(Qt::MouseButton, dragging);
        const Qt::MouseButton other = dragging == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
        EditorHarness h;
        ModalClicker about;
        const auto tile = [&](Qt::MouseButton b) {
            return b == Qt::LeftButton ? LeftTile(h.Editor()) : RightTile(h.Editor());
        };
        const int otherTile = tile(other);
        h.PickTile(dragging, Brick);
        h.Press(dragging, CellCentre({1, 1}));
        for (QPoint point : {SlotCentre(Player3), QPoint(360, 160), QPoint(420, 200),
                             CellCentre({5, 5}), QPoint(370, 260)}) {
            h.Press(other, point);
            h.Release(other, point);
        }
        QCOMPARE(about.Opened, 0);
        QCOMPARE(tile(other), otherTile);
        QCOMPARE(tile(dragging), int(Brick));
        QCOMPARE(At(h, {5, 5}), Floor);
        // The drag goes on: the drop left the hover and the drag alone.
        QVERIFY(Drags(h.Editor()));
        QCOMPARE(View(h.Editor()).HoverCell(), (Cell{1, 1}));
        h.Move(CellCentre({1, 2}));
        QCOMPARE(At(h, {1, 2}), Brick);
        h.Release(dragging, CellCentre({1, 2}));
        h.PickTile(other, Player3);
        QCOMPARE(tile(other), int(Player3));
    }

    void secondPressOfADoubleClickIsNoButtonDown() {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            EditorHarness h;
            const int before = Picker(h.Editor()).Tile(button);
            QTest::mouseDClick(&h.Editor(), button, {}, SlotCentre(Brick));
            QCOMPARE(Picker(h.Editor()).Tile(button), before);
            h.Release(button, SlotCentre(Brick));
            h.Click(button, SlotCentre(Brick));
            QTest::mouseDClick(&h.Editor(), button, {}, CellCentre({5, 5}));
            QVERIFY(!Drags(h.Editor()));
            h.Move(CellCentre({6, 5}));
            QCOMPARE(At(h, {5, 5}), Floor);
            QCOMPARE(At(h, {6, 5}), Floor);
            QVERIFY(!h.Editor().Document().IsModified());
            h.Release(button, CellCentre({6, 5}));
            QVERIFY(!Drags(h.Editor()));
        }
    }

    void aDoubleClickPaintsOnceOnItsFirstPress() {
        EditorHarness h;
        PickLeft(h, Brick);
        h.Click(Qt::LeftButton, CellCentre({7, 7}));
        QTest::mouseDClick(&h.Editor(), Qt::LeftButton, {}, CellCentre({7, 7}));
        h.Release(Qt::LeftButton, CellCentre({7, 7}));
        QVERIFY(!Drags(h.Editor()));
        h.Move(CellCentre({8, 7}));
        QCOMPARE(At(h, {7, 7}), Brick);
        QCOMPARE(At(h, {8, 7}), Floor);
    }

    // Qt's buttons ignore the right button and keep the press, so it starts no drag.
    void aRightPressOnAControlPaintsNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("push button") << "newButton";
        QTest::newRow("check box") << "showGridBox";
    }

    void aRightPressOnAControlPaintsNothing() {
        QFETCH(QString, control);
        EditorHarness h;
        PickRight(h, Brick);
        const QPoint on = h.Editor().findChild<QWidget*>(control)->geometry().center();
        WindowEvent(h, QTest::MousePress, Qt::RightButton, on);
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, CellCentre({3, 3}));
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, CellCentre({4, 3}));
        WindowEvent(h, QTest::MouseRelease, Qt::RightButton, CellCentre({4, 3}));
        QCOMPARE(At(h, {3, 3}), Floor);
        QCOMPARE(At(h, {4, 3}), Floor);
        QVERIFY(!h.Editor().Document().IsModified());
    }

    // No move over a control reaches the window; one over its empty background does.
    void theHoverStaysWhileThePointerIsOverAControl() {
        EditorHarness h;
        for (const char* control : {"newButton", "showGridBox"}) {
            WindowEvent(h, QTest::MouseMove, Qt::NoButton, CellCentre({3, 4}));
            const auto* widget = h.Editor().findChild<QWidget*>(QString::fromLatin1(control));
            WindowEvent(h, QTest::MouseMove, Qt::NoButton, widget->geometry().center());
            QVERIFY(HasHoverFrame(h.Editor(), {3, 4}));
            QCOMPARE(Status(h), "Selected: (3,4)   Tile Type: Floor");
        }
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, {2, 150});
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        QCOMPARE(Status(h), QString());
    }

    void releaseOutsideTheWindowEndsTheDrag() {
        EditorHarness h;
        PickLeft(h, Brick);
        WindowEvent(h, QTest::MousePress, Qt::LeftButton, CellCentre({2, 2}));
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, {-20, 150});
        WindowEvent(h, QTest::MouseRelease, Qt::LeftButton, {-20, 150});
        QVERIFY(!Drags(h.Editor()));
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, CellCentre({3, 2}));
        QCOMPARE(At(h, {2, 2}), Brick);
        QCOMPARE(At(h, {3, 2}), Floor);
    }

    void releaseOverAButtonEndsTheDragAndClicksNothing() {
        EditorHarness h;
        ScriptedAnswerer answers;
        PickRight(h, Brick);
        const QPoint load =
            h.Editor().findChild<QWidget*>(QStringLiteral("loadButton"))->geometry().center();
        WindowEvent(h, QTest::MousePress, Qt::RightButton, CellCentre({2, 2}));
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, load);
        WindowEvent(h, QTest::MouseRelease, Qt::RightButton, load);
        QVERIFY(!Drags(h.Editor()));
        QVERIFY(answers.FileDialogs.empty());
        WindowEvent(h, QTest::MouseMove, Qt::NoButton, CellCentre({3, 2}));
        QCOMPARE(At(h, {3, 2}), Floor);
    }
};

QTEST_MAIN(PaintingTest)
#include "test_painting.moc"
