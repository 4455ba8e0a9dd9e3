#pragma once
// Drives the folder picker (Qt's file dialog underneath) as a user would: waits for its list
// to show the folder's entries, clicks them and presses its buttons.
#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>
#include <QStringList>

QListView* FolderList(QWidget* dialog);
QPushButton* DialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which);
// The names that the list shows once it shows at least `expectedCount`, sorted.
QStringList ListedNames(QWidget* dialog, int expectedCount);
// Clicks (or double-clicks) the entry `name` once the list shows it; false when it never does.
bool ClickListed(QWidget* dialog, const QString& name, bool twice = false);
