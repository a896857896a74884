#include "backup/autobackup.h"

#include "backup/backupdata.h"
#include "platform/clock.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>

QString AutomaticBackupFolder(const QString &root)
{
    const QString weekday = QLocale::system().dayName(Clock::Today().dayOfWeek(), QLocale::ShortFormat);
    return (root.isEmpty() ? UserFilesFolder() + QStringLiteral("/backup") : root) + QLatin1Char('/') + weekday;
}

QString AutomaticBackupFileName()
{
    return QStringLiteral("Soranowa_bak_") + Clock::Now().toString(QStringLiteral("yy_MM_dd_hh")) +
           QStringLiteral(".snb");
}

bool AskOverwrite(const QString &shownName)
{
    const PromptAnswer answer = Prompt().ask(
        {PromptIcon::Warning, QStringLiteral("上書きの許可"),
         shownName + QStringLiteral(" は既に存在します。\r\nバックアップファイルを上書きしてもよろしいですか？"),
         PromptButtons::OkCancel});
    return answer == PromptAnswer::Ok;
}

void RotateBackups(const QString &folder, int keep)
{
    QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files);
    std::sort(names.begin(), names.end(), std::greater<>());
    for (int i = keep; i < names.size(); ++i)
        QFile::remove(dir.filePath(names.at(i)));
}

bool RunAutomaticBackup(const QString &root)
{
    EnterDataFolder();
    const QString folder = AutomaticBackupFolder(root);
    QDir().mkpath(folder);
    const QString fileName = AutomaticBackupFileName();
    const QString archive = folder + QLatin1Char('/') + fileName;
    if (QFile::exists(archive) && !AskOverwrite(QLatin1Char('/') + fileName))
        return false;
    // The old archive of the same name stays until the new one has been checked.
    if (!PackData(archive, PackMode::Replace)) {
        ShowWarning(kBackupFailedTitle, kBackupFailedText);
        return false;
    }
    RotateBackups(folder);
    return true;
}
