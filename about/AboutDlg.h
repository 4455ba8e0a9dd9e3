#pragma once
// The About box: the icon, title, notice and credit lines, with no buttons and no caption. A
// left click anywhere on it, its lines and icon included, repaints the editor and closes it; a
// right click does nothing. Escape and Enter close it too, without the repaint. The crosshair
// cursor shows over all of it.
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    // The editor owns the box and is repainted when a click closes it.
    explicit CAboutDlg(QWidget* editor);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
