#pragma once
// The program's own pictures besides the tiles, and the font its windows are laid out for: the
// icon at every size of the icon theme and the About box's crosshair cursor, compiled in.
#include <QCursor>
#include <QFont>
#include <QIcon>

// The program icon, loaded once for the application's life.
QIcon ProgramIcon();

// The 32 x 32 crosshair with its hot spot on the centre dot.
QCursor CrosshairCursor();

// A narrow sans serif at the size of the classic 8-point dialog font: the controls are placed at
// fixed pixels beside the painted areas, and "Show Grid" and three lines of credits fit them in
// this font.
QFont WindowFont();
