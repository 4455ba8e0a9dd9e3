#pragma once
// What a key pressed on the focused grid asks for: move the cell cursor, start or end a stroke
// of a button's tile, pick up the cursor cell's tile, or choose a button's tile by its digit.
// Digits go by the physical key of the digit row, so that Shift with a digit names the same
// tile whatever symbol the keyboard layout puts on it.
#include <QKeyEvent>

struct GridKey {
    enum Kind { None, Move, Paint, Pick, Choose };
    Kind kind = None;
    Qt::MouseButton button = Qt::NoButton; // Paint, Pick, Choose: the button whose tile it is
    int tile = -1;                         // Choose: the tile
    int columns = 0, rows = 0;             // Move: the step
};

GridKey DecodeGridKey(const QKeyEvent& event);
