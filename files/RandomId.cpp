#include "files/RandomId.h"

#include <random>

std::uint64_t RandomId() {
    std::random_device source;
    return (static_cast<std::uint64_t>(source()) << 32) | source();
}
