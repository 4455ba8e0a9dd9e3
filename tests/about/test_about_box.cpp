// The About box as the credits link opens it: a captionless popup whose lines fit, the crosshair
// over all of it, closed by a left click anywhere after a full repaint of the editor, deaf to
// the right button, and closed by Escape or Enter without the repaint.
#include "about/AboutDlg.h"
#include "res/DialogTemplates.h"
#include "res/Resources.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/NextModal.h"

#include "platform/StaticText.h"

#include <QTest>
#include <functional>

namespace {

const QPoint CreditsPoint(370, 260);
const QPoint BackgroundPoint(3, 3);

// Marks the editor's whole surface, so that a full repaint shows as the marks being gone.
void MarkSurface(CLevelEditorDlg& editor) {
    const_cast<QImage&>(editor.Surface()).fill(Mark);
}

bool SurfaceStillMarked(const CLevelEditorDlg& editor) {
    return editor.Surface().pixel(0, 0) == Mark && editor.Surface().pixel(518, 296) == Mark &&
           editor.Surface().pixel(100, 100) == Mark;
}

bool SurfaceRepainted(const CLevelEditorDlg& editor) {
    const QImage& s = editor.Surface();
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) == Mark)
                return false;
    return true;
}

// The box's icon and its three lines of text, in template order.
QList<QWidget*> Controls(CAboutDlg& box) {
    return box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QList<CStaticText*> Lines(CAboutDlg& box) {
    return box.findChildren<CStaticText*>(Qt::FindDirectChildrenOnly);
}

// Opens the About box through the credits link, answers it and says whether the editor was
// fully repainted by the time the box had closed.
struct Opening {
    bool seen = false;
    bool repainted = false;
};

Opening OpenAndAnswer(EditorHarness& h, std::function<void(CAboutDlg&)> answer) {
    Opening result;
    OnNextModal([&](QWidget* shown) {
        auto* box = dynamic_cast<CAboutDlg*>(shown);
        result.seen = box != nullptr;
        if (box) {
            MarkSurface(h.Editor());
            answer(*box);
            result.repainted = !box->isVisible() && SurfaceRepainted(h.Editor());
        }
        if (shown->isVisible()) // a failed check left it open
            shown->close();
    });
    h.Press(Qt::LeftButton, CreditsPoint);
    h.Release(Qt::LeftButton, CreditsPoint);
    return result;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void isACaptionlessPopupWithTheTitleAndFittingLines() {
        EditorHarness h;
        OpenAndAnswer(h, [](CAboutDlg& box) {
            QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(box.isModal());
            QCOMPARE(box.parentWidget(), MainWindow());
            QCOMPARE(box.size(), QSize(DialogUnitsToPixelsX(197), DialogUnitsToPixelsY(55)));
            QStringList texts;
            for (CStaticText* line : Lines(box)) {
                texts << line->text();
                QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->width(),
                         qPrintable(line->text()));
                QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
            }
            QVERIFY(texts.contains("Zapmaze Level Editor v1.02"));
            QCOMPARE(texts.size(), 3);
            QCOMPARE(Controls(box).size(), 4); // the icon and three lines
            box.close();
        });
    }

    void theCrosshairShowsOverTheWholeBox() {
        EditorHarness h;
        const QCursor crosshair = LoadCursorResource(CursorCrosshair);
        OpenAndAnswer(h, [&](CAboutDlg& box) {
            QCOMPARE(box.cursor().hotSpot(), QPoint(15, 16));
            QCOMPARE(box.cursor().pixmap().size(), QSize(32, 32));
            QCOMPARE(box.cursor().pixmap().toImage(), crosshair.pixmap().toImage());
            for (QWidget* line : Controls(box)) {
                QVERIFY(!line->testAttribute(Qt::WA_SetCursor));
                QCOMPARE(line->cursor().hotSpot(), QPoint(15, 16));
            }
            box.close();
        });
    }

    void leftClickOnTheBackgroundRepaintsTheEditorAndCloses() {
        EditorHarness h;
        const Opening opening = OpenAndAnswer(h, [](CAboutDlg& box) {
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, BackgroundPoint);
        });
        QVERIFY(opening.seen);
        QVERIFY(opening.repainted);
        QCOMPARE(h.Pixel(5, 5), QColor(Qt::black));
        QCOMPARE(h.Editor().GetLeftTile(), int(SolidBlock));
        QVERIFY(!h.Editor().GetLeftDrag());
    }

    void leftClickOnTheTitleOrTheIconClosesToo() {
        for (int child = 0; child < 2; ++child) {
            EditorHarness h;
            const Opening opening = OpenAndAnswer(h, [child](CAboutDlg& box) {
                QWidget* target = Controls(box).at(child); // icon, then title
                QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {},
                                  target->geometry().center());
            });
            QVERIFY(opening.repainted);
        }
    }

    void rightClickDoesNothing() {
        EditorHarness h;
        bool stillOpen = false;
        OpenAndAnswer(h, [&](CAboutDlg& box) {
            QTest::mouseClick(box.windowHandle(), Qt::RightButton, {}, BackgroundPoint);
            stillOpen = box.isVisible();
            QVERIFY(SurfaceStillMarked(h.Editor()));
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, BackgroundPoint);
        });
        QVERIFY(stillOpen);
    }

    void escapeAndEnterCloseWithoutTheRepaint() {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            EditorHarness h;
            bool marked = false;
            OpenAndAnswer(h, [&](CAboutDlg& box) {
                QTest::keyClick(&box, key);
                marked = !box.isVisible() && SurfaceStillMarked(h.Editor());
            });
            QVERIFY(marked);
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
