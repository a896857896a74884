#pragma once
// Where an entry's packed data lies, read from its header as LHA lays headers out (levels 0, 1
// and 2): for the read-back check of our own archives, and for a restore when libarchive refuses
// an entry's data, to unpack it with our own decoder.
#include <QtGlobal>

#include <cstdint>
#include <optional>

struct LzhDataLocation {
    int dictBits = 0;  // 13 for -lh5-, 15 for -lh6-, 16 for -lh7-; 0 for any other method
    qint64 dataAt = 0; // offset of the packed data in the archive
    qint64 packedSize = 0;
    qint64 originalSize = 0;
    std::uint16_t crc = 0; // CRC-16 of the unpacked data, as the header gives it
};

// The entry whose header starts at `headerAt` in the archive's `size` bytes; nullopt when the
// header does not fit or its data would reach past the end.
std::optional<LzhDataLocation> LocateLzhData(const unsigned char *archive, qint64 size, qint64 headerAt);
