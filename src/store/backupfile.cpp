// "BackUp.snw": the backup folder and archive name, each as a quoted value on its own line.
#include "platform/datafolder.h"
#include "store/helpers.h"
#include "store/quotedlist.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"

namespace
{
const FileMessage kReadError{6, QStringLiteral("バックアップ設定ファイル読み込みエラー")};
} // namespace

bool LoadBackupSettings(SettingTables &t)
{
    t.Backup = BackupSettings();
    bool failed = false;
    const auto text = ReadSettingText(SettingFiles::kBackup, kReadError, &failed);
    if (text) {
        // Values come in pairs (folder, file name); the last pair read wins. A dangling
        // folder without its file name still counts as the folder.
        const QStringList values = ReadListValues(*text);
        for (qsizetype i = 0; i < values.size(); ++i)
            (i % 2 == 0 ? t.Backup.BackupFolder : t.Backup.BackupFileName) = values.at(i);
    }
    if (t.Backup.BackupFolder.isEmpty())
        t.Backup.BackupFolder = UserFilesFolder() + QStringLiteral("/Backup");
    if (t.Backup.BackupFileName.isEmpty())
        t.Backup.BackupFileName = QStringLiteral("Soranowa.snb");
    return !failed;
}

bool SaveBackupSettings(const SettingTables &t)
{
    // The backup and restore windows report a failure with their own box.
    return WriteSettingLines(SettingFiles::kBackup,
                             {ListValue(t.Backup.BackupFolder), ListValue(t.Backup.BackupFileName)}, {6, QString()});
}
