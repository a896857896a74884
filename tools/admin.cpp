#include "admin.h"

#include <cstdio>

void PrintOut(const QString &text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stdout);
}

void PrintErr(const QString &text)
{
    std::fputs((QStringLiteral("soranowa-admin: ") + text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

QString Usage()
{
    return QStringLiteral("Usage: soranowa-admin COMMAND DATA_DIR [OPTIONS]\n"
                          "\n"
                          "Commands:\n"
                          "  stats DATA_DIR         show what the index tables hold after start-up\n"
                          "  compact DATA_DIR       drop deleted customers and orders, as the exit compaction does\n"
                          "  sample-data DATA_DIR --customers N --orders N [--days N] [--seed N] [--force]\n"
                          "                         write a demonstration shop: setting files, customers and the\n"
                          "                         orders of the last N days (default 30) ending today; the same\n"
                          "                         seed (default 1) gives the same files; --force replaces\n"
                          "                         customers and orders already in DATA_DIR\n"
                          "  render DATA_DIR --kind Nohin|Nohin2 --order yyyymmddN --out FILE.pdf\n"
                          "                         the delivery note of one order as a PDF file (Nohin: A5\n"
                          "                         portrait; Nohin2: A5 landscape, three copies)\n"
                          "  render DATA_DIR --kind SK|SS --from yyyymmdd --to yyyymmdd --out FILE.pdf\n"
                          "                         the sales totals sheet (SK) or the staff collection sheet\n"
                          "                         (SS) of the orders a sales search of that period lists\n"
                          "  totals DATA_DIR --from yyyymmdd --to yyyymmdd [--csv FILE]\n"
                          "                         the six summary rows and the per-item table of the sales\n"
                          "                         totals of that period (TAB-separated); --csv also writes the\n"
                          "                         per-item table as the totals window exports it\n"
                          "  render DATA_DIR --kind DM --customers all|ID,ID,... --out FILE.pdf\n"
                          "                         address labels on A4 label sheets, in the order given (all:\n"
                          "                         every customer in file order), at the label-paper settings\n"
                          "  import customers|phonebook DATA_DIR FILE --map FIELD=COLUMN,... [--log PATH]\n"
                          "                         add the rows of a CP932 CSV file (comma, CR LF) as customers\n"
                          "                         (fields tel,name,zip,city,banchi,building) or phone-book\n"
                          "                         entries (fields name,zip,tel,address), columns from 1, with\n"
                          "                         the checks of the import windows; refused rows are listed\n"
                          "                         in importErr.txt beside FILE, or in PATH\n"
                          "  zipdb build OUT [SOURCES...]\n"
                          "                         build the postal-code database (ZipDB.IDX) from SKK postal-code\n"
                          "                         dictionaries and Japan Post KEN_ALL.CSV files; without SOURCES\n"
                          "                         from Debian's skkdic-extra dictionaries\n"
                          "  zip DATA_DIR KEY       the matches of a postal code or an address in DATA_DIR/ZipDB.IDX\n"
                          "                         (or the one installed with the program),\n"
                          "                         as the postal-code lookup window lists them\n"
                          "  backup DATA_DIR ARCHIVE\n"
                          "                         pack every *.snw file of DATA_DIR into the LZH archive ARCHIVE\n"
                          "                         (replaced only once the new one has been read back and checked)\n"
                          "  restore DATA_DIR ARCHIVE\n"
                          "                         put the *.snw files of ARCHIVE into DATA_DIR; nothing changes\n"
                          "                         unless the whole archive reads without error\n"
                          "\n"
                          "Options:\n"
                          "  --help                 show this text\n"
                          "\n"
                          "Exit status: 0 done, 1 failed, 2 wrong command line.");
}

std::optional<ParsedArgs> ParseArgs(const QStringList &args, const QStringList &valued, const QStringList &flags,
                                    QString *error)
{
    ParsedArgs out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            out.positional << arg;
            continue;
        }
        QString name = arg;
        std::optional<QString> value;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq > 0) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
        }
        if (flags.contains(name) && !value) {
            if (!out.flags.contains(name))
                out.flags << name;
        } else if (valued.contains(name)) {
            if (!value) {
                if (i + 1 >= args.size()) {
                    *error = QStringLiteral("%1 needs a value").arg(name);
                    return std::nullopt;
                }
                value = args[++i];
            }
            if (out.values.contains(name)) {
                *error = QStringLiteral("%1 given twice").arg(name);
                return std::nullopt;
            }
            out.values.insert(name, *value);
        } else {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
    }
    return out;
}

std::optional<qint64> ParseNumber(const QString &text, qint64 min, qint64 max)
{
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}
