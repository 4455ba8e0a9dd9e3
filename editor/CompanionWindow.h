#pragma once
// A window of its own beside the editor, named for screen readers by its title. Escape or the
// function key that opens it, pressed in it, closes it.
#include <QWidget>

class CompanionWindow : public QWidget {
public:
    // Between the editor's frame and a companion window's, when it first opens beside it.
    static constexpr int EditorGap = 8;

    CompanionWindow(const QString& title, Qt::Key closeKey, QWidget* editor);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
