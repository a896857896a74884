#include "backup/lzhverify.h"

#include "backup/crc16.h"
#include "backup/lhdecoder.h"
#include "backup/lzhdatalocation.h"
#include "store/cp932.h"

#include <QFile>

namespace
{

unsigned u16(const unsigned char *p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

} // namespace

std::optional<std::vector<LzhEntryInfo>> VerifyLzhArchive(const QString &archivePath)
{
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    // Mapped, the archive is read straight from the page cache it was just written to.
    const unsigned char *data = size > 0 ? file.map(0, size) : nullptr;
    if (!data)
        return std::nullopt;
    std::vector<LzhEntryInfo> entries;
    qint64 at = 0;
    for (;;) {
        if (at >= size)
            return std::nullopt; // no end mark
        if (data[at] == 0)
            return at + 1 == size ? std::optional(entries) : std::nullopt;
        if (size - at < 26)
            return std::nullopt;
        const unsigned char *h = data + at;
        const auto loc = LocateLzhData(data, size, at);
        if (!loc || h[20] != 2 || loc->dictBits < 0)
            return std::nullopt;
        const unsigned headerSize = unsigned(loc->dataAt - at);
        const int dictBits = loc->dictBits;
        const qint64 packed = loc->packedSize;
        const qint64 original = loc->originalSize;
        const std::uint16_t dataCrc = loc->crc;

        // Extended headers: the header CRC (checked over the header with its own field zeroed)
        // and the file name.
        QByteArray name;
        int headerCrcAt = -1;
        unsigned next = u16(h + 24);
        unsigned pos = 26;
        while (next != 0) {
            if (next < 3 || pos + next > headerSize)
                return std::nullopt;
            const unsigned char type = h[pos];
            if (type == 0x00 && next == 5)
                headerCrcAt = int(pos) + 1;
            else if (type == 0x01)
                name = QByteArray(reinterpret_cast<const char *>(h + pos + 1), int(next - 3));
            pos += next;
            next = u16(h + pos - 2);
        }
        if (headerCrcAt < 0 || name.isEmpty())
            return std::nullopt;
        QByteArray header(reinterpret_cast<const char *>(h), int(headerSize));
        header[headerCrcAt] = 0;
        header[headerCrcAt + 1] = 0;
        if (Crc16(header.constData(), std::size_t(header.size())) != u16(h + headerCrcAt))
            return std::nullopt;

        const unsigned char *body = h + headerSize;
        LzhEntryInfo info;
        info.name = FromCp932(name);
        if (dictBits == 0) {
            if (packed != original)
                return std::nullopt;
            info.size = original;
            info.crc = Crc16(body, std::size_t(original));
        } else {
            const auto decoded = DecodeLh(body, packed, original, dictBits);
            if (!decoded)
                return std::nullopt;
            info.size = decoded->size;
            info.crc = decoded->crc;
        }
        if (info.size != original || info.crc != dataCrc)
            return std::nullopt;
        entries.push_back(info);
        at += headerSize + packed;
    }
}
