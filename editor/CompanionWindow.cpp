#include "editor/CompanionWindow.h"

#include <QKeyEvent>
#include <QShortcut>

CompanionWindow::CompanionWindow(const QString& title, Qt::Key closeKey, QWidget* editor)
    : QWidget(editor, Qt::Window) {
    setWindowTitle(title);
    setAccessibleName(title);
    connect(new QShortcut(closeKey, this), &QShortcut::activated, this, &QWidget::close);
}

// Escape closes this window alone; the keys that its controls leave go nowhere else.
void CompanionWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}
