#pragma once
// The automatic backup offered every time work ends: one folder per weekday, an archive named
// after the date and hour, at most ten archives per folder.
#include <QString>

class RecordStore;

// The folder and file name the automatic backup of this moment uses: `root` (by default the
// program folder's "backup") followed by today's abbreviated weekday name.
QString AutomaticBackupFolder(const QString &root = QString());
QString AutomaticBackupFileName();

// Runs the automatic backup with the record files already closed. True when the program may
// end; false when the user declined the overwrite or the backup failed (reported), in which
// case the caller reopens the record files and asks again.
bool RunAutomaticBackup(const QString &root = QString());

// Keeps the `keep` files of the folder whose names sort last (the newest) and deletes the rest.
void RotateBackups(const QString &folder, int keep = 10);

// The overwrite question, shared with the backup dialog. True when the user allows it.
bool AskOverwrite(const QString &shownName);
inline const QString kBackupFailedTitle = QStringLiteral("バックアップの失敗");
inline const QString kBackupFailedText = QStringLiteral("バックアップに失敗しました");
