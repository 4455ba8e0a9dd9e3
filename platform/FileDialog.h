#pragma once
#include <string>

class QWidget;

// An Open or Save As dialog built from the classic arguments. It starts in the current
// directory; a file accepted in another folder makes that folder the current directory. The
// path it returns is absolute.
class CFileDialog {
public:
    CFileDialog(bool open, std::string defaultExtension, std::string fileName, unsigned flags,
                std::string filter, QWidget* parent);
    int DoModal(); // IDOK when the user accepted a file, IDCANCEL otherwise
    const std::string& GetPathName() const { return PathName; }

private:
    bool Open;
    std::string DefaultExtension;
    std::string FileName;
    unsigned Flags;
    std::string Filter;
    QWidget* Parent;
    std::string PathName;
};
