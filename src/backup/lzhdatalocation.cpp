#include "backup/lzhdatalocation.h"

#include <cstring>

namespace
{

unsigned u16(const unsigned char *p)
{
    return unsigned(p[0]) | (unsigned(p[1]) << 8);
}

quint32 u32(const unsigned char *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

int dictBitsOf(const unsigned char *method)
{
    if (std::memcmp(method, "-lh", 3) != 0 || method[4] != '-')
        return -1;
    switch (method[3]) {
    case '0':
        return 0;
    case '5':
        return 13;
    case '6':
        return 15;
    case '7':
        return 16;
    default:
        return -1;
    }
}

} // namespace

std::optional<LzhDataLocation> LocateLzhData(const unsigned char *archive, qint64 size, qint64 headerAt)
{
    constexpr qint64 kFixed = 24; // every level's fields up to the name length or the CRC
    if (headerAt < 0 || size - headerAt < kFixed)
        return std::nullopt;
    const unsigned char *h = archive + headerAt;
    const qint64 left = size - headerAt;
    LzhDataLocation loc;
    loc.dictBits = dictBitsOf(h + 2);
    loc.packedSize = u32(h + 7);
    loc.originalSize = u32(h + 11);
    switch (h[20]) {
    case 0:
    case 1: {
        const qint64 headerSize = 2 + qint64(h[0]);
        const qint64 nameLength = h[21];
        if (headerSize > left || 24 + nameLength > headerSize)
            return std::nullopt;
        loc.crc = std::uint16_t(u16(h + 22 + nameLength));
        loc.dataAt = headerAt + headerSize;
        if (h[20] == 1) {
            // Level 1 counts its extended headers, which follow the base header, in the packed size.
            if (27 + nameLength > headerSize)
                return std::nullopt; // no room for the OS id and the first extended header's size
            qint64 next = u16(h + headerSize - 2);
            while (next != 0) {
                if (next < 3 || loc.packedSize < next || size - loc.dataAt < next)
                    return std::nullopt;
                const qint64 at = loc.dataAt;
                loc.dataAt += next;
                loc.packedSize -= next;
                next = u16(archive + at + next - 2);
            }
        }
        break;
    }
    case 2: {
        const qint64 headerSize = u16(h);
        if (headerSize < 26 || headerSize > left)
            return std::nullopt;
        loc.crc = std::uint16_t(u16(h + 21));
        loc.dataAt = headerAt + headerSize;
        break;
    }
    default:
        return std::nullopt;
    }
    if (loc.packedSize > size - loc.dataAt)
        return std::nullopt;
    return loc;
}
