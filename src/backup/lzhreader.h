#pragma once
// Reads LZH archives of any packer (-lh0-, -lh5-, -lh6-, -lh7-; header levels 0-2) through
// libarchive, which checks every header CRC and every entry's data CRC. Packed data that
// libarchive refuses although it is valid (a last block within 8 bytes of the end) is unpacked
// by our own decoder and kept only if its size and CRC-16 match the header.
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct LzhEntry {
    QString name;            // as stored, decoded from CP932
    bool regularFile = true; // false for directories, links and other kinds
    qint64 size = 0;         // bytes of data read (equals the header's size when read whole)
    std::uint16_t crc = 0;   // CRC-16 of the data read
    QDateTime modified;
};

// Asked for every entry before its data is read; false refuses the whole archive.
using LzhEntryCheck = std::function<bool(const LzhEntry &)>;

// Reads every entry and its data. With a non-empty `folder`, each entry is written there under
// its name (the check must have made sure the name is a bare file name). nullopt when the
// archive cannot be opened, an entry is refused, or any header or data is damaged or cut short.
// A non-negative `byteLimit` also refuses an archive whose entries claim or produce more bytes
// in all, so that a hostile archive cannot fill the disk.
std::optional<std::vector<LzhEntry>> ReadLzhArchive(const QString &archivePath, const QString &folder,
                                                    const LzhEntryCheck &check, qint64 byteLimit = -1);
