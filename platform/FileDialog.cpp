#include "platform/FileDialog.h"

#include "platform/FileSystem.h"
#include "platform/ModalAnswerer.h"
#include "platform/Win32.h"

CFileDialog::CFileDialog(bool open, std::string defaultExtension, std::string fileName,
                         unsigned flags, std::string filter, QWidget* parent)
    : Open(open), DefaultExtension(std::move(defaultExtension)), FileName(std::move(fileName)),
      Flags(flags), Filter(std::move(filter)), Parent(parent) {}

int CFileDialog::DoModal() {
    const FileDialogRequest request{Open,  DefaultExtension, FileName,
                                    Flags, Filter,           GetCurrentDirectory()};
    const auto chosen = CurrentModalAnswerer().AnswerFileDialog(Parent, request);
    if (!chosen)
        return IDCANCEL;
    // A name typed where the dialog showed no folder comes back relative; it is fixed now, before
    // anything moves the current directory.
    PathName = AbsolutePath(*chosen);
    if (PathName.empty())
        return IDCANCEL;
    SetCurrentDirectory(FolderOfPath(PathName));
    return IDOK;
}
