#pragma once
// The rules of the postal-code lookup that need no window: which way it searches, the key it
// starts from, the boxes a search may show and the text of each listed match.
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class ZipNoFinder;

enum class ZipDirection { ZipToAddress, AddressToZip };

inline const QString kZipDatabaseFile = QStringLiteral("ZipDB.IDX");

// The direction from the caller's two fields; nullopt when both hold text and the user is asked.
std::optional<ZipDirection> LookupDirection(const QString &zipField, const QString &addressField);
// The key a search starts from: a postal code loses its "-"; both are trimmed as record fields are.
QString LookupKey(ZipDirection direction, const QString &text);
// Runs the search the finder's keys describe and gives one line per match ("123-4567 address",
// " [×]" after a business code). Failures, no match and a cut-short list are told through the
// prompt service; the list is then empty (or, when cut short, holds what was found).
QStringList SearchPostalCodes(ZipNoFinder &finder);
// Match i as listed: "123-4567", a blank, the address, and " [×]" after a business code.
QString LookupLine(ZipNoFinder &finder, int i);
// The seven digits and the address a listed line stands for (an empty line gives two empty texts).
std::pair<QString, QString> LookupChoice(const QString &line);
