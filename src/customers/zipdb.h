#pragma once
// ZipDB.IDX: the postal-code database the lookup window and the area charts search.
//
// One file, little-endian, built by `soranowa-admin zipdb build` and only ever read by the
// program. Every offset in it is checked against the file's size before use, so a cut-short or
// damaged file is refused, never followed.
//
//   header (64 bytes)
//     0  char[8]  magic "SNZIPDB\0"
//     8  u32      version (1)
//    12  u32      entry count N
//    16  u32      pool length P in UTF-16 code units
//    20  u32      bigram count B
//    24  u32      posting bytes Q
//    28  u32      reserved (0)
//    32  u64      file size in bytes (64 + 16N + 2P + 12B + Q)
//    40  u64      checksum of every byte after the header (ZipDbChecksum)
//    48  16 bytes reserved (0)
//   entry table: N entries of 16 bytes, sorted by postal code (then in source order)
//     u32 code | flags << 24   code as a number below 10,000,000; flag bit 0 = business (office) code
//     u32 display offset       in pool units: the address as listed
//     u32 key offset           in pool units: NormaliseAddressKey of the address (and office name)
//     u16 display length, u16 key length
//   string pool: P UTF-16 code units; a key equal to its display text is stored once
//   bigram table: B rows of 12 bytes sorted by bigram: u32 (first unit << 16 | second unit),
//     u32 offset into the postings, u32 number of entries
//   postings: per bigram, the ascending entry numbers that hold it in their key, each as the
//     difference from the previous one (the first from -1) in LEB128
//
// An address search takes the key's rarest bigram, walks its postings and checks each
// candidate's key for the whole search key; a code search is a binary search in the sorted
// entry table.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// One postal code with one address, as the builder receives it.
struct ZipDbEntry {
    quint32 code = 0; // 0 .. 9,999,999
    bool office = false;
    QString address; // as listed: prefecture, city, town ...
    QString name;    // business codes: the office's name, else empty
};

constexpr quint32 kZipDbVersion = 1;
constexpr int kZipDbHeaderSize = 64;
constexpr int kZipDbEntrySize = 16;
constexpr int kZipDbBigramSize = 12;

quint64 ZipDbChecksum(const uchar *data, qint64 size);

// The bytes of a database holding `entries` (sorted and de-duplicated here). Entries with a code
// of 10,000,000 or more or an empty address are left out.
QByteArray BuildZipDbBytes(std::vector<ZipDbEntry> entries);

// The text an entry is listed with: the address, and for a business code its office name.
QString ZipDbDisplayText(const ZipDbEntry &entry);

// A read-only view of one database file.
class ZipDatabase
{
  public:
    // nullptr when the file is missing, unreadable or fails any check.
    static std::shared_ptr<const ZipDatabase> open(const QString &path);
    // The same checks over bytes in memory (tests, fuzzing); the bytes are copied.
    static std::shared_ptr<const ZipDatabase> fromBytes(const QByteArray &bytes);

    quint32 count() const { return m_count; }
    quint32 code(quint32 i) const;
    bool office(quint32 i) const;
    QString display(quint32 i) const;
    QStringView key(quint32 i) const;

    // Entry numbers [first, last) whose codes lie in [lo, hi].
    std::pair<quint32, quint32> codeRange(quint32 lo, quint32 hi) const;
    // Entry numbers whose key contains `key` (normalised), ascending, at most `limit` of them;
    // `more` tells whether further ones exist.
    std::vector<quint32> findAddress(const QString &key, std::size_t limit, bool *more) const;

  private:
    bool attach(const uchar *data, qint64 size);
    const uchar *entryAt(quint32 i) const { return m_entries + std::size_t(i) * kZipDbEntrySize; }
    // Postings of one bigram: nullptr/0 when the bigram occurs nowhere.
    bool bigramPostings(quint32 bigram, const uchar **data, quint32 *bytes, quint32 *count) const;

    QFile m_file;
    QByteArray m_copy;
    const uchar *m_entries = nullptr;
    const char16_t *m_pool = nullptr;
    const uchar *m_bigrams = nullptr;
    const uchar *m_postings = nullptr;
    quint32 m_count = 0, m_poolSize = 0, m_bigramCount = 0, m_postingBytes = 0;
};
