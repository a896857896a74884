#pragma once
// Writes LZH archives: level-2 headers with CP932 names, -lh5- data, or -lh0- (stored) where
// compression would not make the entry smaller.
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

class QFile;

struct LzhSource {
    QString name;       // the name inside the archive
    QString path;       // where the data comes from
    QDateTime modified; // the time recorded for the entry
};

struct LzhEntryInfo {
    QString name;
    qint64 size = 0;
    std::uint16_t crc = 0;
};

// Writes every source in order to `out` (open for writing, positioned at its start) followed by
// the archive's end mark. Returns false on any read or write error. `written`, when given,
// receives the size and CRC-16 of each entry's data as it was read from the source.
bool WriteLzhArchive(QFile &out, const std::vector<LzhSource> &sources, std::vector<LzhEntryInfo> *written);
