#include "platform/MessageBox.h"

#include "platform/ModalAnswerer.h"

int MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
               unsigned flags) {
    return CurrentModalAnswerer().AnswerMessageBox(owner, {text, caption, flags});
}
