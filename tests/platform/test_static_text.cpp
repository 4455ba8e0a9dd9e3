// Static text controls: plain text, broken into lines where the text has line ends.
#include "platform/StaticText.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {

// Which pixel rows of the rendered control hold any text-coloured pixel.
std::vector<bool> InkedRows(QWidget& control) {
    const QImage image = control.grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    std::vector<bool> rows(image.height(), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                rows[y] = true;
    return rows;
}

int TextLines(const std::vector<bool>& rows) {
    int lines = 0;
    for (std::size_t y = 0; y < rows.size(); ++y)
        if (rows[y] && (y == 0 || !rows[y - 1]))
            ++lines;
    return lines;
}

} // namespace

class StaticTextTest : public QObject {
    Q_OBJECT

private slots:
    void lineEndsBreakTheText() {
        CStaticText text("first line\nsecond line\nthird", Qt::AlignHCenter, false, nullptr);
        text.resize(150, 60);
        QCOMPARE(TextLines(InkedRows(text)), 3);
    }

    void markupIsShownAsItStands() {
        CStaticText text("<b>bold</b>", Qt::AlignLeft, false, nullptr);
        text.resize(150, 20);
        CStaticText plain("bold", Qt::AlignLeft, false, nullptr);
        plain.resize(150, 20);
        QVERIFY(text.grab().toImage() != plain.grab().toImage());
        QCOMPARE(text.text(), QStringLiteral("<b>bold</b>"));
    }

    void settingTheSameTextAgainChangesNothing() {
        CStaticText text("Selected: (3,4)", Qt::AlignLeft, false, nullptr);
        text.resize(150, 20);
        const QImage before = text.grab().toImage();
        text.setText("Selected: (5,6)");
        text.setText("Selected: (3,4)");
        QCOMPARE(text.grab().toImage(), before);
        text.setText(QString());
        QCOMPARE(TextLines(InkedRows(text)), 0);
    }
};

QTEST_MAIN(StaticTextTest)
#include "test_static_text.moc"
