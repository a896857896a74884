#include "store/textfile.h"

#include "store/cp932.h"

#include <QFile>
#include <QSaveFile>

std::optional<QStringList> ReadCp932Lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << FromCp932(bytes.constData() + start, int(i - start));
        if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // A last line without a line end still counts; an empty tail after a final line end does not.
    if (start < n)
        lines << FromCp932(bytes.constData() + start, int(n - start));
    return lines;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Check the flush: on a full disk commit() alone can report success for a cut-short file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteCp932Lines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += ToCp932(line);
        bytes += "\r\n";
    }
    return WriteFileAtomically(path, bytes);
}
