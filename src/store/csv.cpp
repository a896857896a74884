// Delimited text (the imports' CSV files) into a table of records.
#include "store/helpers.h"

namespace
{

struct Scanner {
    const QString &text;
    QChar fieldSep;
    const QString &recordSep;
    QChar quote;
    qsizetype pos = 0;

    bool atRecordEnd() const
    {
        return pos >= text.size() || (!recordSep.isEmpty() && QStringView(text).mid(pos).startsWith(recordSep));
    }

    // Reads one record from `pos` and leaves `pos` after its separator.
    QStringList record()
    {
        QStringList fields;
        for (;;) {
            fields << field();
            if (pos < text.size() && text.at(pos) == fieldSep && !atRecordEnd()) {
                ++pos;
                continue;
            }
            if (pos < text.size())
                pos += recordSep.size();
            return fields;
        }
    }

    QString field()
    {
        QString value;
        if (pos < text.size() && text.at(pos) == quote) {
            ++pos;
            // A quoted field runs to its closing quote, across record separators if need be.
            while (pos < text.size()) {
                const QChar c = text.at(pos);
                if (c == quote) {
                    if (pos + 1 < text.size() && text.at(pos + 1) == quote) {
                        value += quote;
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                value += c;
                ++pos;
            }
        }
        // Unquoted text, or stray text after a closing quote, runs to the field's end.
        while (!atRecordEnd() && text.at(pos) != fieldSep)
            value += text.at(pos++);
        return value;
    }
};

} // namespace

int SplitCsv(const QString &text, CsvTable &table, QChar fieldSep, const QString &recordSep, QChar quote)
{
    qsizetype width = 0;
    if (table.empty()) {
        // The first record fixes the table's width.
        if (text.isEmpty())
            return 0;
        Scanner first{text, fieldSep, recordSep, quote};
        width = first.record().size();
    } else {
        width = table.front().size();
    }
    Scanner scan{text, fieldSep, recordSep, quote};
    while (scan.pos < text.size()) {
        QStringList fields = scan.record();
        if (fields.size() > width)
            fields.resize(width);
        while (fields.size() < width)
            fields << QString();
        table.push_back(fields);
    }
    return int(table.size());
}
