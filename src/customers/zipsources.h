#pragma once
// The public postal-code lists ZipDB.IDX is built from:
//  - SKK postal-code dictionaries (Debian's skkdic-extra): EUC-JIS-2004 text, one line per code,
//    "1000001 /東京都千代田区千代田/", several addresses separated by "/"; in the business
//    dictionary each candidate is "office name @ address";
//  - Japan Post's KEN_ALL.CSV: CP932 (or UTF-8) comma-separated text, code in the third field,
//    prefecture, city and town in the seventh to ninth.
#include "customers/zipdb.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

inline const QString kDebianZipDictionary = QStringLiteral("/usr/share/skk/SKK-JISYO.zipcode");
inline const QString kDebianOfficeZipDictionary = QStringLiteral("/usr/share/skk/SKK-JISYO.office.zipcode");

// EUC-JIS-2004 to Unicode. A byte sequence that is not valid becomes "〓" (the geta mark), so
// one damaged line costs one character, not the file. `bad` counts them.
QString DecodeEucJis2004(const QByteArray &bytes, int *bad = nullptr);

enum class ZipSourceKind { Unknown, SkkDictionary, KenAllCsv };
// Told by content: SKK dictionaries start with ";;" comment lines or "NNNNNNN /"; KEN_ALL rows
// start with a quoted or bare 5-digit local-government code followed by a comma.
ZipSourceKind DetectZipSource(const QByteArray &bytes);

// Entries of an SKK dictionary; `office` marks every code of it as a business code (and splits
// "name @ address").
std::vector<ZipDbEntry> ParseSkkZipDictionary(const QString &text, bool office);
// Entries of KEN_ALL.CSV text. Towns split over several rows (an opened "（" closed on a later
// row of the same code) are joined; "以下に掲載がない場合" and similar notes are dropped, and so
// is a bracketed list of street numbers, which is no part of an address (floor names of
// high-rise buildings stay).
std::vector<ZipDbEntry> ParseKenAll(const QString &text);

struct ZipSourceReport {
    QString path;
    ZipSourceKind kind = ZipSourceKind::Unknown;
    int entries = 0;
    int badCharacters = 0;
};

// Reads one source file of either kind. A file whose name holds "office" or "jigyosyo" is read
// as business codes. False with `error` set when it cannot be read or is of neither kind.
bool ReadZipSource(const QString &path, std::vector<ZipDbEntry> *entries, ZipSourceReport *report, QString *error);

// Builds the database from the sources (the Debian dictionaries when `sources` is empty) and
// replaces `outPath` atomically. False with `error` set on any failure; the old file then stays.
bool BuildZipDbFile(const QString &outPath, QStringList sources, std::vector<ZipSourceReport> *reports,
                    qint64 *fileSize, QString *error);
