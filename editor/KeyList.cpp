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
    {"Tab, Shift+Tab", "Move the focus to the next or the previous control"},
    {"Space", "Click the focused button, or tick or clear Show Grid"},
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
