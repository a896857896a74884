#pragma once
// What the backup and restore dialogs' main buttons do, with every question and message.
#include <QString>

class RecordStore;
struct BackupSettings;

// The archive the settings name: the folder, a "/" unless it ends with one, the file name.
QString BackupArchivePath(const BackupSettings &settings);
// Folder and file name back to their defaults (the program folder's "Backup", "Soranowa.snb").
void ResetBackupSettings(BackupSettings &settings);

// Packs the data folder into the settings' archive, closing the record files around it. True
// when the backup was made (the dialog then closes). "BackUp.snw" is written first.
bool RunBackup(RecordStore &records, const BackupSettings &settings);

enum class RestoreOutcome {
    Stopped,  // refused or declined before anything was touched
    Failed,   // reported; the record files are open again and the data unchanged
    Restored, // the data files were replaced; the record files stay closed: the program must end
};
RestoreOutcome RunRestore(RecordStore &records, const BackupSettings &settings);

// The question before any restore replaces the data; true when the user agrees.
bool AskDataLoss();
// Said after a restore, before the program ends.
inline const QString kRestartTitle = QStringLiteral("ソラノワの再起動");
inline const QString kRestartText = QStringLiteral("バックアップデータの復元が完了しました。\r\n\r\n"
                                                   "ソラノワの再起動が必要です。\r\n"
                                                   "一度終了しますのでソラノワを再度起動して下さい。");
