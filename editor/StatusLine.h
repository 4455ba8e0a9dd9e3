#pragma once
// The status line: a label whose text changes with every cell that the pointer crosses. Each
// distinct text is laid out once and kept, so that showing a text again costs little more than
// drawing its glyphs; QLabel would lay it out afresh at every paint.
#include <QHash>
#include <QLabel>
#include <QStaticText>

class StatusLine : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QStaticText& LayoutOf(const QString& text);

    QHash<QString, QStaticText> Layouts;
};
