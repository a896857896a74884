#pragma once
// The -lh5- compressor: LZSS over an 8 KiB window (match lengths 3-256) whose output is coded
// in blocks, each with its own static Huffman tables, exactly as LHA decoders expect.
#include <QtGlobal>

#include <cstdint>

class QIODevice;

struct Lh5Result {
    bool ok = false;         // false on a read or write error
    qint64 originalSize = 0; // bytes read from the input
    qint64 packedSize = 0;   // bytes written to the output
    std::uint16_t crc = 0;   // CRC-16 of the input
};

// Compresses everything `in` still holds. Stops early (without error) once the output would
// reach `packedLimit` bytes, so a caller can store the data uncompressed instead; the result
// then has packedSize >= packedLimit. A limit < 0 means none.
Lh5Result EncodeLh5(QIODevice &in, QIODevice &out, qint64 packedLimit = -1);
// The same coder with a 2^`dictBits` byte dictionary: 13 is -lh5-, 15 -lh6-, 16 -lh7-.
Lh5Result EncodeLh(QIODevice &in, QIODevice &out, int dictBits, qint64 packedLimit = -1);
