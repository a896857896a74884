#pragma once
// A fast -lh5- / -lh6- / -lh7- decoder: it unpacks into a small ring and reports the size and
// CRC-16 of what came out, handing the bytes to a sink when given one. The read-back check of a
// new backup uses it on the bytes just written; a restore uses it only for an entry libarchive
// refuses (see lzhreader.h).
#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <optional>

struct LhDecoded {
    qint64 size = 0;
    std::uint16_t crc = 0;
};

enum class LhEnd {
    // Also refuses a last block that starts fewer than 8 bytes before the end: valid, but
    // libarchive cannot read it.
    AsLibarchiveReads,
    AnyValid,
};

// Takes each piece of unpacked data in order; false stops the decoding.
using LhSink = std::function<bool(const unsigned char *data, qint64 size)>;

// `dictBits` is 13 for -lh5-, 15 for -lh6-, 16 for -lh7-. Decodes `original` bytes from
// `packed`; nullopt when the packed data is malformed, ends before that many bytes came out,
// or the sink refused a piece.
std::optional<LhDecoded> DecodeLh(const unsigned char *packed, qint64 packedSize, qint64 original, int dictBits,
                                  LhEnd end = LhEnd::AsLibarchiveReads, const LhSink &sink = {});
