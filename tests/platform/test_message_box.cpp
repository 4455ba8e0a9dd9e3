// The real message boxes, shown through the production answerer: the buttons that each flag
// gives, the default one, what a key or the close box answers, and the text shown as it is.
#include "platform/MessageBox.h"
#include "platform/Win32.h"
#include "tests/support/NextModal.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using Buttons = QMessageBox::StandardButtons;
Q_DECLARE_METATYPE(Buttons)

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void answersAsTheFlagsSay_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::addColumn<int>("result");
        const Buttons ok = QMessageBox::Ok, yesNo = QMessageBox::Yes | QMessageBox::No;
        const Buttons yesNoCancel = yesNo | QMessageBox::Cancel;
        const unsigned warning = MB_OK | MB_ICONEXCLAMATION, clear = MB_YESNO | MB_ICONQUESTION;
        const unsigned question = MB_YESNOCANCEL | MB_ICONQUESTION;
        QTest::newRow("ok, enter") << warning << ok << int(Qt::Key_Return) << IDOK;
        QTest::newRow("ok, escape") << warning << ok << int(Qt::Key_Escape) << IDOK;
        QTest::newRow("yes/no/cancel, enter")
            << question << yesNoCancel << int(Qt::Key_Return) << IDYES;
        QTest::newRow("yes/no/cancel, n") << question << yesNoCancel << int(Qt::Key_N) << IDNO;
        QTest::newRow("yes/no/cancel, escape")
            << question << yesNoCancel << int(Qt::Key_Escape) << IDCANCEL;
        QTest::newRow("yes/no/cancel, close box") << question << yesNoCancel << 0 << IDCANCEL;
        QTest::newRow("yes/no, escape") << clear << yesNo << int(Qt::Key_Escape) << IDNO;
        QTest::newRow("yes/no, close box") << clear << yesNo << 0 << IDNO;
    }

    void answersAsTheFlagsSay() {
        QFETCH(unsigned, flags);
        QFETCH(Buttons, buttons);
        QFETCH(int, key);
        QFETCH(int, result);
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
            if (key)
                QTest::keyClick(box, Qt::Key(key));
            else
                box->close();
        });
        QCOMPARE(MessageBox(nullptr, text, "Save <Failed>", flags), result);
        QVERIFY(box);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
