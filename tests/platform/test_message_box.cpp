// The real message boxes, shown through the production answerer: the buttons that each flag
// gives, the default one, what Enter, Escape and the close box answer, and plain text.
#include "platform/MessageBox.h"
#include "platform/Win32.h"
#include "tests/support/NextModal.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void answersAsTheFlagsSay_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        const QMessageBox::StandardButtons yesNoCancel =
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        const unsigned question = MB_YESNOCANCEL | MB_ICONQUESTION;
        const unsigned clear = MB_YESNO | MB_ICONQUESTION;
        const unsigned warning = MB_OK | MB_ICONEXCLAMATION;
        QTest::newRow("ok: enter") << warning << QMessageBox::StandardButtons(QMessageBox::Ok)
                                   << QMessageBox::Ok << "enter" << IDOK;
        QTest::newRow("ok: escape") << warning << QMessageBox::StandardButtons(QMessageBox::Ok)
                                    << QMessageBox::Ok << "escape" << IDOK;
        QTest::newRow("yes/no/cancel: enter")
            << question << yesNoCancel << QMessageBox::Yes << "enter" << IDYES;
        QTest::newRow("yes/no/cancel: n")
            << question << yesNoCancel << QMessageBox::Yes << "n" << IDNO;
        QTest::newRow("yes/no/cancel: escape")
            << question << yesNoCancel << QMessageBox::Yes << "escape" << IDCANCEL;
        QTest::newRow("yes/no/cancel: close box")
            << question << yesNoCancel << QMessageBox::Yes << "close" << IDCANCEL;
        QTest::newRow("yes/no: escape") << clear << yesNo << QMessageBox::Yes << "escape" << IDNO;
        QTest::newRow("yes/no: close box") << clear << yesNo << QMessageBox::Yes << "close" << IDNO;
    }

    void answersAsTheFlagsSay() {
        QFETCH(unsigned, flags);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::StandardButton, defaultButton);
        QFETCH(QString, action);
        QFETCH(int, result);
        QMessageBox::StandardButtons shownButtons;
        QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
        OnNextModal([&](QWidget* shown) {
            auto* box = qobject_cast<QMessageBox*>(shown);
            QVERIFY(box);
            shownButtons = box->standardButtons();
            shownDefault = box->standardButton(box->defaultButton());
            if (action == "enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (action == "escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (action == "n")
                QTest::keyClick(box, Qt::Key_N);
            else
                box->close();
        });
        QCOMPARE(MessageBox(nullptr, "Text", "Caption", flags), result);
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(shownDefault, defaultButton);
    }

    void showsTextAndCaptionAsPlainText() {
        const std::string text = "<b>C:\\Levels & more</b>";
        QString shownText;
        QString shownCaption;
        Qt::TextFormat format = Qt::AutoText;
        OnNextModal([&](QWidget* shown) {
            auto* label = shown->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            shownText = label->text();
            format = label->textFormat();
            shownCaption = shown->windowTitle();
            QTest::keyClick(shown, Qt::Key_Return);
        });
        QCOMPARE(MessageBox(nullptr, text, "Save <Failed>", MB_OK), IDOK);
        QCOMPARE(shownText, QString::fromStdString(text));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownCaption, QStringLiteral("Save <Failed>"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "test_message_box.moc"
