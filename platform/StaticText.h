#pragma once
// A static text control: plain text in its rectangle, optionally in a sunken frame, and
// transparent to the mouse so that clicks reach the dialog. Each distinct text is laid out once
// and kept, so a text that changes as often as the editor's status line, once for every cell
// the cursor crosses, costs little more than drawing its glyphs when it comes back.
#include <QFrame>
#include <QHash>
#include <QStaticText>
#include <QString>

class CStaticText : public QFrame {
    Q_OBJECT

public:
    CStaticText(const QString& text, Qt::Alignment alignment, bool sunkenEdge, QWidget* parent);

    void setText(const QString& text);
    const QString& text() const { return Text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QStaticText& LayoutOf(const QString& text);

    QString Text;
    Qt::Alignment Alignment;
    QHash<QString, QStaticText> Layouts;
};
