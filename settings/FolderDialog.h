#pragma once
// A folder picker on Qt's own file dialog: it lists folders only, its name box always shows
// the folder currently chosen, and OK returns that folder at once, whatever was typed there.
// It works on parts of Qt's dialog found by their object names; should a Qt version lack one,
// it says so and runs Qt's dialog as a plain folder chooser instead.
#include <QFileDialog>
#include <QList>
#include <string>

class QAbstractItemView;
class QDialogButtonBox;
class QLineEdit;
class QListView;

class CFolderDialog : public QFileDialog {
    Q_OBJECT

public:
    // An empty initial folder means the current directory.
    explicit CFolderDialog(const std::string& initialFolder, QWidget* parent = nullptr);

    // Runs the dialog; returns QDialog::Accepted or QDialog::Rejected.
    int exec() override;
    std::string GetFolder() const { return Folder; }

    // Recomputes the folder from the folder shown and the selected item, and shows it.
    void OnFileNameChange();

public slots:
    void accept() override;
    void setVisible(bool visible) override;

protected:
    // Enter in the folder list ends the dialog with the chosen folder; keyboard focus on the
    // list selects its current row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The parts of Qt's dialog that the picker works on.
    struct Parts {
        QLineEdit* nameBox;
        QListView* list;
        QAbstractItemView* detailView;
        QDialogButtonBox* buttons;
        QWidget* typeBox;
        QWidget* typeLabel;
    };

    // Finds the parts and connects to them, once; false when Qt's dialog lacks one of them.
    bool TakeParts();
    QList<QAbstractItemView*> FolderViews() const;
    std::string ShownFolder() const;
    std::string SelectedItemName() const;
    void ShowFolderInNameBox();

    std::string Folder;
    bool PartsSought = false;
    Parts Found{};
};

// Shown before the plain folder chooser opens in place of the full picker.
extern const char PlainFolderChooserText[];
