#pragma once
// What the three CSV imports (customers, phone book, menus) share: reading the file into rows,
// the entries of the source-column list, the confirmation and result texts, and the log of
// refused rows ("importErr.txt" on the desktop).
#include "store/helpers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// SplitCsv without the padding: a record keeps the fields it has (at most the table's width).
int SplitCsvRows(const QString &text, CsvTable &table, QChar fieldSep = QLatin1Char(','),
                 const QString &recordSep = QStringLiteral("\r\n"), QChar quote = QLatin1Char('"'));

namespace ImportSource
{

inline const QString kNotSet = QStringLiteral("---未設定---");
inline const QString kErrorLogName = QStringLiteral("importErr.txt");
// The filters of the file dialog ("csvﾌｧｲﾙ" first).
inline const QString kFileFilter = QStringLiteral("csvﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*.*)");

enum class ReadStatus { Ok, Missing, Empty, Unreadable };
// Reads the CP932 CSV file (comma, CR LF, double quote) into rows. Rows keep the cells they
// have, up to the width of the first row; a missing cell reads as "" through Cell(). A binary
// or non-CP932 file is Unreadable. `rows` is only replaced when the file was read (Ok).
ReadStatus ReadSource(const QString &path, CsvTable &rows);
// Shows the box of a read that did not succeed; true when the status is Ok.
bool ReportReadStatus(ReadStatus status);

// One entry per source column: "[01]" and the first row's value.
QStringList SourceEntries(const CsvTable &rows);
// The cell of a 1-based column; "" for column 0 or a column the row does not have.
QString Cell(const QStringList &row, int column);
// The row as a refusal quotes it: its first three cells (as many as the file is wide) joined
// by ",".
QString FirstColumns(const CsvTable &rows, const QStringList &row);

QString ConfirmText(int rows);
QString ResultText(int total, int accepted);
// importErr.txt as CP932 bytes: "1:" + failure text, CR LF after each line.
QByteArray ErrorLogBytes(const QStringList &failures);
// The log on the desktop.
QString ErrorLogPath();
// Rewrites the log atomically at `path` (default: on the desktop); false when that fails.
bool WriteErrorLog(const QStringList &failures, const QString &path = QString());
// Shows the box of a log that could not be written.
void ReportErrorLogFailure();

} // namespace ImportSource
