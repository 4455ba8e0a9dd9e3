#include "platform/FileDialog.h"

#include "files/FileSystem.h"
#include "platform/ModalAnswerer.h"

#include <QDialog>

CFileDialog::CFileDialog(bool open, std::string defaultExtension, bool confirmOverwrite,
                         QStringList nameFilters, QWidget* parent)
    : Open(open), DefaultExtension(std::move(defaultExtension)), ConfirmOverwrite(confirmOverwrite),
      NameFilters(std::move(nameFilters)), Parent(parent) {}

int CFileDialog::DoModal() {
    const FileDialogRequest request{Open, DefaultExtension, ConfirmOverwrite, NameFilters,
                                    GetCurrentDirectory()};
    const auto chosen = CurrentModalAnswerer().AnswerFileDialog(Parent, request);
    if (!chosen)
        return QDialog::Rejected;
    // A name typed where the dialog showed no folder comes back relative; it is fixed now, before
    // anything moves the current directory.
    PathName = AbsolutePath(*chosen);
    if (PathName.empty())
        return QDialog::Rejected;
    SetCurrentDirectory(FolderOfPath(PathName));
    return QDialog::Accepted;
}
