#pragma once
// Packing the data folder's "*.snw" files into one LZH archive and unpacking them again.
#include <QString>

enum class PackMode {
    Update,  // an existing archive keeps its entries; newer data files replace theirs
    Replace, // the archive holds exactly the data folder's files
};

// Packs every "*.snw" file of the data folder under its bare name. The archive is written under
// a temporary name, read back and checked entry by entry against what was packed, and only
// then put in place: on any failure an earlier archive of that name is left as it was.
bool PackData(const QString &archivePath, PackMode mode = PackMode::Update);

// Unpacks into the data folder, overwriting files of the same names. Nothing changes unless
// every entry is a plain "*.snw" file with a bare name and the whole archive reads without a
// header or data error; the data files are then replaced one by one, each atomically.
// An archive whose entries claim or produce more than UnpackByteLimit bytes is refused.
bool UnpackData(const QString &archivePath);

// The most an archive may unpack into `folder`: a fixed cap far above any shop's files, and
// never more than the folder's disk has room for.
qint64 UnpackByteLimit(const QString &folder);
inline constexpr qint64 kUnpackCap = qint64(16) << 30;

// A name an entry may have to be restored: a bare "*.snw" file name.
bool IsRestorableName(const QString &name);

// Whether the folder can be reached: when `create` is set, a missing folder is created first.
bool DriveReady(const QString &folder, bool create);
// The name shown when the folder cannot be reached.
QString DriveName(const QString &folder);
