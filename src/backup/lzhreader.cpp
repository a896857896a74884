#include "backup/lzhreader.h"

#include "backup/crc16.h"
#include "backup/lhdecoder.h"
#include "backup/lzhdatalocation.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace
{

struct ArchiveCloser {
    void operator()(archive *a) const { archive_read_free(a); }
};

enum class DataRead { Ok, Refused, Failed };

// `budget` is how many bytes the entry may still produce (negative: no limit). Refused: the
// packed data did not decode in libarchive.
DataRead readData(archive *a, QFile *out, LzhEntry &entry, qint64 budget)
{
    entry.size = 0;
    entry.crc = 0;
    const void *block = nullptr;
    size_t length = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int r = archive_read_data_block(a, &block, &length, &offset);
        if (r == ARCHIVE_EOF)
            return DataRead::Ok;
        // libarchive reports a data CRC mismatch as a warning: any warning fails the read.
        if (r == ARCHIVE_FAILED)
            return DataRead::Refused;
        if (r != ARCHIVE_OK)
            return DataRead::Failed;
        if (offset != entry.size)
            return DataRead::Failed; // sparse data has no place in an LZH entry
        entry.crc = Crc16Update(entry.crc, block, length);
        entry.size += qint64(length);
        if (budget >= 0 && entry.size > budget)
            return DataRead::Failed;
        if (out && out->write(static_cast<const char *>(block), qint64(length)) != qint64(length))
            return DataRead::Failed;
    }
}

// libarchive refuses some valid -lh5- to -lh7- data: a last block that starts fewer than 8 bytes
// before the end of the packed data (any packer may write one; lhasa reads it). Such an entry is
// unpacked again by our own decoder, straight from the archive, and kept only when its size and
// CRC-16 match its header; damaged data still fails.
bool readWithOwnDecoder(QFile &archiveFile, qint64 headerAt, qint64 declared, QFile *out, LzhEntry &entry,
                        qint64 budget)
{
    const qint64 size = archiveFile.size();
    const uchar *map = archiveFile.map(0, size);
    if (!map)
        return false;
    const auto loc = LocateLzhData(map, size, headerAt);
    if (!loc || loc->dictBits <= 0 || loc->originalSize != declared || (budget >= 0 && loc->originalSize > budget))
        return false;
    if (out && (!out->resize(0) || !out->seek(0)))
        return false;
    const auto decoded = DecodeLh(map + loc->dataAt, loc->packedSize, loc->originalSize, loc->dictBits, LhEnd::AnyValid,
                                  [out](const unsigned char *data, qint64 n) {
                                      return !out || out->write(reinterpret_cast<const char *>(data), n) == n;
                                  });
    archiveFile.unmap(const_cast<uchar *>(map));
    if (!decoded || decoded->size != loc->originalSize || decoded->crc != loc->crc)
        return false;
    entry.size = decoded->size;
    entry.crc = decoded->crc;
    return true;
}

} // namespace

std::optional<std::vector<LzhEntry>> ReadLzhArchive(const QString &archivePath, const QString &folder,
                                                    const LzhEntryCheck &check, qint64 byteLimit)
{
    std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
    if (!a)
        return std::nullopt;
    archive_read_support_format_lha(a.get());
    if (archive_read_set_options(a.get(), "hdrcharset=CP932") != ARCHIVE_OK)
        return std::nullopt;
    const QByteArray path = QFile::encodeName(archivePath);
    if (archive_read_open_filename(a.get(), path.constData(), 1 << 16) != ARCHIVE_OK)
        return std::nullopt;

    std::vector<LzhEntry> entries;
    qint64 budget = byteLimit;
    for (;;) {
        archive_entry *e = nullptr;
        const int r = archive_read_next_header(a.get(), &e);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK)
            return std::nullopt; // header CRC error, a name that does not decode, a cut-short header
        const qint64 headerAt = archive_read_header_position(a.get());
        LzhEntry entry;
        const char *utf8 = archive_entry_pathname_utf8(e);
        if (!utf8)
            return std::nullopt;
        entry.name = QString::fromUtf8(utf8);
        entry.regularFile =
            archive_entry_filetype(e) == AE_IFREG && !archive_entry_hardlink(e) && !archive_entry_symlink(e);
        entry.size = archive_entry_size_is_set(e) ? archive_entry_size(e) : -1;
        if (archive_entry_mtime_is_set(e))
            entry.modified = QDateTime::fromSecsSinceEpoch(archive_entry_mtime(e));
        if (budget >= 0 && entry.size > budget)
            return std::nullopt; // refused on its header, before a byte is written
        if (!check(entry))
            return std::nullopt;
        const qint64 declared = entry.size;
        std::unique_ptr<QFile> out;
        if (!folder.isEmpty()) {
            out = std::make_unique<QFile>(folder + QLatin1Char('/') + entry.name);
            if (!out->open(QIODevice::WriteOnly | QIODevice::Truncate))
                return std::nullopt;
        }
        const DataRead read = readData(a.get(), out.get(), entry, budget);
        if (read == DataRead::Refused && declared >= 0) {
            QFile archiveFile(archivePath);
            if (!archiveFile.open(QIODevice::ReadOnly) ||
                !readWithOwnDecoder(archiveFile, headerAt, declared, out.get(), entry, budget))
                return std::nullopt;
        } else if (read != DataRead::Ok) {
            return std::nullopt;
        }
        if (budget >= 0)
            budget -= entry.size;
        if (declared >= 0 && declared != entry.size)
            return std::nullopt;
        if (out && !out->flush())
            return std::nullopt;
        entries.push_back(entry);
    }
    return entries;
}
