#pragma once
// Every key of the editor but the buttons' mnemonics, which the Keyboard Shortcuts window reads
// from the buttons themselves: one line per key or group of keys, in the order shown. A line
// that names a button is also how that key is wired: it clicks the button, so the key does
// exactly what the button does, prompts included.
#include <QKeySequence>
#include <span>

class QWidget;

struct KeyListLine {
    // As shown. A line that names a button gives its keys in Qt's portable form
    // ("Ctrl+Shift+S"), several separated by ", ".
    const char* keys;
    const char* action;
    // The button that the keys click, by object name; none for keys wired elsewhere.
    const char* button = nullptr;
    // The desktop's own keys for the same action, taken as well.
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
};

std::span<const KeyListLine> EditorKeyLines();

// Gives `window` a shortcut for every line that names one of its buttons, whichever of its
// controls has the focus.
void ConnectButtonKeys(QWidget* window);
