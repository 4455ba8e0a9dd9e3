#include "editor/KeyList.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace {

const KeyListLine Lines[] = {
    {"Ctrl+N", "New level (the New button)", "newButton", QKeySequence::New},
    {"Ctrl+O", "Load a level file (the Load button)", "loadButton", QKeySequence::Open},
    {"Ctrl+S", "Save (the Save button)", "saveButton", QKeySequence::Save},
    {"Ctrl+Shift+S", "Save As (the Save As button)", "saveAsButton", QKeySequence::SaveAs},
    {"Ctrl+W", "Close the editor (the Close button)", "closeButton", QKeySequence::Close},
    {"Ctrl+Q", "Close the editor (the Close button)", "closeButton", QKeySequence::Quit},
    {"Ctrl+Z", "Undo the last stroke, Fill Floor or Clear Floor"},
    {"Ctrl+Y, Ctrl+Shift+Z", "Redo what was undone"},
    {"Tab, Shift+Tab", "Move the focus to the next or the previous control (the grid comes after "
                       "Clear Floor)"},
    {"Space", "On a button or Show Grid: click it, or tick or clear Show Grid"},
    {"Left, Right, Up, Down", "On the grid: move the cell cursor one cell"},
    {"Space", "On the grid: paint the cursor's cell with the left button's tile; held while the "
              "arrows move, paint every cell entered as one stroke"},
    {"Shift+Space", "On the grid: the same with the right button's tile"},
    {"Ctrl+Space", "On the grid: take the cursor cell's tile into the left button"},
    {"Ctrl+Shift+Space", "On the grid: take the cursor cell's tile into the right button"},
    {"1 to 8", "On the grid: choose the left button's tile (Solid Block, Brick, "
               "Floor, Player One to Player Five)"},
    {"Shift+1 to Shift+8",
     "On the grid: choose the right button's tile (by the digit key, whatever its symbol)"},
    {"Ctrl+M", "Step the paint mirror: off, left-right, top-bottom, both, half turn"},
    {"F2", "Show or close the Level Analysis window (in it: Enter on a finding shows its cell, "
           "Escape closes it)"},
    {"Page Down, Page Up", "Open the next or the previous level of the set"},
    {"F3", "Show or close the Level Set window (in it: arrows move, Enter opens a level, "
           "Escape closes it)"},
    {"Enter", "Click the focused button; elsewhere, close the editor"},
    {"Escape", "Close the editor"},
    {"F1", "Show this list of keys; in it, close it"},
};

// The keys of a line: its own, then those that the desktop adds for its standard action.
QList<QKeySequence> KeysOfLine(const KeyListLine& line) {
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(line.keys).split(QStringLiteral(", ")))
        keys.append(QKeySequence::fromString(key, QKeySequence::PortableText));
    if (line.standard != QKeySequence::UnknownKey)
        for (const QKeySequence& key : QKeySequence::keyBindings(line.standard))
            if (!keys.contains(key))
                keys.append(key);
    return keys;
}

} // namespace

std::span<const KeyListLine> EditorKeyLines() {
    return Lines;
}

void ConnectButtonKeys(QWidget* window) {
    for (const KeyListLine& line : EditorKeyLines()) {
        if (!line.button)
            continue;
        auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(line.button));
        auto* shortcut = new QShortcut(window);
        shortcut->setKeys(KeysOfLine(line));
        QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }
}
