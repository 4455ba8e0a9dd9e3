#pragma once
// The ways the editor ends without its window closing that it can still see coming: SIGTERM,
// SIGHUP and SIGINT, and the loss of the connection to the display. Each runs `preserve` on the
// window's thread first. A signal then ends the process as that signal would have; the lost
// display ends it as Qt does.
#include <functional>

class QSocketNotifier;

class AbruptEndWatch {
public:
    explicit AbruptEndWatch(std::function<void()> preserve);
    ~AbruptEndWatch();
    AbruptEndWatch(const AbruptEndWatch&) = delete;
    AbruptEndWatch& operator=(const AbruptEndWatch&) = delete;

private:
    QSocketNotifier* Notifier = nullptr;
};
