#include "store/importsource.h"

#include "platform/prompt.h"
#include "store/cp932.h"
#include "store/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace ImportSource
{

ReadStatus ReadSource(const QString &path, CsvTable &rows)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return ReadStatus::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStatus::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadStatus::Unreadable;
    if (bytes.isEmpty())
        return ReadStatus::Empty;
    // Text files hold no NUL; a byte CP932 cannot decode means the file is not CP932 text.
    if (bytes.contains('\0'))
        return ReadStatus::Unreadable;
    const QString text = FromCp932(bytes);
    if (text.contains(QChar(0xFFFD)))
        return ReadStatus::Unreadable;
    CsvTable read;
    // Short rows are not padded: a first line of thousands of commas followed by many short
    // lines would otherwise need thousands of empty cells per line.
    SplitCsvRows(text, read);
    if (read.empty())
        return ReadStatus::Empty;
    rows = std::move(read);
    return ReadStatus::Ok;
}

bool ReportReadStatus(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Missing:
        ShowWarning(QStringLiteral("ファイルを開けません"), QStringLiteral("指定したファイルは存在しません。"));
        return false;
    case ReadStatus::Empty:
        ShowWarning(QStringLiteral("読み込めません"), QStringLiteral("指定したファイルは中身がありません。"));
        return false;
    case ReadStatus::Unreadable:
        ShowErrorBox(5, QStringLiteral("インポートファイル読み込みエラー"));
        return false;
    case ReadStatus::Ok:
        break;
    }
    return true;
}

QStringList SourceEntries(const CsvTable &rows)
{
    QStringList out;
    if (rows.empty())
        return out;
    for (int c = 0; c < rows.front().size(); ++c)
        out << QStringLiteral("[%1]").arg(c + 1, 2, 10, QLatin1Char('0')) + rows.front().at(c);
    return out;
}

QString Cell(const QStringList &row, int column)
{
    return column >= 1 && column <= row.size() ? row.at(column - 1) : QString();
}

QString FirstColumns(const CsvTable &rows, const QStringList &row)
{
    const int width = rows.empty() ? 0 : int(std::min<qsizetype>(3, rows.front().size()));
    QStringList cells;
    for (int c = 1; c <= width; ++c)
        cells << Cell(row, c);
    return cells.join(QLatin1Char(','));
}

QString ConfirmText(int rows)
{
    return QString::number(rows) + QStringLiteral(" 件のデータをインポートしてもよろしいですか？");
}

QString ResultText(int total, int accepted)
{
    return QString::number(total) + QStringLiteral(" 件中 ") + QString::number(accepted) +
           QStringLiteral(" 件のインポートに成功しました。\r\n") +
           QStringLiteral("失敗したデータはデスクトップの importErr.txt を参照して下さい。");
}

QByteArray ErrorLogBytes(const QStringList &failures)
{
    QByteArray out;
    for (int i = 0; i < failures.size(); ++i)
        out += ToCp932(QString::number(i + 1) + QLatin1Char(':') + failures.at(i)) + "\r\n";
    return out;
}

QString ErrorLogPath()
{
    const QString desktop = SpecialFolderPath(0);
    return desktop.isEmpty() ? QString() : WithTrailingSlash(desktop) + kErrorLogName;
}

bool WriteErrorLog(const QStringList &failures, const QString &path)
{
    const QString target = path.isEmpty() ? ErrorLogPath() : path;
    return !target.isEmpty() && WriteFileAtomically(target, ErrorLogBytes(failures));
}

void ReportErrorLogFailure()
{
    ShowErrorBox(16, QStringLiteral("インポートログファイル書き込みエラー"));
}

} // namespace ImportSource
