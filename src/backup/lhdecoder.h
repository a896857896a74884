#pragma once
// A fast -lh5- / -lh6- / -lh7- decoder that only checks: it unpacks into a small ring and
// reports the size and CRC-16 of what came out. The read-back check of a new backup uses it
// on the bytes just written; restores read archives through libarchive.
#include <QtGlobal>

#include <cstdint>
#include <optional>

struct LhDecoded {
    qint64 size = 0;
    std::uint16_t crc = 0;
};

// `dictBits` is 13 for -lh5-, 15 for -lh6-, 16 for -lh7-. Decodes `original` bytes from
// `packed`; nullopt when the packed data is malformed or ends before that many bytes came out.
std::optional<LhDecoded> DecodeLh(const unsigned char *packed, qint64 packedSize, qint64 original, int dictBits);
