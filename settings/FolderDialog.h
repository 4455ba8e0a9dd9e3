#pragma once
// A folder picker on Qt's own file dialog: it lists folders only, its name box always shows
// the folder currently chosen, and OK returns that folder at once, whatever was typed there.
#include <QFileDialog>
#include <QList>
#include <string>

class QAbstractItemView;

class CFolderDialog : public QFileDialog {
    Q_OBJECT

public:
    enum FolderMode { ModeOpen = 0, ModeSelect = 1 };

    // An empty initial folder means the current directory.
    CFolderDialog(const std::string& initialFolder, FolderMode mode, QWidget* parent = nullptr);

    // Runs the dialog; returns IDOK or IDCANCEL.
    int DoModal();
    virtual std::string GetFolder() const { return Folder; }

    // Recomputes the folder from the folder shown and the selected item, and shows it.
    void OnFileNameChange();

public slots:
    void accept() override;

protected:
    // Enter in the folder list ends the dialog with the chosen folder; keyboard focus on the
    // list selects its current row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnInitDone();
    QList<QAbstractItemView*> FolderViews() const;
    std::string ShownFolder() const;
    std::string SelectedItemName() const;
    void ShowFolderInNameBox();

    std::string Folder;
    FolderMode Mode;
};
