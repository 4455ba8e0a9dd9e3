#pragma once
#include <QStringList>
#include <string>

class QWidget;

// An Open or Save As dialog. It starts in the current directory; a file accepted in another
// folder makes that folder the current directory. The path it returns is absolute.
class CFileDialog {
public:
    // `nameFilters` as Qt writes them ("Levels (*.txt)"), shown as written; "*.*" matches every
    // file. Save As asks before it replaces a file when `confirmOverwrite` is set.
    CFileDialog(bool open, std::string defaultExtension, bool confirmOverwrite,
                QStringList nameFilters, QWidget* parent);
    // QDialog::Accepted when the user accepted a file, QDialog::Rejected otherwise.
    int DoModal();
    const std::string& GetPathName() const { return PathName; }

private:
    bool Open;
    std::string DefaultExtension;
    bool ConfirmOverwrite;
    QStringList NameFilters;
    QWidget* Parent;
    std::string PathName;
};
