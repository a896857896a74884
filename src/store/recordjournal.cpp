#include "store/recordjournal.h"

#include "store/fdio.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr char kLengthEntry = 'L';
constexpr char kBytesEntry = 'B';
constexpr int kChecksumBytes = 8;

quint64 checksum(const char *data, qsizetype size)
{
    // FNV-1a: enough to tell a complete entry from a torn one.
    quint64 h = 1469598103934665603ULL;
    for (qsizetype i = 0; i < size; ++i) {
        h ^= quint8(data[i]);
        h *= 1099511628211ULL;
    }
    return h;
}

void putInt(QByteArray &out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

quint64 getInt(const char *p, int bytes)
{
    quint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= quint64(quint8(p[i])) << (8 * i);
    return v;
}

void seal(QByteArray &entry)
{
    putInt(entry, checksum(entry.constData(), entry.size()), kChecksumBytes);
}

struct Entry {
    char kind = 0;
    int fileId = 0;
    qint64 offset = 0; // the old length for kLengthEntry
    QByteArray bytes;
};

// The complete entries of a journal, in the order they were written.
std::vector<Entry> parse(const QByteArray &data)
{
    std::vector<Entry> entries;
    qsizetype at = 0;
    while (at < data.size()) {
        const char *p = data.constData() + at;
        const qsizetype left = data.size() - at;
        if (left < 2 + 8 + kChecksumBytes)
            break;
        Entry e;
        e.kind = p[0];
        e.fileId = quint8(p[1]);
        e.offset = qint64(getInt(p + 2, 8));
        qsizetype size = 2 + 8;
        if (e.kind == kBytesEntry) {
            if (left < size + 4)
                break;
            const qint64 count = qint64(getInt(p + size, 4));
            size += 4;
            if (count < 0 || left < size + count + kChecksumBytes)
                break;
            e.bytes = QByteArray(p + size, qsizetype(count));
            size += qsizetype(count);
        } else if (e.kind != kLengthEntry) {
            break;
        }
        if (e.fileId >= RecordJournal::kFiles || e.offset < 0 || getInt(p + size, kChecksumBytes) != checksum(p, size))
            break;
        entries.push_back(std::move(e));
        at += size + kChecksumBytes;
    }
    return entries;
}

} // namespace

RecordJournal::~RecordJournal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RecordJournal::begin(const QString &journalPath)
{
    m_path = journalPath;
    m_active = true;
    m_lengthBefore.fill(-1);
    m_saved.clear();
}

bool RecordJournal::append(const QByteArray &entry)
{
    if (m_fd < 0) {
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666);
        if (m_fd < 0)
            return false;
        SyncFolder(QFileInfo(m_path).absolutePath());
    }
    return WriteFully(m_fd, entry.constData(), entry.size());
}

bool RecordJournal::saveBefore(int fileId, int fd, qint64 offset, qint64 length)
{
    if (!m_active)
        return true;
    if (fileId < 0 || fileId >= kFiles || fd < 0)
        return false;
    QByteArray entries;
    if (m_lengthBefore[size_t(fileId)] < 0) {
        struct stat info {
        };
        if (::fstat(fd, &info) != 0)
            return false;
        QByteArray e;
        e.append(kLengthEntry).append(char(fileId));
        putInt(e, quint64(info.st_size), 8);
        seal(e);
        entries += e;
        m_lengthBefore[size_t(fileId)] = info.st_size;
    }
    // Bytes beyond the old length need no copy: cutting the file back removes them.
    const qint64 oldLength = m_lengthBefore[size_t(fileId)];
    const qint64 end = std::min(offset + length, oldLength);
    if (offset < end && m_saved.insert({fileId, offset}).second) {
        QByteArray old(qsizetype(end - offset), '\0');
        if (!ReadFullyAt(fd, old.data(), old.size(), offset)) {
            m_saved.erase({fileId, offset});
            return false;
        }
        QByteArray e;
        e.append(kBytesEntry).append(char(fileId));
        putInt(e, quint64(offset), 8);
        putInt(e, quint64(old.size()), 4);
        e += old;
        seal(e);
        entries += e;
    }
    if (entries.isEmpty())
        return true;
    return append(entries) && ::fdatasync(m_fd) == 0;
}

bool RecordJournal::commit(const std::array<int, kFiles> &fds)
{
    m_active = false;
    if (m_fd < 0)
        return true;
    bool ok = true;
    for (int i = 0; i < kFiles; ++i) {
        if (m_lengthBefore[size_t(i)] >= 0 && fds[size_t(i)] >= 0)
            ok = ::fdatasync(fds[size_t(i)]) == 0 && ok;
    }
    ::close(m_fd);
    m_fd = -1;
    // The journal goes even when a sync failed: every write of the group succeeded, and a journal
    // left behind would silently undo at the next start an operation the user saw complete.
    ok = ::unlink(QFile::encodeName(m_path).constData()) == 0 && ok;
    return ok;
}

bool RecordJournal::RollBack(const QString &journalPath, const std::array<QString, kFiles> &paths)
{
    QFile journal(journalPath);
    if (!journal.exists())
        return true;
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    const std::vector<Entry> entries = parse(journal.readAll());
    journal.close();

    std::array<int, kFiles> fds{-1, -1, -1};
    std::array<qint64, kFiles> lengths{-1, -1, -1};
    bool ok = true;
    for (const Entry &e : entries) {
        if (e.kind == kLengthEntry && lengths[size_t(e.fileId)] < 0)
            lengths[size_t(e.fileId)] = e.offset;
    }
    for (int i = 0; i < kFiles && ok; ++i) {
        if (lengths[size_t(i)] < 0)
            continue;
        fds[size_t(i)] = ::open(QFile::encodeName(paths[size_t(i)]).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        ok = fds[size_t(i)] >= 0;
    }
    // Newest first, so a record saved twice ends with its oldest bytes.
    for (auto it = entries.rbegin(); ok && it != entries.rend(); ++it) {
        if (it->kind == kBytesEntry && fds[size_t(it->fileId)] >= 0)
            ok = WriteFully(fds[size_t(it->fileId)], it->bytes.constData(), it->bytes.size(), it->offset);
    }
    for (int i = 0; i < kFiles; ++i) {
        if (fds[size_t(i)] < 0)
            continue;
        if (ok)
            ok = ::ftruncate(fds[size_t(i)], lengths[size_t(i)]) == 0 && ::fsync(fds[size_t(i)]) == 0;
        ::close(fds[size_t(i)]);
    }
    return ok && QFile::remove(journalPath);
}
