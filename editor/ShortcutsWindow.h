#pragma once
// "Keyboard Shortcuts": every key of the editor, the mnemonics of its buttons first, then the
// key list, with a button that opens the About box so that it is reachable without a mouse.
// Escape, F1, Close and the close box close it.
#include <QDialog>

class ShortcutsWindow : public QDialog {
    Q_OBJECT

public:
    // Reads the mnemonics from the editor's buttons, which must exist by now.
    explicit ShortcutsWindow(QWidget* editor);
};
