#pragma once
// Helpers every window shares.
#include "store/sortkind.h"

#include <QString>
#include <QStringList>

#include <vector>

// Warning box titled "エラー" with "ErrorNo:" + code (a leading blank for non-negative codes)
// + CR CR + message, and an OK button.
void ShowErrorBox(int code, const QString &message);
QString ErrorBoxText(int code, const QString &message);

// Removes every NUL character, then trailing blanks.
QString TrimField(const QString &text);
// Number of bytes of the text in CP932.
int ByteLength(const QString &text);
// The text in double quotes when it holds a comma or a blank.
QString QuoteIfNeeded(const QString &text);
// Trailing blanks removed, then "/" appended unless the path already ends with one.
QString WithTrailingSlash(const QString &path);
// 0 = desktop, 5 = the user's documents folder; "" when it cannot be determined.
QString SpecialFolderPath(int folderId);
// The building name whose address occurs in `address` (longest address wins; first on a tie).
// Both sides are compared in half-width; entries without a TAB or without an address (such
// as the unused element 0 of BuildingList) never match.
QString FindBuilding(const QStringList &buildingList, const QString &address);

// Delimited text into a table of fields x records: table[record][field], 0-based.
// The first record fixes the number of fields; extra fields are dropped, missing ones are "".
using CsvTable = std::vector<QStringList>;
int SplitCsv(const QString &text, CsvTable &table, QChar fieldSep = QLatin1Char(','),
             const QString &recordSep = QStringLiteral("\r\n"), QChar quote = QLatin1Char('"'));

// The numeric-input check: empty accepted; otherwise optional sign, digits with optional
// thousands separators and decimal part.
bool IsNumericInput(const QString &text);
// Phone boxes also refuse any "-".
bool IsPhoneInput(const QString &text);
inline const QString kNotNumericTitle = QStringLiteral("数字以外が入力されました");
inline const QString kNotNumericText = QStringLiteral("数字以外は入力できません。");
// Shows the not-numeric warning.
void ShowNotNumericWarning();

// Full-width letters, digits, katakana and blanks to half-width ("ヤマダ　０３" -> "ﾔﾏﾀﾞ 03").
QString ToHalfWidth(const QString &text);

// Display formats.
QString FormatYen(qint64 yen);          // "¥1,234"; 0 shows as "¥0"
QString FormatYenBlankZero(qint64 yen); // "¥1,234"; 0 shows as "¥"
QString FormatCustomerNo(qint32 id);    // "00042"

// Comparison used when a list is sorted by one of its columns.
int CompareByKind(const QString &a, const QString &b, SortKind kind);
