#include "backup/crc16.h"

#include <array>

namespace
{
// Eight tables let the loop take eight bytes per step; the checksum runs over every byte of
// every backup twice (packing and the read-back check), so its speed shows.
using Tables = std::array<std::array<std::uint16_t, 256>, 8>;

constexpr Tables makeTables()
{
    Tables t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned r = i;
        for (int k = 0; k < 8; ++k)
            r = (r & 1) ? (r >> 1) ^ 0xA001u : r >> 1;
        t[0][i] = std::uint16_t(r);
    }
    for (int k = 1; k < 8; ++k)
        for (unsigned i = 0; i < 256; ++i)
            t[k][i] = std::uint16_t((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
    return t;
}
constexpr Tables kTables = makeTables();
} // namespace

std::uint16_t Crc16Update(std::uint16_t crc, const void *data, std::size_t length)
{
    const auto *p = static_cast<const unsigned char *>(data);
    unsigned c = crc;
    while (length >= 8) {
        c = kTables[7][(c ^ p[0]) & 0xFF] ^ kTables[6][((c >> 8) ^ p[1]) & 0xFF] ^ kTables[5][p[2]] ^ kTables[4][p[3]] ^
            kTables[3][p[4]] ^ kTables[2][p[5]] ^ kTables[1][p[6]] ^ kTables[0][p[7]];
        p += 8;
        length -= 8;
    }
    while (length--)
        c = kTables[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return std::uint16_t(c);
}
