#include "hash2/hash2.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

HASH2_API std::int32_t HASH2_CALL CRC32(const std::uint8_t* bytes, std::int32_t length) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::int32_t i = 0; bytes != nullptr && i < length; ++i) {
        crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    }
    return static_cast<std::int32_t>(crc ^ 0xFFFFFFFFu);
}
