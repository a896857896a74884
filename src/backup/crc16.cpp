#include "backup/crc16.h"

#include <array>

namespace
{
constexpr std::array<std::uint16_t, 256> makeTable()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int k = 0; k < 8; ++k)
            r = (r & 1) ? (r >> 1) ^ 0xA001u : r >> 1;
        table[i] = std::uint16_t(r);
    }
    return table;
}
constexpr auto kTable = makeTable();
} // namespace

std::uint16_t Crc16Update(std::uint16_t crc, const void *data, std::size_t length)
{
    const auto *p = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < length; ++i)
        crc = std::uint16_t(kTable[(crc ^ p[i]) & 0xFF] ^ (crc >> 8));
    return crc;
}
