#include "store/fdio.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

bool ReadFullyAt(int fd, char *out, qint64 bytes, qint64 offset)
{
    while (bytes > 0) {
        const ssize_t n = ::pread(fd, out, size_t(bytes), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        bytes -= n;
        offset += n;
    }
    return true;
}

bool WriteFully(int fd, const char *data, qint64 bytes, qint64 offset)
{
    while (bytes > 0) {
        const ssize_t n =
            offset < 0 ? ::write(fd, data, size_t(bytes)) : ::pwrite(fd, data, size_t(bytes), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        bytes -= n;
        if (offset >= 0)
            offset += n;
    }
    return true;
}

void SyncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
