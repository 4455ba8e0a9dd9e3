#include "about/AboutDlg.h"

#include "res/Resources.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

// The lines and the icon take no mouse input and set no cursor of their own, so clicks reach
// the box and the crosshair shows over them as well.
CAboutDlg::CAboutDlg(QWidget* editor) : QDialog(editor, Qt::Dialog | Qt::FramelessWindowHint) {
    setFont(WindowFont());
    setFixedSize(296, 89);
    setCursor(CrosshairCursor());
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setGeometry(17, 28, 31, 32);
    const std::pair<const char*, QRect> lines[] = {
        {"Zapmaze Level Editor v1.02", {60, 20, 179, 13}},
        {"Editor (c) the Zapmaze team", {60, 37, 179, 13}},
        {"Zapmaze (c) its original makers", {60, 55, 204, 13}},
    };
    for (const auto& [text, rect] : lines) {
        auto* line = new QLabel(QString::fromLatin1(text), this);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setGeometry(rect);
    }
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    parentWidget()->repaint();
    reject();
}

void CAboutDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
    else
        QDialog::keyPressEvent(event);
}

// The thin one-pixel border of a popup without a caption.
void CAboutDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
