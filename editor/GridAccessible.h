#pragma once
// The grid and the tile picker as assistive technologies see them. The grid is a table of 13
// rows and 15 columns whose cells are named "TILE, column C, row R", counted as the status line
// counts; the picker holds the palette, a list of the eight tiles with the left button's
// selected, and the two swatches, named "Left button: TILE" and "Right button: TILE". The
// announcements are sent only while an assistive technology listens.
#include "level/Level.h"

#include <Qt>
#include <vector>

class LevelView;
class QAccessibleEvent;
class TilePicker;

// Lets Qt make these interfaces for the editor's widgets; harmless when called again.
void InstallEditorAccessibility();

// Where the announcements go: to Qt, which passes them on while an assistive technology
// listens, or to a receiver of one's own (tests: the offscreen platform has no bridge that
// would listen). Null gives them back to Qt.
using AccessibilityReceiver = void (*)(QAccessibleEvent* event);
void ReceiveAccessibilityEvents(AccessibilityReceiver receiver);

// The cursor's cell has the focus now.
void AnnounceCursor(LevelView* view);
// The tiles of these cells changed: a name change each, or a change of the table's data when
// many changed at once.
void AnnounceChangedCells(LevelView* view, const std::vector<Cell>& cells);
// The tile of the button changed: its swatch's name, and for the left button the palette's
// selected item.
void AnnounceButtonTile(TilePicker* picker, Qt::MouseButton button);
