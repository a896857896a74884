#pragma once
// The per-item table as a CSV file: every row of the list, four quoted fields, CP932, CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

inline const QString kExportTitle = QStringLiteral("売上データのエクスポート");
inline const QString kExportFilter = QStringLiteral("csvﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*.*)");

// The file's bytes. The unit price and amount lose their yen sign; separators stay.
QByteArray ItemCsvBytes(const std::vector<QStringList> &rows);
// Replaces `path` with the rows; the error box (code 5) on failure.
bool WriteItemCsv(const QString &path, const std::vector<QStringList> &rows);
// Asks for the file (starting in the documents folder) and writes it; nothing happens when the
// dialog is cancelled. True when a file was written.
bool ExportItemCsv(const std::vector<QStringList> &rows);
