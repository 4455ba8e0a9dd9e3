#pragma once
// What the mouse-editing tests share: where cells are, what a cell or swatch shows on the
// editor's surface, and an answerer for the About box that the credits link opens modally.
#include "platform/StaticText.h"
#include "res/DialogTemplates.h"
#include "tests/support/EditorHarness.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace mouse_testing {

// Takes the level on screen as unmodified, as a save would.
inline void MarkUnmodified(CLevelEditorDlg& editor) {
    editor.GetSession().Open(LevelDocument(editor.Document().State(), editor.Document().Path()));
}

inline QPoint CellCentre(Cell cell) {
    return {5 + 20 * cell.column + 10, 5 + 20 * cell.row + 10};
}

// Whether the cell's image shows tile, as the palette box of that tile shows it; the image's
// outer ring, where the hover frame goes, is left out.
inline bool CellShows(CLevelEditorDlg& editor, Cell cell, int tile) {
    const PixelPoint slot = EditorGeometry::PaletteSlots[tile];
    const int left = 5 + 20 * cell.column + 1;
    const int top = 5 + 20 * cell.row + 1;
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 18; ++x)
            if (editor.Surface().pixel(left + x, top + y) !=
                editor.Surface().pixel(slot.x + 1 + x, slot.y + 1 + y))
                return false;
    return true;
}

inline bool IsRed(QRgb pixel) {
    return pixel == qRgb(255, 0, 0);
}

// Whether the red hover frame runs all round the cell's image.
inline bool HasHoverFrame(CLevelEditorDlg& editor, Cell cell) {
    const int left = 5 + 20 * cell.column + 1;
    const int top = 5 + 20 * cell.row + 1;
    for (int i = 0; i < 19; ++i) {
        const QImage& s = editor.Surface();
        if (!IsRed(s.pixel(left + i, top)) || !IsRed(s.pixel(left + i, top + 18)) ||
            !IsRed(s.pixel(left, top + i)) || !IsRed(s.pixel(left + 18, top + i)))
            return false;
    }
    return true;
}

// Whether no red pixel is left anywhere on the grid.
inline bool GridIsFreeOfRed(CLevelEditorDlg& editor) {
    for (int y = 5; y <= 265; ++y)
        for (int x = 5; x <= 305; ++x)
            if (IsRed(editor.Surface().pixel(x, y)))
                return false;
    return true;
}

// Whether a 90 x 90 swatch image at `image` shows tile: each of the bitmap's 20 x 20 pixels is
// compared with the swatch pixel in the middle of the 4.5 x 4.5 block that it scales to. Only
// the points that `visible` accepts are compared.
template <class Visible>
bool SwatchShows(CLevelEditorDlg& editor, PixelPoint image, int tile, Visible visible) {
    const QImage& bitmap = editor.GetTileBitmap(tile);
    for (int sy = 0; sy < 20; ++sy)
        for (int sx = 0; sx < 20; ++sx) {
            const int x = image.x + (9 * sx + 4) / 2;
            const int y = image.y + (9 * sy + 4) / 2;
            if (visible(x, y) && editor.Surface().pixel(x, y) != bitmap.pixel(sx, sy))
                return false;
        }
    return true;
}

// The front swatch on its whole image, the back swatch on the band that the front one leaves.
inline bool FrontSwatchShows(CLevelEditorDlg& editor, int tile) {
    return SwatchShows(editor, EditorGeometry::FrontSwatch.image, tile,
                       [](int, int) { return true; });
}

inline bool BackSwatchShows(CLevelEditorDlg& editor, int tile) {
    return SwatchShows(editor, EditorGeometry::BackSwatch.image, tile,
                       [](int x, int y) { return x > 405 || y > 206; });
}

// Paints the mark onto the surface, so that a test can tell whether a later step redrew that
// spot.
inline void Scribble(CLevelEditorDlg& editor, QPoint at) {
    const_cast<QImage&>(editor.Surface()).setPixel(at, Mark);
}
inline bool Scribbled(CLevelEditorDlg& editor, QPoint at) {
    return editor.Surface().pixel(at) == Mark;
}

// While it lives, answers every modal window that opens with a real left click at `at`
// (the About box's top-left corner area by default) and counts the windows it answered.
class ModalClicker {
public:
    explicit ModalClicker(QPoint at = {5, 5}) {
        Timer.setInterval(10);
        QObject::connect(&Timer, &QTimer::timeout, [this, at] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++Opened;
                if (BeforeClick)
                    BeforeClick(modal);
                QTest::mouseClick(modal, Qt::LeftButton, {}, at);
            }
        });
        Timer.start();
    }
    int Opened = 0;
    std::function<void(QWidget*)> BeforeClick;

private:
    QTimer Timer;
};

} // namespace mouse_testing
