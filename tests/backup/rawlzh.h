#pragma once
// Hand-built LZH entries for archives our writer would never make (hostile names, directories,
// links): level-2 headers laid out byte by byte, with correct header and data CRCs.
#include <QByteArray>

// One stored (-lh0-) entry, or any other method with `data` taken as already packed. A non-zero
// `unixMode` adds the Unix permission header (0x50).
// A non-negative `claimedSize` adds the 64-bit size header (0x42) claiming that many bytes unpacked.
QByteArray RawLzhEntry(const QByteArray &method, const QByteArray &name, const QByteArray &data, quint16 unixMode = 0,
                       qint64 claimedSize = -1);
// An entry whose data is already packed by `method`: `original` bytes with CRC-16 `crc` unpacked.
QByteArray RawLzhPackedEntry(const QByteArray &method, const QByteArray &name, const QByteArray &packed,
                             qint64 original, quint16 crc);
// The entries followed by the archive's end mark.
QByteArray RawLzhArchive(const QList<QByteArray> &entries);

// One stored entry with a level-0 or level-1 header (as older packers write them): DOS time,
// the name in the fixed part, a byte-sum header checksum.
QByteArray RawLzhOldLevelEntry(int level, const QByteArray &name, const QByteArray &data);
// The same with data already packed by `method`; a level-1 entry may carry one extended header.
QByteArray RawLzhOldLevelPackedEntry(int level, const QByteArray &method, const QByteArray &name,
                                     const QByteArray &packed, qint64 original, quint16 crc, bool withExtension);
