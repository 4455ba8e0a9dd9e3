#pragma once
// A file descriptor that is closed when its owner ends.
#include <unistd.h>
#include <utility>

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : Fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : Fd(std::exchange(other.Fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Reset();
            Fd = std::exchange(other.Fd, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Reset(); }

    int get() const { return Fd; }
    bool valid() const { return Fd >= 0; }
    // Closes now and tells whether the close succeeded (a delayed write error shows here).
    bool Close() { return ::close(std::exchange(Fd, -1)) == 0; }

private:
    void Reset() {
        if (Fd >= 0)
            ::close(std::exchange(Fd, -1));
    }
    int Fd = -1;
};
