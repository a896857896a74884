#include "sales/salesexport.h"

#include "platform/prompt.h"
#include "store/cp932.h"
#include "store/helpers.h"
#include "store/textfile.h"

QByteArray ItemCsvBytes(const std::vector<QStringList> &rows)
{
    QByteArray bytes;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (int i = 0; i < 4; ++i) {
            QString f = row.value(i);
            if (i >= 2) {
                // The yen sign is the backslash of CP932 text.
                f.remove(QChar(0x00A5));
                f.remove(QLatin1Char('\\'));
            }
            fields << QLatin1Char('"') + f + QLatin1Char('"');
        }
        bytes += ToCp932(fields.join(QLatin1Char(',')));
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteItemCsv(const QString &path, const std::vector<QStringList> &rows)
{
    if (WriteFileAtomically(path, ItemCsvBytes(rows)))
        return true;
    ShowErrorBox(5, QStringLiteral("エクスポートファイル書き込みエラー"));
    return false;
}

bool ExportItemCsv(const std::vector<QStringList> &rows)
{
    const QString path = Prompt().saveFileName(kExportTitle, SpecialFolderPath(5), kExportFilter);
    if (path.isEmpty())
        return false;
    if (!WriteItemCsv(path, rows))
        return false;
    ShowInformation(QStringLiteral("完了"), QStringLiteral("エクスポートが完了しました。"));
    return true;
}
