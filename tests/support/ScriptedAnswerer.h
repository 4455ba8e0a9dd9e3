#pragma once
// Answers message boxes and file dialogs from a script and records what was asked, so a test
// can drive a command that opens modal dialogs and check their texts, captions and flags.
#include "platform/ModalAnswerer.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ScriptedAnswerer : public ModalAnswerer {
public:
    ScriptedAnswerer();  // installs itself
    ~ScriptedAnswerer(); // puts the real dialogs back

    // Queued answers, used in order. A message box without a queued answer gets IDOK for a
    // single-button box and fails the test otherwise; a file dialog without one is cancelled.
    void AnswerBox(int result) { BoxAnswers.push_back(result); }
    void ChooseFile(const std::string& path) { FileAnswers.push_back(path); }
    void CancelFileDialog() { FileAnswers.push_back(std::nullopt); }

    int AnswerMessageBox(QWidget* owner, const MessageBoxRequest& request) override;
    std::optional<std::string> AnswerFileDialog(QWidget* owner,
                                                const FileDialogRequest& request) override;

    std::vector<MessageBoxRequest> Boxes;
    std::vector<FileDialogRequest> FileDialogs;
    std::deque<int> BoxAnswers;
    std::deque<std::optional<std::string>> FileAnswers;
    // Set when a box needed an answer that the script did not give.
    bool Unanswered = false;
};
