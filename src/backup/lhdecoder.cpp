#include "backup/lhdecoder.h"

#include "backup/crc16.h"

#include <array>
#include <cstring>
#include <vector>

namespace
{

constexpr int kMinMatch = 3;
constexpr int kLitLenSymbols = 510;
constexpr int kTempSymbols = 19;
constexpr int kMaxPosSymbols = 17;
constexpr int kFastBits = 12;
constexpr int kRingBits = 17; // twice the largest dictionary, so a chunk is checked before it is overwritten
constexpr int kRingSize = 1 << kRingBits;
constexpr int kRingMask = kRingSize - 1;
constexpr int kChunk = 1 << 15;

// MSB-first bits from memory; past the end it reads zeros and remembers that it overran.
class BitReader
{
  public:
    BitReader(const unsigned char *p, qint64 n) : m_begin(p), m_p(p), m_end(p + n) { refill(); }
    unsigned peek(int n) const { return unsigned(m_buf >> (64 - n)); }
    void skip(int n)
    {
        m_buf <<= n;
        m_count -= n;
        if (m_count < 32)
            refill();
    }
    unsigned get(int n)
    {
        if (n == 0)
            return 0;
        const unsigned v = peek(n);
        skip(n);
        return v;
    }
    bool overran() const { return m_over > 8; } // the final byte may hold a few padding bits
    qint64 bytePosition() const { return ((m_p - m_begin) + m_over) - (m_count + 7) / 8; }

  private:
    void refill()
    {
        while (m_count <= 56) {
            std::uint64_t byte = 0;
            if (m_p < m_end)
                byte = *m_p++;
            else
                ++m_over;
            m_buf |= byte << (56 - m_count);
            m_count += 8;
        }
    }
    const unsigned char *m_begin;
    const unsigned char *m_p;
    const unsigned char *m_end;
    std::uint64_t m_buf = 0;
    int m_count = 0;
    int m_over = 0;
};

// Canonical Huffman decoding as LHA builds its codes: shorter codes first, equal lengths in
// symbol order. Codes up to kFastBits come from one table look-up, longer ones bit by bit.
class HuffmanTable
{
  public:
    // False when the lengths do not form a usable code.
    bool build(const std::uint8_t *lengths, int n)
    {
        m_single = -1;
        std::array<int, 17> count{};
        for (int i = 0; i < n; ++i)
            ++count[lengths[i]];
        count[0] = 0;
        int left = 1;
        for (int len = 1; len <= 16; ++len) {
            left = (left << 1) - count[len];
            if (left < 0)
                return false; // over-subscribed
        }
        std::array<int, 17> offset{};
        for (int len = 1; len < 16; ++len)
            offset[len + 1] = offset[len] + count[len];
        m_sorted.assign(std::size_t(n), 0);
        for (int i = 0; i < n; ++i)
            if (lengths[i])
                m_sorted[std::size_t(offset[lengths[i]]++)] = std::uint16_t(i);
        m_count = count;
        m_fast.fill(0);
        unsigned code = 0;
        int index = 0;
        for (int len = 1; len <= 16; ++len) {
            for (int k = 0; k < count[len]; ++k, ++code, ++index) {
                if (len > kFastBits)
                    continue;
                const unsigned first = code << (kFastBits - len);
                const unsigned entry = unsigned(m_sorted[std::size_t(index)]) << 5 | unsigned(len);
                for (unsigned j = 0; j < (1u << (kFastBits - len)); ++j)
                    m_fast[first + j] = entry;
            }
            code <<= 1;
        }
        return true;
    }
    void single(int symbol) { m_single = symbol; }
    // -1 on a code that no symbol has.
    int decode(BitReader &bits) const
    {
        if (m_single >= 0)
            return m_single;
        const unsigned entry = m_fast[bits.peek(kFastBits)];
        if (entry) {
            bits.skip(int(entry & 31));
            return int(entry >> 5);
        }
        unsigned code = 0;
        int first = 0;
        int index = 0;
        for (int len = 1; len <= 16; ++len) {
            code |= bits.get(1);
            const int count = m_count[std::size_t(len)];
            if (int(code) - first < count)
                return m_sorted[std::size_t(index + int(code) - first)];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        return -1;
    }

  private:
    std::array<std::uint32_t, 1 << kFastBits> m_fast{};
    std::array<int, 17> m_count{};
    std::vector<std::uint16_t> m_sorted;
    int m_single = -1;
};

// The code lengths of the temporary and position tables.
bool readShortLengths(BitReader &bits, HuffmanTable &table, int symbols, int countBits, int special)
{
    const int n = int(bits.get(countBits));
    if (n == 0) {
        const int only = int(bits.get(countBits));
        if (only >= symbols)
            return false;
        table.single(only);
        return true;
    }
    if (n > symbols)
        return false;
    std::array<std::uint8_t, kMaxPosSymbols + kTempSymbols> len{};
    int i = 0;
    while (i < n) {
        int c = int(bits.peek(3));
        if (c == 7) {
            unsigned mask = 1u << 28; // the bit after the first three of a 32-bit look
            const unsigned look = bits.peek(32);
            while ((look & mask) && c < 16) {
                mask >>= 1;
                ++c;
            }
            if (c >= 16)
                return false;
        }
        bits.skip(c < 7 ? 3 : c - 3);
        len[std::size_t(i++)] = std::uint8_t(c);
        if (i == special) {
            int zeros = int(bits.get(2));
            while (zeros-- > 0 && i < n)
                len[std::size_t(i++)] = 0;
        }
    }
    return table.build(len.data(), symbols);
}

bool readLitLenLengths(BitReader &bits, const HuffmanTable &temp, HuffmanTable &table)
{
    const int n = int(bits.get(9));
    if (n == 0) {
        const int only = int(bits.get(9));
        if (only >= kLitLenSymbols)
            return false;
        table.single(only);
        return true;
    }
    if (n > kLitLenSymbols)
        return false;
    std::array<std::uint8_t, kLitLenSymbols> len{};
    int i = 0;
    while (i < n) {
        const int c = temp.decode(bits);
        if (c < 0)
            return false;
        if (c > 2) {
            len[std::size_t(i++)] = std::uint8_t(c - 2);
            continue;
        }
        const int zeros = c == 0 ? 1 : c == 1 ? int(bits.get(4)) + 3 : int(bits.get(9)) + 20;
        if (i + zeros > n)
            return false;
        i += zeros; // already zero
    }
    return table.build(len.data(), kLitLenSymbols);
}

} // namespace

std::optional<LhDecoded> DecodeLh(const unsigned char *packed, qint64 packedSize, qint64 original, int dictBits,
                                  LhEnd end, const LhSink &sink)
{
    if (dictBits < 13 || dictBits > 16 || original < 0)
        return std::nullopt;
    const int posSymbols = dictBits + 1;
    const int posBits = dictBits == 13 ? 4 : 5;
    BitReader bits(packed, packedSize);
    HuffmanTable temp, litLen, pos;
    std::vector<unsigned char> ring(kRingSize);
    LhDecoded result;
    qint64 out = 0;     // bytes produced
    qint64 checked = 0; // bytes already in the CRC
    bool sinkFailed = false;
    const auto check = [&](qint64 upTo) {
        while (upTo - checked >= kChunk || (upTo == original && checked < upTo)) {
            const qint64 n = std::min<qint64>(kChunk, upTo - checked);
            const unsigned char *chunk = ring.data() + (checked & kRingMask);
            result.crc = Crc16Update(result.crc, chunk, std::size_t(n));
            if (sink && !sinkFailed && !sink(chunk, n))
                sinkFailed = true;
            checked += n;
        }
    };
    const qint64 maxDistance = qint64(1) << dictBits;
    unsigned blockLeft = 0;
    qint64 lastBlockAt = 0; // the byte holding the first bit of the latest block
    while (out < original) {
        if (blockLeft == 0) {
            lastBlockAt = bits.bytePosition();
            blockLeft = bits.get(16);
            if (blockLeft == 0 || !readShortLengths(bits, temp, kTempSymbols, 5, 3) ||
                !readLitLenLengths(bits, temp, litLen) || !readShortLengths(bits, pos, posSymbols, posBits, -1))
                return std::nullopt;
            if (bits.overran())
                return std::nullopt;
        }
        --blockLeft;
        const int c = litLen.decode(bits);
        if (c < 0)
            return std::nullopt;
        if (c < 256) {
            ring[std::size_t(out & kRingMask)] = static_cast<unsigned char>(c);
            ++out;
        } else {
            const int length = c - 256 + kMinMatch;
            const int slot = pos.decode(bits);
            if (slot < 0)
                return std::nullopt;
            const qint64 distance = (slot <= 1 ? slot : (qint64(1) << (slot - 1)) + bits.get(slot - 1)) + 1;
            if (distance > out || distance > maxDistance || length > original - out)
                return std::nullopt;
            qint64 from = out - distance;
            const qint64 end = out + length;
            if ((out & kRingMask) + length <= kRingSize && (from & kRingMask) + length <= kRingSize &&
                distance >= length) {
                std::memcpy(ring.data() + (out & kRingMask), ring.data() + (from & kRingMask), std::size_t(length));
                out = end;
            } else {
                while (out < end)
                    ring[std::size_t(out++ & kRingMask)] = ring[std::size_t(from++ & kRingMask)];
            }
        }
        if (out - checked >= kChunk)
            check(out);
        if (bits.overran() || sinkFailed)
            return std::nullopt;
    }
    // The restore's reader (libarchive) refuses a last block that starts fewer than 8 bytes
    // before the end, so a backup holding one could not be restored.
    // A block that claims more codes than the data needs is damage, even if the bytes came out.
    if (blockLeft != 0)
        return std::nullopt;
    if (end == LhEnd::AsLibarchiveReads && original > 0 && packedSize - lastBlockAt < 8)
        return std::nullopt;
    check(out);
    if (sinkFailed)
        return std::nullopt;
    result.size = out;
    return result;
}
