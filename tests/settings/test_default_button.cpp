// The button that Enter would press is the one that looks the default, and keyboard focus on
// the default button can be seen.
#include "settings/SettingsDlg.h"

#include <QPushButton>
#include <QTest>

namespace {

QImage Look(QWidget* widget) {
    return widget->grab().toImage();
}

} // namespace

class DefaultButtonTest : public QObject {
    Q_OBJECT

private slots:
    void theDefaultLookFollowsTheButtonThatEnterPresses() {
        SettingsRecord settings;
        CSettingsDlg dialog(settings);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* save = dialog.findChild<QPushButton*>("saveButton");
        auto* browse = dialog.findChild<QPushButton*>("browseButton");
        auto* cancel = dialog.findChild<QPushButton*>("cancelButton");
        QWidget* field = dialog.findChild<QWidget*>("directoryField");
        const auto defaults = [&] {
            return QList<bool>{save->isDefault(), browse->isDefault(), cancel->isDefault()};
        };
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), (QList<bool>{true, false, false}));
        const QImage saveUnfocused = Look(save);
        browse->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), (QList<bool>{false, true, false}));
        save->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), (QList<bool>{true, false, false}));
        QVERIFY2(Look(save) != saveUnfocused, "the focused default button looks unfocused");
        cancel->setFocus(Qt::BacktabFocusReason);
        QCOMPARE(defaults(), (QList<bool>{false, false, true}));
        field->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), (QList<bool>{true, false, false}));
        QCOMPARE(Look(save), saveUnfocused);
    }
};

QTEST_MAIN(DefaultButtonTest)
#include "test_default_button.moc"
