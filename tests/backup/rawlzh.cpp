#include "rawlzh.h"

#include "backup/crc16.h"

#include <QList>

namespace
{
void u16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void u32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}
} // namespace

namespace
{
QByteArray entry(const QByteArray &method, const QByteArray &name, const QByteArray &data, qint64 original, quint16 crc,
                 quint16 unixMode, qint64 claimedSize)
{
    // Extended headers (type byte and data); each is followed by the size of the next one.
    QList<QByteArray> ext;
    ext << QByteArray(3, '\0'); // header CRC, filled in below
    ext << QByteArray(1, '\x01') + name;
    if (unixMode != 0) {
        QByteArray mode(1, '\x50');
        u16(mode, unixMode);
        ext << mode;
    }
    if (claimedSize >= 0) {
        QByteArray sizes(1, '\x42');
        u32(sizes, quint32(data.size()));
        u32(sizes, 0);
        u32(sizes, quint32(quint64(claimedSize) & 0xFFFFFFFFu));
        u32(sizes, quint32(quint64(claimedSize) >> 32));
        ext << sizes;
    }
    QByteArray h;
    u16(h, 0); // total size, filled in below
    h += method;
    u32(h, quint32(data.size()));
    u32(h, quint32(original));
    u32(h, 1700000000u);
    h.append(char(0x20));
    h.append(char(2));
    u16(h, crc);
    h.append('U');
    u16(h, quint16(ext.first().size() + 2));
    const int crcAt = int(h.size()) + 1;
    for (int i = 0; i < ext.size(); ++i) {
        h += ext[i];
        u16(h, i + 1 < ext.size() ? quint16(ext[i + 1].size() + 2) : 0);
    }
    if ((h.size() & 0xFF) == 0)
        h.append(char(0));
    h[0] = char(h.size() & 0xFF);
    h[1] = char((h.size() >> 8) & 0xFF);
    const quint16 headerCrc = Crc16(h.constData(), std::size_t(h.size()));
    h[crcAt] = char(headerCrc & 0xFF);
    h[crcAt + 1] = char(headerCrc >> 8);
    return h + data;
}
} // namespace

QByteArray RawLzhEntry(const QByteArray &method, const QByteArray &name, const QByteArray &data, quint16 unixMode,
                       qint64 claimedSize)
{
    return entry(method, name, data, data.size(), Crc16(data.constData(), std::size_t(data.size())), unixMode,
                 claimedSize);
}

QByteArray RawLzhPackedEntry(const QByteArray &method, const QByteArray &name, const QByteArray &packed,
                             qint64 original, quint16 crc)
{
    return entry(method, name, packed, original, crc, 0, -1);
}

QByteArray RawLzhArchive(const QList<QByteArray> &entries)
{
    QByteArray out;
    for (const QByteArray &e : entries)
        out += e;
    out.append(char(0));
    return out;
}

QByteArray RawLzhOldLevelPackedEntry(int level, const QByteArray &method, const QByteArray &name,
                                     const QByteArray &packed, qint64 original, quint16 crc, bool withExtension)
{
    // A level-1 extension (type 0x3F, a comment of three bytes) and the size of the next (none).
    QByteArray extension;
    if (level == 1 && withExtension) {
        extension = QByteArray("\x3f"
                               "abc",
                               4);
        u16(extension, 0);
    }
    QByteArray h; // from the method id to the end of the header
    h += method;
    u32(h, quint32(packed.size() + extension.size())); // level 1 counts its extensions as packed data
    u32(h, quint32(original));
    u32(h, (quint32(46) << 25) | (6u << 21) | (15u << 16) | (12u << 11)); // 2026-06-15 12:00
    h.append(char(0x20));                                                 // archive attribute
    h.append(char(level));
    h.append(char(name.size()));
    h += name;
    u16(h, crc);
    if (level == 1) {
        h.append('M');
        u16(h, quint16(extension.size()));
    }
    unsigned sum = 0;
    for (char c : h)
        sum += static_cast<unsigned char>(c);
    QByteArray entry;
    entry.append(char(h.size()));
    entry.append(char(sum & 0xFF));
    return entry + h + extension + packed;
}

QByteArray RawLzhOldLevelEntry(int level, const QByteArray &name, const QByteArray &data)
{
    return RawLzhOldLevelPackedEntry(level, "-lh0-", name, data, data.size(),
                                     Crc16(data.constData(), std::size_t(data.size())), false);
}
