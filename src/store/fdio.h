#pragma once
// Whole reads and writes on POSIX file descriptors: the record files and their journal need
// every byte on disk or a clear failure, never a short write taken for a whole one.
#include <QString>
#include <QtGlobal>

// Reads exactly `bytes` at `offset`; false on a failure or at the end of the file.
bool ReadFullyAt(int fd, char *out, qint64 bytes, qint64 offset);
// Writes every byte, at `offset` or, when it is negative, at the file's current position.
bool WriteFully(int fd, const char *data, qint64 bytes, qint64 offset = -1);
// Flushes a folder's entries, so a file just made or renamed in it survives a power cut.
void SyncFolder(const QString &folder);
