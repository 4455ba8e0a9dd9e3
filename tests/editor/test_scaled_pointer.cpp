// On a fractionally scaled screen the editor takes the client pixel that is drawn under the
// pointer's device pixel, for every device pixel across a row of the grid: the cell that the
// status line names is the one whose picture or left line the pointer is on.
#include "tests/support/EditorHarness.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr qreal Scale = 1.5;

// The cell column that the status line names, or -1 when it is empty.
int NamedColumn(CLevelEditorDlg& editor) {
    const QString status = StatusLine(editor);
    return status.isEmpty() ? -1 : status.section('(', 1).section(',', 0, 0).toInt();
}

} // namespace

class ScaledPointerTest : public QObject {
    Q_OBJECT

private slots:
    void theEditorTakesTheClientPixelDrawnUnderThePointer() {
        EditorHarness harness;
        CLevelEditorDlg& editor = harness.Editor();
        QCOMPARE(editor.devicePixelRatio(), Scale);
        const QImage screen = editor.grab().toImage();
        const int y = int(Scale * 115); // inside the cells of row 5
        // The black runs of the row: the grid's frame, then a line before each further column.
        int lines = 0;
        int wrong = 0;
        for (int device = 0; device < int(Scale * 310); ++device) {
            const bool black = screen.pixel(device, y) == Black;
            lines += black && (device == 0 || screen.pixel(device - 1, y) != Black);
            const bool outside = lines == 0 || (lines == 1 && black) || lines >= 16;
            // The platform reports a device pixel as its position divided by the scale; the
            // event takes the way of a real one, through the window.
            const QPointF position(device / Scale, y / Scale);
            qt_handleMouseEvent(editor.windowHandle(), position, editor.mapToGlobal(position),
                                Qt::NoButton, Qt::NoButton, QEvent::MouseMove, Qt::NoModifier,
                                device);
            if (NamedColumn(editor) != (outside ? -1 : lines - 1))
                ++wrong;
        }
        QCOMPARE(lines, 16);
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
