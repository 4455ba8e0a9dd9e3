#include "editor/GridKeys.h"

#include "level/Level.h"

#include <array>

namespace {

// X11 scan codes of the digit row's keys 1 to 8.
constexpr quint32 DigitOneScanCode = 10;

// The symbols of Shift with the digits 1 to 8 on a US layout: what an event that names no
// physical key (a synthetic one) carries for Shift with a digit.
constexpr std::array<int, TileCount> ShiftedDigits = {
    Qt::Key_Exclam,  Qt::Key_At,          Qt::Key_NumberSign, Qt::Key_Dollar,
    Qt::Key_Percent, Qt::Key_AsciiCircum, Qt::Key_Ampersand,  Qt::Key_Asterisk};

// The palette slot of the digit key, or -1.
int DigitSlot(const QKeyEvent& event) {
    const quint32 scan = event.nativeScanCode();
    if (scan >= DigitOneScanCode && scan < DigitOneScanCode + TileCount)
        return int(scan - DigitOneScanCode);
    const int key = event.key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + TileCount)
        return key - Qt::Key_1;
    for (int slot = 0; scan == 0 && slot < TileCount; ++slot)
        if (ShiftedDigits[slot] == key)
            return slot;
    return -1;
}

GridKey MoveBy(int columns, int rows) {
    GridKey key{GridKey::Move};
    key.columns = columns;
    key.rows = rows;
    return key;
}

} // namespace

GridKey DecodeGridKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return {};
    const bool ctrl = modifiers & Qt::ControlModifier;
    const Qt::MouseButton button = modifiers & Qt::ShiftModifier ? Qt::RightButton : Qt::LeftButton;
    if (event.key() == Qt::Key_Space)
        return {ctrl ? GridKey::Pick : GridKey::Paint, button};
    if (ctrl)
        return {};
    switch (event.key()) {
    case Qt::Key_Left:
        return MoveBy(-1, 0);
    case Qt::Key_Right:
        return MoveBy(1, 0);
    case Qt::Key_Up:
        return MoveBy(0, -1);
    case Qt::Key_Down:
        return MoveBy(0, 1);
    default:
        break;
    }
    if (const int slot = DigitSlot(event); slot >= 0)
        return {GridKey::Choose, button, slot};
    return {};
}
