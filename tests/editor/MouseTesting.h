#pragma once
// What the mouse-editing tests share: where cells are, what a cell or swatch shows on the
// screen, and an answerer for the About box that the credits link opens modally.
#include "render/TilePictures.h"
#include "tests/support/EditorHarness.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace mouse_testing {

// Takes the level on screen as unmodified, as a save would.
inline void MarkUnmodified(CLevelEditorDlg& editor) {
    editor.GetSession().Open(LevelDocument(editor.Document().State(), editor.Document().Path()));
}

inline QPoint CellCentre(Cell cell) {
    return {5 + 20 * cell.column + 10, 5 + 20 * cell.row + 10};
}

inline int LeftTile(CLevelEditorDlg& editor) {
    return Picker(editor).Tile(Qt::LeftButton);
}
inline int RightTile(CLevelEditorDlg& editor) {
    return Picker(editor).Tile(Qt::RightButton);
}
// Whether a press and drag of the mouse is painting a stroke.
inline bool Drags(CLevelEditorDlg& editor) {
    return editor.GetSession().StrokeOpen();
}

// Whether the cell's image shows tile, as the palette box of that tile shows it; the image's
// outer ring, where the hover frame goes, is left out.
inline bool CellShows(CLevelEditorDlg& editor, Cell cell, int tile) {
    const QImage screen = Screen(editor);
    const PixelPoint slot = EditorGeometry::PaletteSlots[tile];
    const int left = 5 + 20 * cell.column + 1;
    const int top = 5 + 20 * cell.row + 1;
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 18; ++x)
            if (screen.pixel(left + x, top + y) != screen.pixel(slot.x + 1 + x, slot.y + 1 + y))
                return false;
    return true;
}

inline bool IsRed(QRgb pixel) {
    return pixel == qRgb(255, 0, 0);
}

// Whether the red hover frame runs all round the cell's image.
inline bool HasHoverFrame(CLevelEditorDlg& editor, Cell cell) {
    const QImage s = Screen(editor);
    const int left = 5 + 20 * cell.column + 1;
    const int top = 5 + 20 * cell.row + 1;
    for (int i = 0; i < 19; ++i)
        if (!IsRed(s.pixel(left + i, top)) || !IsRed(s.pixel(left + i, top + 18)) ||
            !IsRed(s.pixel(left, top + i)) || !IsRed(s.pixel(left + 18, top + i)))
            return false;
    return true;
}

// Whether no red pixel is left anywhere on the grid.
inline bool GridIsFreeOfRed(CLevelEditorDlg& editor) {
    const QImage s = Screen(editor);
    for (int y = 5; y <= 265; ++y)
        for (int x = 5; x <= 305; ++x)
            if (IsRed(s.pixel(x, y)))
                return false;
    return true;
}

// Whether a 90 x 90 swatch image with its top-left corner at `image` shows tile: each of the
// tile picture's 20 x 20 pixels is compared with the swatch pixel in the middle of the
// 4.5 x 4.5 block that it scales to. Only the points that `visible` accepts are compared.
template <class Visible>
bool SwatchShows(CLevelEditorDlg& editor, PixelPoint image, int tile, Visible visible) {
    const QImage screen = Screen(editor);
    const render::PixelBuffer& picture = render::TilePicture(tile);
    for (int sy = 0; sy < 20; ++sy)
        for (int sx = 0; sx < 20; ++sx) {
            const int x = image.x + (9 * sx + 4) / 2;
            const int y = image.y + (9 * sy + 4) / 2;
            if (visible(x, y) && screen.pixel(x, y) != picture.At(sx, sy))
                return false;
        }
    return true;
}

// The front swatch on its whole image, the back swatch on the band that the front one leaves.
inline bool FrontSwatchShows(CLevelEditorDlg& editor, int tile) {
    return SwatchShows(editor, {315, 116}, tile, [](int, int) { return true; });
}

inline bool BackSwatchShows(CLevelEditorDlg& editor, int tile) {
    return SwatchShows(editor, {340, 141}, tile, [](int x, int y) { return x > 405 || y > 206; });
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
                QTest::mouseClick(modal, Qt::LeftButton, {}, at);
            }
        });
        Timer.start();
    }
    int Opened = 0;

private:
    QTimer Timer;
};

} // namespace mouse_testing
