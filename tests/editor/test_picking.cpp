// Picking tiles through real mouse events: the palette boxes on all their edges, the two
// swatches, the Ctrl eyedropper, and the credits link that opens the About box instead.
#include "tests/editor/MouseTesting.h"

using namespace mouse_testing;

namespace {

int TileOf(EditorHarness& h, Qt::MouseButton button) {
    return button == Qt::LeftButton ? LeftTile(h.Editor()) : RightTile(h.Editor());
}

bool SwatchOfShows(EditorHarness& h, Qt::MouseButton button, int tile) {
    return button == Qt::LeftButton ? FrontSwatchShows(h.Editor(), tile)
                                    : BackSwatchShows(h.Editor(), tile);
}

// A press and release with `button`, checked to leave no drag behind.
void Click(EditorHarness& h, Qt::MouseButton button, QPoint point,
           Qt::KeyboardModifiers modifiers = {}) {
    h.Click(button, point, modifiers);
    QVERIFY(!Drags(h.Editor()));
}

QRect CreditsRect(EditorHarness& h) {
    return h.Editor().findChild<QWidget*>(QStringLiteral("credits"))->geometry();
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
                QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
                QCOMPARE(RightTile(h.Editor()), int(Floor));
            }
        }
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
        const int other = button == Qt::LeftButton ? RightTile(h.Editor()) : LeftTile(h.Editor());
        Click(h, button, point);
        QCOMPARE(TileOf(h, button), takes ? other : own);
        if (takes)
            QVERIFY(SwatchOfShows(h, button, other));
    }

    void ctrlPressOnABorderCellPicksItsTileAndPaintsNothing() {
        EditorHarness h;
        Click(h, Qt::LeftButton, {427, 24}); // Brick
        h.Press(Qt::LeftButton, CellCentre({0, 0}), Qt::ControlModifier);
        QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
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
        QCOMPARE(LeftTile(h.Editor()), int(Floor));
        h.Move(CellCentre({4, 4}), Qt::ControlModifier);
        QCOMPARE(LeftTile(h.Editor()), int(Brick));
        QVERIFY(HasHoverFrame(h.Editor(), {4, 4}));
        h.Move(CellCentre({5, 4}), Qt::ControlModifier);
        h.Move(CellCentre({4, 4}), Qt::ControlModifier);
        QCOMPARE(LeftTile(h.Editor()), int(Brick));
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
        QCOMPARE(RightTile(h.Editor()), int(SolidBlock));
        QVERIFY(BackSwatchShows(h.Editor(), SolidBlock));
        QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
        h.Move(CellCentre({7, 1}), Qt::ControlModifier);
        QCOMPARE(RightTile(h.Editor()), int(Floor));
        h.Release(Qt::RightButton, CellCentre({7, 1}));
    }

    void ctrlWithoutADragPicksNothing() {
        EditorHarness h;
        h.Move(CellCentre({3, 4}), Qt::ControlModifier);
        QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
        QCOMPARE(RightTile(h.Editor()), int(Floor));
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
                QVERIFY(!Drags(h.Editor()));
                h.Release(button, hit);
            }
            QCOMPARE(LeftTile(h.Editor()), int(SolidBlock));
            QCOMPARE(RightTile(h.Editor()), int(Floor));
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
            QVERIFY(Drags(h.Editor()));
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
