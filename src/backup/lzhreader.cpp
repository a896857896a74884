#include "backup/lzhreader.h"

#include "backup/crc16.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace
{

struct ArchiveCloser {
    void operator()(archive *a) const { archive_read_free(a); }
};

// `budget` is how many bytes the entry may still produce (negative: no limit).
bool readData(archive *a, QFile *out, LzhEntry &entry, qint64 budget)
{
    entry.size = 0;
    entry.crc = 0;
    const void *block = nullptr;
    size_t length = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int r = archive_read_data_block(a, &block, &length, &offset);
        if (r == ARCHIVE_EOF)
            return true;
        // libarchive reports a data CRC mismatch as a warning: any warning fails the read.
        if (r != ARCHIVE_OK)
            return false;
        if (offset != entry.size)
            return false; // sparse data has no place in an LZH entry
        entry.crc = Crc16Update(entry.crc, block, length);
        entry.size += qint64(length);
        if (budget >= 0 && entry.size > budget)
            return false;
        if (out && out->write(static_cast<const char *>(block), qint64(length)) != qint64(length))
            return false;
    }
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
        if (!readData(a.get(), out.get(), entry, budget))
            return std::nullopt;
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
