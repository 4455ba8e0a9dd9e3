// Picking tiles through real mouse events: the palette boxes on all their edges, the two
// swatches, the Ctrl eyedropper, and the credits link that opens the About box instead.
#include "tests/editor/MouseTesting.h"

#include "res/DialogTemplates.h"

using namespace mouse_testing;

namespace {

int TileOf(EditorHarness& h, Qt::MouseButton button) {
    return button == Qt::LeftButton ? h.Editor().GetLeftTile() : h.Editor().GetRightTile();
}

bool SwatchOfShows(EditorHarness& h, Qt::MouseButton button, int tile) {
    return button == Qt::LeftButton ? FrontSwatchShows(h.Editor(), tile)
                                    : BackSwatchShows(h.Editor(), tile);
}

// A press and release with `button`, checked to leave no drag behind.
void Click(EditorHarness& h, Qt::MouseButton button, QPoint point,
           Qt::KeyboardModifiers modifiers = {}) {
    h.Click(button, point, modifiers);
    QVERIFY(!h.Editor().GetLeftDrag() && !h.Editor().GetRightDrag());
}

QRect CreditsRect(EditorHarness& h) {
    return h.Editor().GetDlgItem(IdCredits)->geometry();
}

} // namespace

class PickingTest : public QObject {
    Q_OBJECT
private slots:
    void paletteBoxesPickOnAllFourEdgesInclusive() {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            EditorHarness h;
            for (int slot = 0; slot < TileCount; ++slot) {
                const PixelPoint c = EditorGeometry::PaletteSlots[slot];
                for (QPoint edge : {QPoint(c.x, c.y), QPoint(c.x + 20, c.y), QPoint(c.x, c.y + 20),
                                    QPoint(c.x + 20, c.y + 20)}) {
                    Click(h, button, SlotOther(slot));
                    Click(h, button, edge);
                    QVERIFY2(TileOf(h, button) == slot, qPrintable(QString::number(slot)));
                    QVERIFY(SwatchOfShows(h, button, slot));
                }
            }
            QVERIFY(!h.Editor().Document().IsModified());
        }
    }

    void pixelsJustOutsideAPaletteBoxPickNothing() {
        EditorHarness h;
        for (int slot = 0; slot < TileCount; ++slot) {
            const PixelPoint c = EditorGeometry::PaletteSlots[slot];
            for (QPoint outside : {QPoint(c.x - 1, c.y), QPoint(c.x + 21, c.y),
                                   QPoint(c.x, c.y - 1), QPoint(c.x + 20, c.y + 21)}) {
                const bool nextSlotThere =
                    EditorGeometry::PaletteSlotAt(outside.x(), outside.y()).has_value();
                if (nextSlotThere)
                    continue;
                Click(h, Qt::LeftButton, outside);
                Click(h, Qt::RightButton, outside);
                QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
                QCOMPARE(h.Editor().GetRightTile(), int(Floor));
            }
        }
    }

    void pickingTheTileAlreadyHeldDrawsNothing() {
        EditorHarness h;
        const QPoint inFront(350, 150), inBack(420, 220);
        Scribble(h.Editor(), inFront);
        Scribble(h.Editor(), inBack);
        Click(h, Qt::LeftButton, {400, 24});  // Solid Block, held already
        Click(h, Qt::RightButton, {454, 24}); // Floor, held already
        QVERIFY(Scribbled(h.Editor(), inFront));
        QVERIFY(Scribbled(h.Editor(), inBack));
        Click(h, Qt::LeftButton, {427, 24});
        QVERIFY(!Scribbled(h.Editor(), inFront));
        QVERIFY(FrontSwatchShows(h.Editor(), Brick));
    }

    // A left press takes the right tile where the back swatch shows; a right press takes the
    // left tile anywhere on the front swatch's image.
    void aPressOnTheOtherSwatchTakesItsTile_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("takes");
        const auto add = [](Qt::MouseButton button, QPoint point, bool takes) {
            QTest::addRow("%s at (%d,%d)", button == Qt::LeftButton ? "left" : "right", point.x(),
                          point.y())
                << button << point << takes;
        };
        for (QPoint point : {QPoint(406, 150), QPoint(350, 220), QPoint(429, 230)})
            add(Qt::LeftButton, point, true);
        for (QPoint point : {QPoint(405, 206), QPoint(380, 180), QPoint(430, 200), QPoint(420, 231),
                             QPoint(340, 220)})
            add(Qt::LeftButton, point, false);
        for (QPoint point : {QPoint(404, 205), QPoint(316, 117)})
            add(Qt::RightButton, point, true);
        for (QPoint point :
             {QPoint(405, 150), QPoint(315, 150), QPoint(406, 150), QPoint(350, 220)})
            add(Qt::RightButton, point, false);
    }

    void aPressOnTheOtherSwatchTakesItsTile() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, point);
        QFETCH(bool, takes);
        EditorHarness h;
        const int own = TileOf(h, button);
        const int other =
            button == Qt::LeftButton ? h.Editor().GetRightTile() : h.Editor().GetLeftTile();
        Click(h, button, point);
        QCOMPARE(TileOf(h, button), takes ? other : own);
        if (takes)
            QVERIFY(SwatchOfShows(h, button, other));
    }

    void swatchPressesWithEqualTilesDrawNothing() {
        EditorHarness h;
        Click(h, Qt::LeftButton, {454, 24}); // both tiles Floor now
        const QPoint inFront(350, 150), inBack(420, 220);
        Scribble(h.Editor(), inFront);
        Scribble(h.Editor(), inBack);
        Click(h, Qt::LeftButton, {406, 150});
        Click(h, Qt::RightButton, {404, 205});
        QVERIFY(Scribbled(h.Editor(), inFront));
        QVERIFY(Scribbled(h.Editor(), inBack));
    }

    void ctrlPressOnABorderCellPicksItsTileAndPaintsNothing() {
        EditorHarness h;
        Click(h, Qt::LeftButton, {427, 24}); // Brick
        h.Press(Qt::LeftButton, CellCentre({0, 0}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
        QVERIFY(FrontSwatchShows(h.Editor(), SolidBlock));
        QCOMPARE(h.Editor().Document().Grid()[0][0], SolidBlock);
        QVERIFY(!h.Editor().Document().IsModified());
        QVERIFY(GridIsFreeOfRed(h.Editor()));
        h.Release(Qt::LeftButton, CellCentre({0, 0}), Qt::ControlModifier);
    }

    void ctrlDragPicksUpEachCellAndPaintsOnceCtrlIsLetGo() {
        EditorHarness h;
        Click(h, Qt::LeftButton, {427, 24}); // Brick
        Click(h, Qt::LeftButton, CellCentre({4, 4}));
        Click(h, Qt::LeftButton, {400, 24}); // Solid Block
        MarkUnmodified(h.Editor());
        h.Press(Qt::LeftButton, CellCentre({3, 4}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetLeftTile(), int(Floor));
        h.Move(CellCentre({4, 4}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetLeftTile(), int(Brick));
        QVERIFY(HasHoverFrame(h.Editor(), {4, 4}));
        h.Move(CellCentre({5, 4}), Qt::ControlModifier);
        h.Move(CellCentre({4, 4}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetLeftTile(), int(Brick));
        QVERIFY(!h.Editor().Document().IsModified());
        QCOMPARE(h.Editor().Document().Grid()[3][4], Floor);
        QCOMPARE(h.Editor().Document().Grid()[5][4], Floor);
        h.Move(CellCentre({5, 4}));
        QCOMPARE(h.Editor().Document().Grid()[5][4], Brick);
        QVERIFY(h.Editor().Document().IsModified());
        h.Release(Qt::LeftButton, CellCentre({5, 4}));
    }

    void ctrlRightDragPicksTheRightTile() {
        EditorHarness h;
        h.Press(Qt::RightButton, CellCentre({7, 0}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetRightTile(), int(SolidBlock));
        QVERIFY(BackSwatchShows(h.Editor(), SolidBlock));
        QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
        h.Move(CellCentre({7, 1}), Qt::ControlModifier);
        QCOMPARE(h.Editor().GetRightTile(), int(Floor));
        h.Release(Qt::RightButton, CellCentre({7, 1}));
    }

    void ctrlRedrawsTheSwatchesEvenWhenTheTileStays() {
        EditorHarness h;
        const QPoint inFront(350, 150);
        h.Press(Qt::LeftButton, CellCentre({0, 3}), Qt::ControlModifier);
        Scribble(h.Editor(), inFront);
        h.Move(CellCentre({0, 4}), Qt::ControlModifier);
        QVERIFY(!Scribbled(h.Editor(), inFront));
        h.Release(Qt::LeftButton, CellCentre({0, 4}));
        Scribble(h.Editor(), inFront);
        h.Move(CellCentre({3, 4}), Qt::ControlModifier);
        QVERIFY(Scribbled(h.Editor(), inFront)); // no drag: Ctrl changes nothing
        QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
    }

    void creditsOpenTheAboutBoxOnAllFourEdges() {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            EditorHarness h;
            ModalClicker about;
            const QRect r = CreditsRect(h);
            const int right = r.x() + r.width(), bottom = r.y() + r.height();
            const QPoint hits[] = {{r.x(), r.y() + 5},  {right, r.y() + 5}, {r.x() + 5, r.y()},
                                   {r.x() + 5, bottom}, {right, bottom},    r.center()};
            for (QPoint hit : hits) {
                const int before = about.Opened;
                h.Press(button, hit);
                QCOMPARE(about.Opened, before + 1);
                QVERIFY(!h.Editor().GetLeftDrag() && !h.Editor().GetRightDrag());
                h.Release(button, hit);
            }
            QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
            QCOMPARE(h.Editor().GetRightTile(), int(Floor));
            QVERIFY(!h.Editor().Document().IsModified());
        }
    }

    void pixelsBeyondTheCreditsEdgesOpenNothing() {
        EditorHarness h;
        ModalClicker about;
        const QRect r = CreditsRect(h);
        const int right = r.x() + r.width(), bottom = r.y() + r.height();
        for (QPoint miss : {QPoint(r.x() - 1, r.y() + 5), QPoint(right + 1, r.y() + 5),
                            QPoint(r.x() + 5, r.y() - 1), QPoint(r.x() + 5, bottom + 1)}) {
            h.Press(Qt::LeftButton, miss);
            QVERIFY(h.Editor().GetLeftDrag());
            h.Release(Qt::LeftButton, miss);
        }
        QCOMPARE(about.Opened, 0);
    }

private:
    // A palette point whose tile differs from `slot`'s, so that the next pick changes the tile.
    static QPoint SlotOther(int slot) {
        const PixelPoint c = EditorGeometry::PaletteSlots[(slot + 1) % TileCount];
        return {c.x + 10, c.y + 10};
    }
};

QTEST_MAIN(PickingTest)
#include "test_picking.moc"
