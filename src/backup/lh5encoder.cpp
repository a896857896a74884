#include "backup/lh5encoder.h"

#include "backup/crc16.h"
#include "backup/huffman.h"

#include <QIODevice>

#include <cstring>
#include <vector>

namespace
{

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr int kLitLenSymbols = 256 + kMaxMatch - kMinMatch + 1; // 510
constexpr int kTempSymbols = 19;
constexpr int kTempBits = 5;
constexpr int kLitLenBits = 9;
constexpr int kBlockSymbols = 65535; // block size is a 16-bit count
constexpr int kHashBits = 15;
// Matching effort, tuned like a middle compression level.
constexpr int kMaxChain = 256;
constexpr int kGoodLength = 8;
constexpr int kMaxLazy = 256;
constexpr int kNiceLength = 256;

class BitWriter
{
  public:
    explicit BitWriter(QIODevice &out) : m_out(out) { m_bytes.reserve(1 << 16); }
    void put(int count, unsigned value)
    {
        m_acc = (m_acc << count) | (value & ((1u << count) - 1));
        m_bits += count;
        while (m_bits >= 8) {
            m_bits -= 8;
            m_bytes.push_back(char(m_acc >> m_bits));
        }
        if (m_bytes.size() >= (1 << 16))
            drain();
    }
    void finish()
    {
        if (m_bits > 0)
            put(8 - m_bits, 0);
        drain();
    }
    bool failed() const { return m_failed; }
    qint64 written() const { return m_written + qint64(m_bytes.size()); }

  private:
    void drain()
    {
        if (!m_bytes.empty() && m_out.write(m_bytes.data(), qint64(m_bytes.size())) != qint64(m_bytes.size()))
            m_failed = true;
        m_written += qint64(m_bytes.size());
        m_bytes.clear();
    }
    QIODevice &m_out;
    std::vector<char> m_bytes;
    std::uint64_t m_acc = 0;
    int m_bits = 0;
    qint64 m_written = 0;
    bool m_failed = false;
};

int bitLength(unsigned v)
{
    int n = 0;
    while (v) {
        ++n;
        v >>= 1;
    }
    return n;
}

// Counts what a block would take, so the last block can be sized before it is written.
struct BitCounter {
    qint64 bits = 0;
    void put(int count, unsigned) { bits += count; }
};

// libarchive (the restore's reader) refuses a stream whose last block starts fewer than 8 bytes
// before the end, though the format allows it: it refills its bit cache 8 bytes at a time and
// takes a short refill at a block start for damage. A last block at least this long is safe.
constexpr qint64 kShortestLastBlockBits = 64;

class BlockCoder
{
  public:
    BlockCoder(BitWriter &bits, int dictBits)
        : m_bits(bits), m_posSymbols(dictBits + 1), m_posBits(dictBits == 13 ? 4 : 5)
    {
        m_codes.reserve(kBlockSymbols);
        m_dists.reserve(kBlockSymbols);
    }
    void literal(unsigned char c)
    {
        m_codes.push_back(c);
        if (int(m_codes.size()) >= kBlockSymbols)
            flush(false);
    }
    void match(int length, int distance)
    {
        m_codes.push_back(std::uint16_t(256 + length - kMinMatch));
        m_dists.push_back(std::uint16_t(distance - 1));
        if (int(m_codes.size()) >= kBlockSymbols)
            flush(false);
    }
    // Writes the codes gathered so far as one block; `last` when no block follows.
    void flush(bool last);

  private:
    // `widePositions` spells the position table out in full (a longer block that reads the same).
    template <typename Sink> void write(Sink &out, bool widePositions) const;

    BitWriter &m_bits;
    int m_posSymbols;
    int m_posBits;
    std::vector<std::uint16_t> m_codes; // literal/length symbols of the block
    std::vector<std::uint16_t> m_dists; // distance - 1 of each match, in order
};

// The run-length alphabet that codes the literal/length code lengths.
template <typename Emit> void walkLitLenLengths(const std::vector<std::uint8_t> &len, int n, Emit send)
{
    int i = 0;
    while (i < n) {
        const int k = len[i++];
        if (k != 0) {
            send(k + 2, -1, 0);
            continue;
        }
        int count = 1;
        while (i < n && len[i] == 0) {
            ++i;
            ++count;
        }
        if (count <= 2) {
            for (int j = 0; j < count; ++j)
                send(0, -1, 0);
        } else if (count <= 18) {
            send(1, 4, count - 3);
        } else if (count == 19) {
            send(0, -1, 0);
            send(1, 4, 15);
        } else {
            send(2, kLitLenBits, count - 20);
        }
    }
}

int usedLength(const std::vector<std::uint8_t> &len)
{
    int n = int(len.size());
    while (n > 0 && len[n - 1] == 0)
        --n;
    return n;
}

int onlyUsed(const std::vector<std::uint32_t> &freq)
{
    for (std::size_t i = 0; i < freq.size(); ++i)
        if (freq[i])
            return int(i);
    return 0;
}

// The first `n` code lengths of a temporary or position table.
template <typename Sink>
void writeTempTable(Sink &out, const std::vector<std::uint8_t> &len, int n, int countBits, int special)
{
    out.put(countBits, unsigned(n));
    int i = 0;
    while (i < n) {
        const int k = len[std::size_t(i++)];
        if (k <= 6)
            out.put(3, unsigned(k));
        else
            out.put(k - 3, (1u << (k - 3)) - 2);
        if (i == special) {
            while (i < n && i < 6 && len[std::size_t(i)] == 0)
                ++i;
            out.put(2, unsigned(i - 3));
        }
    }
}

template <typename Sink>
void writeLitLenLengths(Sink &out, const std::vector<std::uint8_t> &len, const std::vector<std::uint8_t> &tLen,
                        const std::vector<std::uint16_t> &tCode)
{
    const int n = usedLength(len);
    out.put(kLitLenBits, unsigned(n));
    walkLitLenLengths(len, n, [&](int sym, int extraBits, int extra) {
        out.put(tLen[std::size_t(sym)], tCode[std::size_t(sym)]);
        if (extraBits > 0)
            out.put(extraBits, unsigned(extra));
    });
}

void BlockCoder::flush(bool last)
{
    if (m_codes.empty())
        return;
    bool widePositions = false;
    if (last) {
        BitCounter counter;
        write(counter, false);
        widePositions = counter.bits < kShortestLastBlockBits;
    }
    write(m_bits, widePositions);
    m_codes.clear();
    m_dists.clear();
}

template <typename Sink> void BlockCoder::write(Sink &out, bool widePositions) const
{
    std::vector<std::uint32_t> cFreq(kLitLenSymbols, 0), pFreq(std::size_t(m_posSymbols), 0);
    for (std::uint16_t c : m_codes)
        ++cFreq[c];
    for (std::uint16_t d : m_dists)
        ++pFreq[std::size_t(bitLength(d))];

    out.put(16, unsigned(m_codes.size()));
    const std::vector<std::uint8_t> cLen = HuffmanLengths(cFreq);
    const bool cSingle = usedLength(cLen) == 0;
    std::vector<std::uint16_t> cCode;
    if (cSingle) {
        out.put(kTempBits, 0);
        out.put(kTempBits, 0);
        out.put(kLitLenBits, 0);
        out.put(kLitLenBits, unsigned(onlyUsed(cFreq)));
    } else {
        cCode = CanonicalCodes(cLen);
        std::vector<std::uint32_t> tFreq(kTempSymbols, 0);
        walkLitLenLengths(cLen, usedLength(cLen), [&](int sym, int, int) { ++tFreq[std::size_t(sym)]; });
        std::vector<std::uint8_t> tLen = HuffmanLengths(tFreq);
        std::vector<std::uint16_t> tCode(kTempSymbols, 0);
        if (usedLength(tLen) == 0) {
            out.put(kTempBits, 0);
            out.put(kTempBits, unsigned(onlyUsed(tFreq)));
        } else {
            tCode = CanonicalCodes(tLen);
            writeTempTable(out, tLen, usedLength(tLen), kTempBits, 3);
        }
        writeLitLenLengths(out, cLen, tLen, tCode);
    }

    std::vector<std::uint8_t> pLen = HuffmanLengths(pFreq);
    std::vector<std::uint16_t> pCode;
    bool pSingle = usedLength(pLen) == 0;
    if (pSingle && widePositions) {
        // Two one-bit codes, the second never used, make a full table out of a single slot.
        const int only = onlyUsed(pFreq);
        pLen[std::size_t(only)] = 1;
        pLen[only == 0 ? 1 : 0] = 1;
        pSingle = false;
    }
    if (pSingle) {
        out.put(m_posBits, 0);
        out.put(m_posBits, unsigned(onlyUsed(pFreq)));
    } else {
        pCode = CanonicalCodes(pLen);
        writeTempTable(out, pLen, widePositions ? m_posSymbols : usedLength(pLen), m_posBits, -1);
    }

    std::size_t d = 0;
    for (std::uint16_t c : m_codes) {
        if (!cSingle)
            out.put(cLen[c], cCode[c]);
        if (c < 256)
            continue;
        const unsigned dist = m_dists[d++];
        const int slot = bitLength(dist);
        if (!pSingle)
            out.put(pLen[std::size_t(slot)], pCode[std::size_t(slot)]);
        if (slot > 1)
            out.put(slot - 1, dist & ((1u << (slot - 1)) - 1));
    }
}

class Matcher
{
  public:
    Matcher(QIODevice &in, BlockCoder &coder, Lh5Result &result, int dictBits)
        : m_in(in), m_coder(coder), m_result(result), m_window(1 << dictBits), m_mask(m_window - 1),
          m_maxDistance(m_window - 1), m_farShort(m_window / 2), m_buf(std::size_t(8 * std::max(m_window, 8192))),
          m_head(1 << kHashBits, -1), m_prev(std::size_t(m_window), -1)
    {
    }
    // false on a read error; `stop` is asked now and then whether to give up early.
    template <typename Stop> bool run(Stop stop);

  private:
    bool refill();
    unsigned char at(qint64 pos) const { return m_buf[std::size_t(pos - m_bufStart)]; }
    unsigned hashAt(qint64 pos) const
    {
        const unsigned char *p = &m_buf[std::size_t(pos - m_bufStart)];
        return ((unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2]) * 2654435761u) >> (32 - kHashBits);
    }
    void insert(qint64 pos)
    {
        if (pos + kMinMatch > m_bufEnd)
            return;
        const unsigned h = hashAt(pos);
        m_prev[std::size_t(pos & m_mask)] = m_head[h];
        m_head[h] = pos;
    }
    int longestMatch(qint64 pos, int prevLength, int *distance) const;

    QIODevice &m_in;
    BlockCoder &m_coder;
    Lh5Result &m_result;
    const int m_window;
    const int m_mask;
    const int m_maxDistance; // a copy never reaches the byte being written
    const int m_farShort;    // a shortest match this far away costs more than its literals
    std::vector<unsigned char> m_buf;
    std::vector<qint64> m_head;
    std::vector<qint64> m_prev;
    qint64 m_bufStart = 0; // absolute position of m_buf[0]
    qint64 m_bufEnd = 0;   // absolute end of the data read so far
    bool m_eof = false;
};

bool Matcher::refill()
{
    const qint64 keepFrom = std::max(m_bufStart, m_bufEnd - qint64(m_window) - kMaxMatch - 8);
    const qint64 keep = m_bufEnd - keepFrom;
    if (keepFrom > m_bufStart) {
        std::memmove(m_buf.data(), m_buf.data() + (keepFrom - m_bufStart), std::size_t(keep));
        m_bufStart = keepFrom;
    }
    while (!m_eof && m_bufEnd - m_bufStart < qint64(m_buf.size())) {
        const qint64 room = qint64(m_buf.size()) - (m_bufEnd - m_bufStart);
        const qint64 got = m_in.read(reinterpret_cast<char *>(m_buf.data()) + (m_bufEnd - m_bufStart), room);
        if (got < 0)
            return false;
        if (got == 0) {
            m_eof = m_in.atEnd() || !m_in.waitForReadyRead(-1);
            if (m_eof)
                break;
            continue;
        }
        m_result.crc = Crc16Update(m_result.crc, m_buf.data() + (m_bufEnd - m_bufStart), std::size_t(got));
        m_bufEnd += got;
        m_result.originalSize += got;
    }
    return true;
}

// Bytes two runs have in common, up to `limit`, eight at a time.
int commonLength(const unsigned char *a, const unsigned char *b, int limit)
{
    int n = 0;
    while (n + 8 <= limit) {
        std::uint64_t x, y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y)
            return n + (__builtin_ctzll(x ^ y) >> 3);
        n += 8;
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

int Matcher::longestMatch(qint64 pos, int prevLength, int *distance) const
{
    const int maxLen = int(std::min<qint64>(kMaxMatch, m_bufEnd - pos));
    if (maxLen < kMinMatch || prevLength >= maxLen)
        return 0;
    int chain = prevLength >= kGoodLength ? kMaxChain / 4 : kMaxChain;
    int best = prevLength >= kMinMatch ? prevLength : kMinMatch - 1;
    int found = 0;
    const unsigned char *here = &m_buf[std::size_t(pos - m_bufStart)];
    const qint64 limit = pos - m_maxDistance;
    qint64 cand = m_prev[std::size_t(pos & m_mask)];
    while (cand >= limit && cand >= 0 && chain-- > 0) {
        const unsigned char *there = &m_buf[std::size_t(cand - m_bufStart)];
        if (there[best] == here[best] && there[best - 1] == here[best - 1] && there[0] == here[0] &&
            there[1] == here[1]) {
            const int len = commonLength(there, here, maxLen);
            if (len > best) {
                best = len;
                found = len;
                *distance = int(pos - cand);
                if (len >= std::min(maxLen, kNiceLength))
                    break;
            }
        }
        const qint64 next = m_prev[std::size_t(cand & m_mask)];
        if (next >= cand) // the slot was reused by a newer position: the chain ends here
            break;
        cand = next;
    }
    return found;
}

template <typename Stop> bool Matcher::run(Stop stop)
{
    if (!refill())
        return false;
    qint64 pos = 0;
    int prevLength = 0;
    int prevDistance = 0;
    bool pending = false; // the byte at pos - 1 is not yet coded
    unsigned steps = 0;
    while (pos < m_bufEnd) {
        if (!m_eof && m_bufEnd - pos < kMaxMatch + kMinMatch + 1) {
            if (!refill())
                return false;
        }
        if ((++steps & 0xFFF) == 0 && stop())
            return true;
        insert(pos);
        int length = 0;
        int distance = 0;
        if (prevLength < kMaxLazy)
            length = longestMatch(pos, prevLength, &distance);
        if (length == kMinMatch && distance > m_farShort)
            length = 0;
        if (prevLength >= kMinMatch && length <= prevLength) {
            m_coder.match(prevLength, prevDistance);
            const qint64 end = pos - 1 + prevLength;
            for (qint64 p = pos + 1; p < end; ++p)
                insert(p);
            pos = end;
            pending = false;
            prevLength = 0;
        } else {
            if (pending)
                m_coder.literal(at(pos - 1));
            pending = true;
            prevLength = length;
            prevDistance = distance;
            ++pos;
        }
    }
    if (pending)
        m_coder.literal(at(pos - 1));
    return true;
}

} // namespace

Lh5Result EncodeLh5(QIODevice &in, QIODevice &out, qint64 packedLimit)
{
    return EncodeLh(in, out, 13, packedLimit);
}

Lh5Result EncodeLh(QIODevice &in, QIODevice &out, int dictBits, qint64 packedLimit)
{
    Lh5Result result;
    if (dictBits < 13 || dictBits > 16)
        return result;
    BitWriter bits(out);
    BlockCoder coder(bits, dictBits);
    Matcher matcher(in, coder, result, dictBits);
    bool gaveUp = false;
    const bool read = matcher.run([&] {
        gaveUp = packedLimit >= 0 && bits.written() >= packedLimit;
        return gaveUp;
    });
    if (!gaveUp)
        coder.flush(true);
    bits.finish();
    result.packedSize = gaveUp ? std::max(bits.written(), packedLimit) : bits.written();
    result.ok = read && !bits.failed();
    return result;
}
