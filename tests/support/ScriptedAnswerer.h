#pragma once
// Answers message boxes and file dialogs from a script and records what was asked, so a test
// can drive a command that opens modal dialogs and check their texts, captions and kinds.
#include "dialogs/ModalAnswerer.h"

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A box's buttons and icon, compared at once.
using BoxKind = std::pair<QMessageBox::StandardButtons, QMessageBox::Icon>;
inline BoxKind KindOf(const MessageBoxRequest& box) {
    return {box.buttons, box.icon};
}
inline const BoxKind WarningBox{QMessageBox::Ok, QMessageBox::Warning};
inline const BoxKind SaveChangesBox{QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                    QMessageBox::Question};

class ScriptedAnswerer : public ModalAnswerer {
public:
    ScriptedAnswerer();  // installs itself
    ~ScriptedAnswerer(); // puts the real dialogs back

    // Queued answers, used in order. A message box without a queued answer gets OK when that
    // is its only button and fails the test otherwise; a file dialog without one is cancelled.
    void AnswerBox(QMessageBox::StandardButton answer) { BoxAnswers.push_back(answer); }
    void ChooseFile(const std::string& path) { FileAnswers.push_back(path); }
    void CancelFileDialog() { FileAnswers.push_back(std::nullopt); }

    QMessageBox::StandardButton AnswerMessageBox(QWidget* owner,
                                                 const MessageBoxRequest& request) override;
    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override;

    std::vector<MessageBoxRequest> Boxes;
    std::vector<FileDialogRequest> FileDialogs;
    std::deque<QMessageBox::StandardButton> BoxAnswers;
    std::deque<std::optional<std::string>> FileAnswers;
    // Set when a box needed an answer that the script did not give.
    bool Unanswered = false;
};
