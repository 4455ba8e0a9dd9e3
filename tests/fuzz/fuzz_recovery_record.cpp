// Any bytes, given a matching checksum, read as a recovery file: the decoder never crashes and
// never reads past its bounds, and whatever it accepts encodes to a file that reads back the
// same; a file of the current format encodes back to the very same bytes.
#include "level/RecoveryRecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::uint32_t crc = Crc32(bytes);
    for (int index = 0; index < 4; ++index)
        bytes.push_back(static_cast<char>(crc >> (8 * index)));
    const std::optional<RecoveryRecord> record = DecodeRecovery(bytes);
    if (!record)
        return 0;
    const std::optional<std::string> encoded = EncodeRecovery(*record);
    const bool current = static_cast<unsigned char>(bytes[8]) == RecoveryFormatVersion;
    if (!encoded || DecodeRecovery(*encoded) != record || (current && *encoded != bytes))
        std::abort();
    return 0;
}
