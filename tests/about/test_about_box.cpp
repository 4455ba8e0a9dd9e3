// The About box as the credits link opens it: a captionless popup whose lines fit, the crosshair
// over all of it, closed by a left click anywhere after a full repaint of the editor, deaf to
// the right button, and closed by Escape or Enter without the repaint.
#include "about/AboutDlg.h"
#include "res/Resources.h"
#include "tests/support/EditorHarness.h"
#include "tests/support/NextModal.h"

#include <QLabel>
#include <QPaintEvent>
#include <QTest>
#include <functional>

namespace {

const QPoint CreditsPoint(370, 260);
const QPoint BackgroundPoint(3, 3);

// The part of the editor window that paint events reached while it lives.
struct PaintWatch : QObject {
    explicit PaintWatch(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted |= static_cast<QPaintEvent*>(event)->rect();
        return false;
    }
    QRect painted;
};

// The box's icon and its three lines of text, in the order they were made.
QList<QWidget*> Controls(CAboutDlg& box) {
    return box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QList<QLabel*> Lines(CAboutDlg& box) {
    QList<QLabel*> lines = box.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    lines.removeFirst();
    return lines;
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
            PaintWatch watch(h.Editor());
            answer(*box);
            result.repainted = !box->isVisible() && watch.painted == h.Editor().rect();
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
        OpenAndAnswer(h, [&](CAboutDlg& box) {
            QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(box.isModal());
            QCOMPARE(box.parentWidget(), static_cast<QWidget*>(&h.Editor()));
            QCOMPARE(box.size(), QSize(296, 89));
            QStringList texts;
            for (QLabel* line : Lines(box)) {
                texts << line->text();
                QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->width(),
                         qPrintable(line->text()));
            }
            QVERIFY(texts.contains("Zapmaze Level Editor v1.02"));
            QCOMPARE(texts.size(), 3);
            QCOMPARE(Controls(box).size(), 4); // the icon and three lines
            box.close();
        });
    }

    void theCrosshairShowsOverTheWholeBox() {
        EditorHarness h;
        const QCursor crosshair = CrosshairCursor();
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
        QCOMPARE(Picker(h.Editor()).Tile(Qt::LeftButton), int(SolidBlock));
        QVERIFY(!h.Editor().GetSession().StrokeOpen());
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
            PaintWatch watch(h.Editor());
            QTest::mouseClick(box.windowHandle(), Qt::RightButton, {}, BackgroundPoint);
            stillOpen = box.isVisible() && watch.painted.isEmpty();
            QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {}, BackgroundPoint);
        });
        QVERIFY(stillOpen);
    }

    void escapeAndEnterCloseWithoutTheRepaint() {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            EditorHarness h;
            bool unpainted = false;
            OpenAndAnswer(h, [&](CAboutDlg& box) {
                PaintWatch watch(h.Editor());
                QTest::keyClick(&box, key);
                unpainted = !box.isVisible() && watch.painted.isEmpty();
            });
            QVERIFY(unpainted);
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
