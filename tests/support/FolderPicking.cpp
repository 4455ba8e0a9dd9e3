#include "tests/support/FolderPicking.h"

#include <QTest>

QListView* FolderList(QWidget* dialog) {
    return dialog->findChild<QListView*>(QStringLiteral("listView"));
}

QPushButton* DialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    return dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which);
}

QStringList ListedNames(QWidget* dialog, int expectedCount) {
    QListView* list = FolderList(dialog);
    const auto rows = [list] { return list->model()->rowCount(list->rootIndex()); };
    if (!QTest::qWaitFor([&] { return rows() >= expectedCount; }))
        qWarning("the folder was not listed in time");
    QStringList names;
    for (int row = 0; row < rows(); ++row)
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    names.sort();
    return names;
}

bool ClickListed(QWidget* dialog, const QString& name, bool twice) {
    QListView* list = FolderList(dialog);
    QModelIndexList matches;
    const bool listed = QTest::qWaitFor([&] {
        matches = list->model()->match(list->model()->index(0, 0, list->rootIndex()),
                                       Qt::DisplayRole, name, 1, Qt::MatchExactly);
        return !matches.isEmpty();
    });
    if (!listed)
        return false;
    const QPoint centre = list->visualRect(matches.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    return true;
}
