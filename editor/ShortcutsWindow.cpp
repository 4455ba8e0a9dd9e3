#include "editor/ShortcutsWindow.h"

#include "about/AboutDlg.h"
#include "editor/KeyList.h"
#include "res/Resources.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Keyboard Shortcuts");

// Alt with the underlined letter of each of the editor's buttons, in the order of their
// creation, which is the tab order.
void AddMnemonics(QTreeWidget* list, QWidget* editor) {
    const auto buttons = editor->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    for (const QAbstractButton* button : buttons) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty())
            new QTreeWidgetItem(
                list, {mnemonic.toString(QKeySequence::PortableText),
                       QStringLiteral("The %1 button").arg(QString(button->text()).remove('&'))});
    }
}

QTreeWidget* NewKeyTable(QWidget* editor, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("keyList"));
    list->setAccessibleName(Title);
    list->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Action")});
    list->setRootIsDecorated(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AddMnemonics(list, editor);
    for (const KeyListLine& line : EditorKeyLines())
        new QTreeWidgetItem(list,
                            {QString::fromLatin1(line.keys), QString::fromLatin1(line.action)});
    list->resizeColumnToContents(0);
    list->resizeColumnToContents(1);
    list->setCurrentItem(list->topLevelItem(0));
    return list;
}

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove('&'));
    return button;
}

} // namespace

ShortcutsWindow::ShortcutsWindow(QWidget* editor) : QDialog(editor) {
    setWindowTitle(Title);
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());
    auto* about = NewButton(QStringLiteral("&About..."), "aboutButton", this);
    auto* close = NewButton(QStringLiteral("Close"), "closeButton", this);
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(about);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    QTreeWidget* list = NewKeyTable(editor, this);
    layout->addWidget(list);
    layout->addLayout(buttons);
    // Wide enough for every line without eliding it, the list's frame and the margins.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    resize(list->header()->length() + 2 * list->frameWidth() + margins, 520);
    list->setFocus();
    connect(about, &QPushButton::clicked, this, [this] {
        CAboutDlg box(this);
        box.exec();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &QWidget::close);
}
