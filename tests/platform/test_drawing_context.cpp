// The drawing context's conventions, checked on the pixels of a real painted dialog: right and
// bottom edges excluded, line end points left undrawn, a fresh black pen and white brush,
// clipping at the surface's edges, and bitmaps scaled exactly as an unsmoothed QPainter
// scales them.
#include "tests/support/EditorHarness.h"

#include <QPainter>
#include <QTest>

namespace {

// Clears a square of the surface to the mark colour, so that every pixel drawn shows.
void ClearToMark(CLevelEditorDlg& editor, const QRect& area) {
    QPainter(&const_cast<QImage&>(editor.Surface())).fillRect(area, QColor(Mark));
}

// The pixels of `area` that are no longer the mark colour.
QRect DrawnBounds(const QImage& surface, const QRect& area) {
    QRect drawn;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (surface.pixel(x, y) != Mark)
                drawn |= QRect(x, y, 1, 1);
    return drawn;
}

// A 20 x 20 picture in which every pixel differs from its neighbours.
QImage Pattern() {
    QImage image(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(x * 12, y * 12, (x * 7 + y * 5) % 256));
    return image;
}

} // namespace

class DrawingContextTest : public QObject {
    Q_OBJECT

private slots:
    void rectanglesLeaveOutTheirRightAndBottomEdges() {
        auto&& [harness, editor] = OpenEditor();
        const QImage& surface = editor.Surface();
        const QRect area(0, 0, 60, 60);

        ClearToMark(editor, area);
        CDC(editor).FillRect(QRect(10, 10, 10, 5), CBrush(Qt::blue));
        QCOMPARE(DrawnBounds(surface, area), QRect(10, 10, 10, 5));
        QCOMPARE(surface.pixel(19, 14), Blue);

        ClearToMark(editor, area);
        CDC(editor).FillRect(QRect(10, 10, 0, 10), CBrush(Qt::blue));
        QVERIFY(DrawnBounds(surface, area).isEmpty());

        ClearToMark(editor, area);
        CDC(editor).FrameRect(QRect(10, 10, 10, 5), CBrush(Qt::blue));
        QCOMPARE(DrawnBounds(surface, area), QRect(10, 10, 10, 5));
        QCOMPARE(surface.pixel(19, 12), Blue);
        QCOMPARE(surface.pixel(15, 14), Blue);
        QCOMPARE(surface.pixel(15, 12), Mark);

        ClearToMark(editor, area);
        CDC(editor).Rectangle(10, 10, 31, 31);
        QCOMPARE(DrawnBounds(surface, area), QRect(10, 10, 21, 21));
        QCOMPARE(surface.pixel(30, 30), Black);
        QCOMPARE(surface.pixel(10, 20), Black);
        QCOMPARE(surface.pixel(11, 11), White);
        QCOMPARE(surface.pixel(29, 29), White);
    }

    void linesStopOnePixelShortOfTheirEnd() {
        auto&& [harness, editor] = OpenEditor();
        const QImage& surface = editor.Surface();
        const QRect area(0, 0, 60, 60);

        ClearToMark(editor, area);
        {
            CDC dc(editor);
            dc.SelectPen(CPen(Qt::blue));
            dc.MoveTo(10, 5);
            dc.LineTo(10, 25);
            dc.LineTo(30, 25);
        }
        QCOMPARE(DrawnBounds(surface, area), QRect(10, 5, 20, 21));
        QCOMPARE(surface.pixel(10, 5), Blue);
        QCOMPARE(surface.pixel(10, 25), Blue); // the first line's end, drawn by the second
        QCOMPARE(surface.pixel(29, 25), Blue);
        QCOMPARE(surface.pixel(30, 25), Mark);

        ClearToMark(editor, area);
        {
            CDC dc(editor);
            dc.MoveTo(40, 40);
            dc.LineTo(30, 30);
        }
        QCOMPARE(DrawnBounds(surface, area), QRect(31, 31, 10, 10));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(surface.pixel(40 - i, 40 - i), Black);
    }

    void drawingIsClippedToTheSurface() {
        auto&& [harness, editor] = OpenEditor();
        const QImage& surface = editor.Surface();
        const int right = surface.width() - 1;
        const int bottom = surface.height() - 1;
        {
            CDC dc(editor);
            dc.FillRect(QRect(right - 2, bottom - 2, 52, 52), CBrush(Qt::blue));
            dc.StretchBlt(-30, -30, 40, 40, Pattern());
            dc.MoveTo(-10, 3);
            dc.LineTo(right + 10, 3);
        }
        QCOMPARE(surface.pixel(right, bottom), Blue);
        QCOMPARE(surface.pixel(right - 2, bottom - 2), Blue);
        QCOMPARE(surface.pixel(0, 3), Black);
        QCOMPARE(surface.pixel(right, 3), Black);
    }

    void stretchedBitmapsMatchAnUnsmoothedPainter() {
        auto&& [harness, editor] = OpenEditor();
        const QImage pattern = Pattern();
        for (const int size : {19, 90, 20, 7, 41}) {
            QImage expected(size, size, QImage::Format_RGB32);
            QPainter(&expected).drawImage(QRect(0, 0, size, size), pattern);
            CDC(editor).StretchBlt(3, 2, size, size, pattern);
            QCOMPARE(editor.Surface().copy(3, 2, size, size), expected);
        }
    }
};

QTEST_MAIN(DrawingContextTest)
#include "test_drawing_context.moc"
