// The real message boxes, shown through the production answerer: the buttons asked for, the
// default one, what a key or the close box answers, and the text shown as it is.
#include "dialogs/MessageBox.h"
#include "tests/support/NextModal.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using Buttons = QMessageBox::StandardButtons;
using Button = QMessageBox::StandardButton;
Q_DECLARE_METATYPE(Buttons)

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void answersAsTheButtonsSay_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::addColumn<Button>("result");
        const Buttons ok = QMessageBox::Ok, yesNo = QMessageBox::Yes | QMessageBox::No;
        const Buttons yesNoCancel = yesNo | QMessageBox::Cancel;
        QTest::newRow("ok, enter") << ok << int(Qt::Key_Return) << QMessageBox::Ok;
        QTest::newRow("ok, escape") << ok << int(Qt::Key_Escape) << QMessageBox::Ok;
        QTest::newRow("yes/no/cancel, enter")
            << yesNoCancel << int(Qt::Key_Return) << QMessageBox::Yes;
        QTest::newRow("yes/no/cancel, n") << yesNoCancel << int(Qt::Key_N) << QMessageBox::No;
        QTest::newRow("yes/no/cancel, escape")
            << yesNoCancel << int(Qt::Key_Escape) << QMessageBox::Cancel;
        QTest::newRow("yes/no/cancel, close box") << yesNoCancel << 0 << QMessageBox::Cancel;
        QTest::newRow("yes/no, escape") << yesNo << int(Qt::Key_Escape) << QMessageBox::Cancel;
        QTest::newRow("yes/no, close box") << yesNo << 0 << QMessageBox::Cancel;
    }

    void answersAsTheButtonsSay() {
        QFETCH(Buttons, buttons);
        QFETCH(int, key);
        QFETCH(Button, result);
        const std::string text = "<b>C:\\Levels & more</b>";
        QMessageBox* box = nullptr;
        OnNextModal([&](QWidget* shown) {
            box = qobject_cast<QMessageBox*>(shown);
            QVERIFY(box);
            QCOMPARE(box->standardButtons(), buttons);
            // The first button is the default one.
            QCOMPARE(box->standardButton(box->defaultButton()),
                     buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->text(), QString::fromStdString(text));
            QCOMPARE(box->windowTitle(), QStringLiteral("Save <Failed>"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            if (key)
                QTest::keyClick(box, Qt::Key(key));
            else
                box->close();
        });
        QCOMPARE(MessageBox(nullptr, text, "Save <Failed>", buttons, QMessageBox::Warning), result);
        QVERIFY(box);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
