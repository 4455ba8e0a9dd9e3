// On a fractionally scaled screen the mouse handlers get the client pixel that is drawn under
// the pointer's device pixel, for every device pixel across the window.
#include "platform/Drawing.h"
#include "platform/PaintedDialog.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr qreal Scale = 1.5;

// Paints every client column in a colour of its own and remembers where the pointer was.
class ColumnsDialog : public CPaintedDialog {
public:
    ColumnsDialog() : CPaintedDialog(Template()) { setMouseTracking(true); }
    QPoint LastPoint{-1, -1};

    static QRgb ColourOfColumn(int x) { return qRgb(x & 0xFF, x >> 8, 0x80); }

protected:
    void OnPaint() override {
        CDC dc(*this);
        for (int x = 0; x < width(); ++x)
            dc.FillRect(QRect(x, 0, 1, height()), CBrush(QColor(ColourOfColumn(x))));
    }
    void OnMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint point) override {
        LastPoint = point;
    }

private:
    static const DialogTemplate& Template() {
        static const DialogTemplate dialog{"Columns", 60, 20, FrameKind::ThinBorderPopup, {}};
        return dialog;
    }
};

} // namespace

class ScaledPointerTest : public QObject {
    Q_OBJECT

private slots:
    void theHandlerGetsTheClientPixelDrawnUnderThePointer() {
        ColumnsDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.devicePixelRatio(), Scale);
        const QImage screen = dialog.grab().toImage();
        const int y = screen.height() / 2;
        int wrong = 0;
        for (int device = 0; device < screen.width(); ++device) {
            // The platform reports a device pixel as its position divided by the scale; the
            // event takes the way of a real one, through the window.
            const QPointF position(device / Scale, y / Scale);
            qt_handleMouseEvent(dialog.windowHandle(), position, dialog.mapToGlobal(position),
                                Qt::NoButton, Qt::NoButton, QEvent::MouseMove, Qt::NoModifier,
                                device);
            if (ColumnsDialog::ColourOfColumn(dialog.LastPoint.x()) != screen.pixel(device, y))
                ++wrong;
        }
        QCOMPARE(wrong, 0);
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    QApplication application(argc, argv);
    ScaledPointerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaled_pointer.moc"
