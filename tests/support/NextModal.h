#pragma once
// Answers a modal dialog that a handler is about to run: `action` gets the dialog as soon as
// it is the active modal widget, from inside its modal loop.
#include <functional>

class QWidget;

void OnNextModal(std::function<void(QWidget*)> action);
