// Delimited text (the imports' CSV files) into a table of records. One pass over the text per
// record, cells cut out as slices: the time is linear in the text whatever it holds (a quote
// left open to the end of the file, thousands of separators on one line, a million lines).
#include "store/helpers.h"
#include "store/importsource.h"

namespace
{

class Scanner
{
  public:
    Scanner(QStringView text, QChar fieldSep, QStringView recordSep, QChar quote)
        : m_text(text), m_fieldSep(fieldSep), m_recordSep(recordSep), m_quote(quote)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    // Reads one record, keeping at most `maxFields` of its fields (-1 = all), and leaves the
    // position after its separator.
    QStringList record(qsizetype maxFields)
    {
        QStringList fields;
        for (;;) {
            const bool keep = maxFields < 0 || fields.size() < maxFields;
            QString value = field(keep);
            if (keep)
                fields << std::move(value);
            if (m_pos < m_text.size() && m_text[m_pos] == m_fieldSep) {
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size())
                m_pos += m_recordSep.size();
            return fields;
        }
    }

    // Counts the fields of the next record without keeping them.
    qsizetype countFields()
    {
        qsizetype n = 0;
        for (;;) {
            field(false);
            ++n;
            if (m_pos < m_text.size() && m_text[m_pos] == m_fieldSep) {
                ++m_pos;
                continue;
            }
            return n;
        }
    }

  private:
    bool atRecordSep(qsizetype pos) const
    {
        return !m_recordSep.isEmpty() && m_text.sliced(pos).startsWith(m_recordSep);
    }

    // Position of the first field or record separator at or after `pos`, or the end.
    qsizetype fieldEnd(qsizetype pos) const
    {
        const QChar first = m_recordSep.isEmpty() ? m_fieldSep : m_recordSep.front();
        while (pos < m_text.size()) {
            const QChar c = m_text[pos];
            if (c == m_fieldSep || (c == first && atRecordSep(pos)))
                return pos;
            ++pos;
        }
        return pos;
    }

    QString field(bool keep)
    {
        QString value;
        if (m_pos < m_text.size() && m_text[m_pos] == m_quote) {
            ++m_pos;
            // A quoted field runs to its closing quote, across record separators if need be;
            // a doubled quote stands for one.
            for (;;) {
                const qsizetype close = m_text.indexOf(m_quote, m_pos);
                const qsizetype stop = close < 0 ? m_text.size() : close;
                if (keep)
                    value += m_text.sliced(m_pos, stop - m_pos);
                m_pos = stop;
                if (close < 0)
                    break;
                if (close + 1 < m_text.size() && m_text[close + 1] == m_quote) {
                    if (keep)
                        value += m_quote;
                    m_pos = close + 2;
                    continue;
                }
                m_pos = close + 1;
                break;
            }
        }
        // Unquoted text, or stray text after a closing quote, runs to the field's end.
        const qsizetype end = fieldEnd(m_pos);
        if (keep && end > m_pos)
            value += m_text.sliced(m_pos, end - m_pos);
        m_pos = end;
        return value;
    }

    QStringView m_text;
    QChar m_fieldSep;
    QStringView m_recordSep;
    QChar m_quote;
    qsizetype m_pos = 0;
};

int split(const QString &text, CsvTable &table, QChar fieldSep, const QString &recordSep, QChar quote, bool pad)
{
    qsizetype width = 0;
    if (table.empty()) {
        // The first record fixes the table's width.
        if (text.isEmpty())
            return 0;
        width = Scanner(text, fieldSep, recordSep, quote).countFields();
    } else {
        width = table.front().size();
    }
    Scanner scan(text, fieldSep, recordSep, quote);
    while (!scan.atEnd()) {
        QStringList fields = scan.record(width);
        if (pad) {
            while (fields.size() < width)
                fields << QString();
        }
        table.push_back(std::move(fields));
    }
    return int(table.size());
}

} // namespace

int SplitCsv(const QString &text, CsvTable &table, QChar fieldSep, const QString &recordSep, QChar quote)
{
    return split(text, table, fieldSep, recordSep, quote, true);
}

int SplitCsvRows(const QString &text, CsvTable &table, QChar fieldSep, const QString &recordSep, QChar quote)
{
    return split(text, table, fieldSep, recordSep, quote, false);
}
