#include "customers/zipdb.h"

#include "customers/zipkey.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <unordered_map>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the string pool is read in place as UTF-16LE");

namespace
{

constexpr char kMagic[8] = {'S', 'N', 'Z', 'I', 'P', 'D', 'B', '\0'};
constexpr quint32 kCodeLimit = 10000000;
constexpr quint32 kOfficeFlag = 1u << 24;

quint32 u32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 u16(const uchar *p)
{
    return qFromLittleEndian<quint16>(p);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put64(QByteArray &out, quint64 v)
{
    char b[8];
    qToLittleEndian(v, b);
    out.append(b, 8);
}

quint32 bigramAt(QStringView key, qsizetype i)
{
    return (quint32(key.at(i).unicode()) << 16) | key.at(i + 1).unicode();
}

// Reads one LEB128 number below 2^32 without passing `end`.
bool readVarint(const uchar *&p, const uchar *end, quint32 *value)
{
    quint64 v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        if (p >= end)
            return false;
        const uchar b = *p++;
        v |= quint64(b & 0x7F) << shift;
        if (!(b & 0x80)) {
            if (v > 0xFFFFFFFFu)
                return false;
            *value = quint32(v);
            return true;
        }
    }
    return false;
}

void putVarint(QByteArray &out, quint32 v)
{
    while (v >= 0x80) {
        out.append(char((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.append(char(v));
}

} // namespace

quint64 ZipDbChecksum(const uchar *data, qint64 size)
{
    // A word-wise multiply-and-rotate hash: it catches cut-short and damaged files at memory
    // speed, which a byte-wise CRC of the whole file would not at every window opening.
    quint64 h = 0x9E3779B97F4A7C15ull ^ quint64(size);
    qint64 i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 w;
        std::memcpy(&w, data + i, 8);
        h ^= w;
        h *= 0xFF51AFD7ED558CCDull;
        h = (h << 31) | (h >> 33);
    }
    for (; i < size; ++i) {
        h ^= data[i];
        h *= 0xC4CEB9FE1A85EC53ull;
    }
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return h;
}

QString ZipDbDisplayText(const ZipDbEntry &entry)
{
    if (entry.name.isEmpty())
        return entry.address;
    return entry.address + QStringLiteral("（") + entry.name + QStringLiteral("）");
}

QByteArray BuildZipDbBytes(std::vector<ZipDbEntry> entries)
{
    std::erase_if(entries, [](const ZipDbEntry &e) { return e.code >= kCodeLimit || e.address.isEmpty(); });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ZipDbEntry &a, const ZipDbEntry &b) { return a.code < b.code; });

    QByteArray table, pool;
    std::unordered_map<quint32, std::vector<quint32>> postings;
    quint32 n = 0;
    QString previousDisplay;
    quint32 previousCode = kCodeLimit;
    std::vector<QString> seen; // displays already stored for the current code
    for (const ZipDbEntry &e : entries) {
        const QString display = ZipDbDisplayText(e);
        if (e.code != previousCode) {
            seen.clear();
            previousCode = e.code;
        }
        // Two sources often list the same place; it is shown once.
        if (std::find(seen.begin(), seen.end(), display) != seen.end())
            continue;
        seen.push_back(display);
        // The office name is searchable too; the separator keeps a key from matching across it.
        const QString key = e.name.isEmpty()
                                ? NormaliseAddressKey(e.address)
                                : NormaliseAddressKey(e.address) + QChar(0x1F) + NormaliseAddressKey(e.name);
        const QString shownPart = display.left(0xFFFF), keyPart = key.left(0xFFFF);
        const quint32 displayOffset = quint32(pool.size() / 2);
        pool.append(reinterpret_cast<const char *>(shownPart.utf16()), shownPart.size() * 2);
        quint32 keyOffset = displayOffset;
        if (keyPart != shownPart) {
            keyOffset = quint32(pool.size() / 2);
            pool.append(reinterpret_cast<const char *>(keyPart.utf16()), keyPart.size() * 2);
        }
        put32(table, e.code | (e.office ? kOfficeFlag : 0));
        put32(table, displayOffset);
        put32(table, keyOffset);
        put16(table, quint16(shownPart.size()));
        put16(table, quint16(keyPart.size()));
        for (qsizetype i = 0; i + 1 < keyPart.size(); ++i) {
            std::vector<quint32> &list = postings[bigramAt(keyPart, i)];
            if (list.empty() || list.back() != n)
                list.push_back(n);
        }
        ++n;
    }

    std::vector<quint32> bigrams;
    bigrams.reserve(postings.size());
    for (const auto &[bigram, list] : postings)
        bigrams.push_back(bigram);
    std::sort(bigrams.begin(), bigrams.end());
    QByteArray bigramTable, postingBytes;
    for (quint32 bigram : bigrams) {
        const std::vector<quint32> &list = postings[bigram];
        put32(bigramTable, bigram);
        put32(bigramTable, quint32(postingBytes.size()));
        put32(bigramTable, quint32(list.size()));
        qint64 previous = -1;
        for (quint32 entry : list) {
            putVarint(postingBytes, quint32(entry - previous));
            previous = entry;
        }
    }

    QByteArray body = table + pool + bigramTable + postingBytes;
    QByteArray out;
    out.append(kMagic, 8);
    put32(out, kZipDbVersion);
    put32(out, n);
    put32(out, quint32(pool.size() / 2));
    put32(out, quint32(bigrams.size()));
    put32(out, quint32(postingBytes.size()));
    put32(out, 0);
    put64(out, quint64(kZipDbHeaderSize + body.size()));
    put64(out, ZipDbChecksum(reinterpret_cast<const uchar *>(body.constData()), body.size()));
    out.append(16, '\0');
    out += body;
    return out;
}

std::shared_ptr<const ZipDatabase> ZipDatabase::open(const QString &path)
{
    auto db = std::shared_ptr<ZipDatabase>(new ZipDatabase);
    db->m_file.setFileName(path);
    if (!db->m_file.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = db->m_file.size();
    if (size < kZipDbHeaderSize)
        return nullptr;
    const uchar *data = db->m_file.map(0, size);
    if (!data)
        return nullptr;
    if (!db->attach(data, size))
        return nullptr;
    return db;
}

std::shared_ptr<const ZipDatabase> ZipDatabase::fromBytes(const QByteArray &bytes)
{
    auto db = std::shared_ptr<ZipDatabase>(new ZipDatabase);
    db->m_copy = bytes;
    db->m_copy.detach();
    if (!db->attach(reinterpret_cast<const uchar *>(db->m_copy.constData()), db->m_copy.size()))
        return nullptr;
    return db;
}

bool ZipDatabase::attach(const uchar *data, qint64 size)
{
    if (size < kZipDbHeaderSize || std::memcmp(data, kMagic, 8) != 0 || u32(data + 8) != kZipDbVersion)
        return false;
    const quint64 count = u32(data + 12), poolSize = u32(data + 16), bigramCount = u32(data + 20),
                  postingBytes = u32(data + 24);
    const quint64 expected =
        kZipDbHeaderSize + count * kZipDbEntrySize + poolSize * 2 + bigramCount * kZipDbBigramSize + postingBytes;
    if (qFromLittleEndian<quint64>(data + 32) != quint64(size) || expected != quint64(size))
        return false;
    if (qFromLittleEndian<quint64>(data + 40) != ZipDbChecksum(data + kZipDbHeaderSize, size - kZipDbHeaderSize))
        return false;
    m_count = quint32(count);
    m_poolSize = quint32(poolSize);
    m_bigramCount = quint32(bigramCount);
    m_postingBytes = quint32(postingBytes);
    m_entries = data + kZipDbHeaderSize;
    m_pool = reinterpret_cast<const char16_t *>(m_entries + count * kZipDbEntrySize);
    m_bigrams = reinterpret_cast<const uchar *>(m_pool + poolSize);
    m_postings = m_bigrams + bigramCount * kZipDbBigramSize;
    // A checksum can be forged: every offset is still checked before anything trusts it.
    quint32 previous = 0;
    for (quint32 i = 0; i < m_count; ++i) {
        const uchar *e = entryAt(i);
        const quint32 code = u32(e) & 0xFFFFFF;
        if (code >= kCodeLimit || code < previous)
            return false;
        previous = code;
        const quint64 displayEnd = quint64(u32(e + 4)) + u16(e + 12);
        const quint64 keyEnd = quint64(u32(e + 8)) + u16(e + 14);
        if (displayEnd > m_poolSize || keyEnd > m_poolSize)
            return false;
    }
    quint32 previousBigram = 0;
    for (quint32 i = 0; i < m_bigramCount; ++i) {
        const uchar *row = m_bigrams + std::size_t(i) * kZipDbBigramSize;
        if ((i > 0 && u32(row) <= previousBigram) || u32(row + 4) >= m_postingBytes)
            return false;
        previousBigram = u32(row);
    }
    return true;
}

quint32 ZipDatabase::code(quint32 i) const
{
    return i < m_count ? (u32(entryAt(i)) & 0xFFFFFF) : 0;
}

bool ZipDatabase::office(quint32 i) const
{
    return i < m_count && (u32(entryAt(i)) & kOfficeFlag);
}

QString ZipDatabase::display(quint32 i) const
{
    if (i >= m_count)
        return {};
    const uchar *e = entryAt(i);
    return QString(reinterpret_cast<const QChar *>(m_pool + u32(e + 4)), u16(e + 12));
}

QStringView ZipDatabase::key(quint32 i) const
{
    if (i >= m_count)
        return {};
    const uchar *e = entryAt(i);
    return QStringView(m_pool + u32(e + 8), u16(e + 14));
}

std::pair<quint32, quint32> ZipDatabase::codeRange(quint32 lo, quint32 hi) const
{
    auto lower = [this](quint32 value) {
        quint32 a = 0, b = m_count;
        while (a < b) {
            const quint32 mid = a + (b - a) / 2;
            if (code(mid) < value)
                a = mid + 1;
            else
                b = mid;
        }
        return a;
    };
    return {lower(lo), hi >= 0xFFFFFFFEu ? m_count : lower(hi + 1)};
}

bool ZipDatabase::bigramPostings(quint32 bigram, const uchar **data, quint32 *bytes, quint32 *count) const
{
    quint32 a = 0, b = m_bigramCount;
    while (a < b) {
        const quint32 mid = a + (b - a) / 2;
        if (u32(m_bigrams + std::size_t(mid) * kZipDbBigramSize) < bigram)
            a = mid + 1;
        else
            b = mid;
    }
    if (a >= m_bigramCount)
        return false;
    const uchar *row = m_bigrams + std::size_t(a) * kZipDbBigramSize;
    if (u32(row) != bigram)
        return false;
    *data = m_postings + u32(row + 4);
    *bytes = m_postingBytes - u32(row + 4);
    *count = u32(row + 8);
    return true;
}

std::vector<quint32> ZipDatabase::findAddress(const QString &key, std::size_t limit, bool *more) const
{
    std::vector<quint32> found;
    *more = false;
    if (key.isEmpty())
        return found;
    auto take = [&](quint32 i) {
        if (!key.isEmpty() && this->key(i).contains(key)) {
            if (found.size() >= limit) {
                *more = true;
                return false;
            }
            found.push_back(i);
        }
        return true;
    };
    if (key.size() == 1) {
        for (quint32 i = 0; i < m_count; ++i) {
            if (!take(i))
                break;
        }
        return found;
    }
    const uchar *best = nullptr;
    quint32 bestBytes = 0, bestCount = 0xFFFFFFFFu;
    for (qsizetype i = 0; i + 1 < key.size(); ++i) {
        const uchar *data;
        quint32 bytes, count;
        if (!bigramPostings(bigramAt(key, i), &data, &bytes, &count))
            return found; // a pair of characters no address holds
        if (count < bestCount) {
            best = data;
            bestBytes = bytes;
            bestCount = count;
        }
    }
    const uchar *p = best, *end = best + bestBytes;
    qint64 entry = -1;
    for (quint32 k = 0; k < bestCount; ++k) {
        quint32 delta;
        if (!readVarint(p, end, &delta) || delta == 0 || entry + delta >= m_count)
            break;
        entry += delta;
        if (!take(quint32(entry)))
            break;
    }
    return found;
}
