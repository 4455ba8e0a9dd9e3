#include "tests/support/ScriptedAnswerer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

// The owner's window is blocked while the answer stands for a box, as Qt blocks it for one.
struct BlockedOwner {
    explicit BlockedOwner(QWidget* owner) : Window(owner ? owner->window() : nullptr) {
        Send(QEvent::WindowBlocked);
    }
    ~BlockedOwner() { Send(QEvent::WindowUnblocked); }
    void Send(QEvent::Type type) {
        QEvent event(type);
        if (Window)
            QCoreApplication::sendEvent(Window, &event);
    }
    QWidget* Window;
};

} // namespace

ScriptedAnswerer::ScriptedAnswerer() {
    SetModalAnswerer(this);
}

ScriptedAnswerer::~ScriptedAnswerer() {
    SetModalAnswerer(nullptr);
}

QMessageBox::StandardButton ScriptedAnswerer::AnswerMessageBox(QWidget* owner,
                                                               const MessageBoxRequest& request) {
    const BlockedOwner blocked(owner);
    Boxes.push_back(request);
    if (!BoxAnswers.empty()) {
        const QMessageBox::StandardButton answer = BoxAnswers.front();
        BoxAnswers.pop_front();
        return answer;
    }
    if (request.buttons == QMessageBox::Ok)
        return QMessageBox::Ok;
    Unanswered = true;
    return QMessageBox::Cancel;
}

std::optional<std::string> ScriptedAnswerer::AnswerFileDialog(QWidget* owner,
                                                              const FileDialogRequest& request) {
    const BlockedOwner blocked(owner);
    FileDialogs.push_back(request);
    if (FileAnswers.empty())
        return std::nullopt;
    auto answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}
