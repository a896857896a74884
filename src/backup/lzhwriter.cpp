#include "backup/lzhwriter.h"

#include "backup/crc16.h"
#include "backup/lh5encoder.h"
#include "store/cp932.h"

#include <QFile>

#include <algorithm>

namespace
{

void putU16(QByteArray &b, int at, unsigned v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void putU32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A level-2 header: the fixed part, then the header-CRC and file-name extended headers.
QByteArray levelTwoHeader(const QByteArray &method, const QByteArray &name, quint32 packed, quint32 original,
                          quint32 time, std::uint16_t crc)
{
    constexpr int kFixed = 26;
    constexpr int kCrcExt = 5;
    const int nameExt = 3 + int(name.size());
    int size = kFixed + kCrcExt + nameExt;
    // A header whose size ends in a zero byte would read as the archive's end mark.
    const bool pad = (size & 0xFF) == 0;
    if (pad)
        ++size;
    QByteArray h(size, '\0');
    putU16(h, 0, unsigned(size));
    for (int i = 0; i < 5; ++i)
        h[2 + i] = method[i];
    putU32(h, 7, packed);
    putU32(h, 11, original);
    putU32(h, 15, time);
    h[19] = char(0x20);
    h[20] = char(2);
    putU16(h, 21, crc);
    h[23] = 'M';
    putU16(h, 24, kCrcExt);
    h[26] = char(0x00); // header CRC, filled in below
    putU16(h, 29, unsigned(nameExt));
    h[31] = char(0x01);
    for (int i = 0; i < name.size(); ++i)
        h[32 + i] = name[i];
    putU16(h, 32 + int(name.size()), 0);
    putU16(h, 27, Crc16(h.constData(), std::size_t(h.size())));
    return h;
}

bool copyStored(QFile &in, QFile &out, qint64 *size, std::uint16_t *crc)
{
    *size = 0;
    *crc = 0;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        *crc = Crc16Update(*crc, chunk.constData(), std::size_t(got));
        *size += got;
        if (out.write(chunk.constData(), got) != got)
            return false;
    }
}

bool writeEntry(QFile &out, const LzhSource &source, LzhEntryInfo *info)
{
    QFile in(source.path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray name = ToCp932(source.name);
    if (name.size() > 0xFF00)
        return false;
    const qint64 headerAt = out.pos();
    QByteArray header = levelTwoHeader("-lh5-", name, 0, 0, 0, 0);
    if (out.write(header) != header.size())
        return false;
    const qint64 dataAt = out.pos();
    const qint64 expected = in.size();
    Lh5Result r = EncodeLh5(in, out, expected);
    if (!r.ok)
        return false;
    QByteArray method("-lh5-");
    if (r.packedSize >= r.originalSize || r.originalSize != expected) {
        // Compression did not pay (or the file changed size while read): store it as it is.
        if (!out.seek(dataAt) || !out.resize(dataAt) || !in.seek(0))
            return false;
        if (!copyStored(in, out, &r.originalSize, &r.crc))
            return false;
        r.packedSize = r.originalSize;
        method = "-lh0-";
    }
    if (r.originalSize > 0xFFFFFFFFLL || r.packedSize > 0xFFFFFFFFLL)
        return false; // level-2 sizes are 32-bit
    const qint64 end = out.pos();
    const qint64 secs = source.modified.isValid() ? source.modified.toSecsSinceEpoch() : 0;
    header = levelTwoHeader(method, name, quint32(r.packedSize), quint32(r.originalSize),
                            quint32(std::clamp<qint64>(secs, 0, 0xFFFFFFFFLL)), r.crc);
    if (!out.seek(headerAt) || out.write(header) != header.size() || !out.seek(end))
        return false;
    info->name = source.name;
    info->size = r.originalSize;
    info->crc = r.crc;
    return true;
}

} // namespace

bool WriteLzhArchive(QFile &out, const std::vector<LzhSource> &sources, std::vector<LzhEntryInfo> *written)
{
    if (written)
        written->clear();
    for (const LzhSource &source : sources) {
        LzhEntryInfo info;
        if (!writeEntry(out, source, &info))
            return false;
        if (written)
            written->push_back(info);
    }
    return out.write("\0", 1) == 1 && out.flush();
}
