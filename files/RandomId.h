#pragma once
// The one source of random numbers for names that must not be guessed or repeated: the
// temporary files of a save and the slots of the recovery folder.
#include <cstdint>

// 64 bits from the system's random source.
std::uint64_t RandomId();
