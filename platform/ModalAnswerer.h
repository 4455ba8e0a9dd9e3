#pragma once
// Every message box and file dialog of the program goes through one answerer. The real one
// shows Qt's dialogs; a test installs its own to script the answers and read what was asked.
#include <optional>
#include <string>

class QWidget;

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned flags;
};

struct FileDialogRequest {
    bool open; // an Open dialog; otherwise Save As
    std::string defaultExtension;
    std::string fileName;
    unsigned flags;
    std::string filter; // "desc|pattern|...||"
    std::string folder; // where the dialog starts
};

class ModalAnswerer {
public:
    virtual ~ModalAnswerer() = default;
    // Returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int AnswerMessageBox(QWidget* owner, const MessageBoxRequest& request) = 0;
    // Returns the chosen full path, or nothing when the dialog was not accepted.
    virtual std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                        const FileDialogRequest& request) = 0;
};

ModalAnswerer& CurrentModalAnswerer();
// Installs a test's answerer; nullptr puts the real dialogs back.
void SetModalAnswerer(ModalAnswerer* answerer);
