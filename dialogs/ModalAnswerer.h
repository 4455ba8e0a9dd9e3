#pragma once
// Every message box and file dialog of the program goes through one answerer. The real one
// shows Qt's dialogs; a test installs its own to script the answers and read what was asked.
#include <QMessageBox>
#include <QStringList>
#include <optional>
#include <string>

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
};

struct FileDialogRequest {
    bool open;                    // an Open dialog; otherwise Save As
    std::string defaultExtension; // without its dot, as Qt takes it: "txt"
    bool confirmOverwrite;        // Save As asks before it replaces an existing file
    QStringList nameFilters;      // as Qt writes them: "Levels (*.txt)"; "*.*" means every file
    std::string folder;           // where the dialog starts
};

class ModalAnswerer {
public:
    virtual ~ModalAnswerer() = default;
    // Returns one of the request's buttons, or Cancel when the box was closed without an
    // answer (Escape, the close box).
    virtual QMessageBox::StandardButton AnswerMessageBox(QWidget* owner,
                                                         const MessageBoxRequest& request) = 0;
    // Returns the chosen full path, or nothing when the dialog was not accepted.
    virtual std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                        const FileDialogRequest& request) = 0;
};

ModalAnswerer& CurrentModalAnswerer();
// Installs a test's answerer; nullptr puts the real dialogs back.
void SetModalAnswerer(ModalAnswerer* answerer);
