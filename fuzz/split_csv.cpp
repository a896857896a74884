// The delimited-text splitter under every separator and quote it is called with.
#include "fuzzsupport.h"

#include "store/cp932.h"
#include "store/helpers.h"
#include "store/importsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    const uint8_t choice = in.byte();
    static const char fieldSeps[] = {',', '\t', ' ', '"'};
    static const char *recordSeps[] = {"\r\n", "\n", "\r", ","};
    const QChar fieldSep = QLatin1Char(fieldSeps[choice & 3]);
    const QString recordSep = QString::fromLatin1(recordSeps[(choice >> 2) & 3]);
    const QChar quote = (choice & 16) ? QLatin1Char('\'') : QLatin1Char('"');
    const QString text = (choice & 32) ? QString::fromUtf8(in.rest()) : FromCp932(in.rest());

    CsvTable table;
    const int records = SplitCsv(text, table, fieldSep, recordSep, quote);
    Fuzz::Check(records == int(table.size()), "record count and table differ");
    for (const QStringList &record : table)
        Fuzz::Check(record.size() == table.front().size(), "records of different widths");
    CsvTable rows;
    const int rowCount = SplitCsvRows(text, rows, fieldSep, recordSep, quote);
    Fuzz::Check(rowCount == int(rows.size()), "row count and rows differ");
    Fuzz::Check(rowCount == records, "the two splitters see different records");
    for (const QStringList &row : rows)
        Fuzz::Check(row.size() <= rows.front().size(), "a row wider than the first");
    return 0;
}
