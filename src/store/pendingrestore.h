#pragma once
// A restore replaces several data files, and the shop's data is only whole when all of them come
// from the same backup. The restore unpacks into a staging folder beside the data files; once
// every file is complete it writes the ready mark, and from then on the files move in one by
// one. A stop before the mark leaves the data folder as it was (the staging folder is removed at
// the next open); a stop after it is finished at the next open, so the folder holds either the
// data as it was or the whole backup, never a mix.
#include <QString>
#include <QStringList>

inline const QString kRestoreStagingPrefix = QStringLiteral(".restore-");
inline const QString kRestoreReadyMark = QStringLiteral("restore.ready");

// Writes the ready mark naming `names` into `staging` (atomically). False when it could not.
bool MarkRestoreReady(const QString &staging, const QStringList &names);
// Moves the files named by the ready mark of `staging` into `dataFolder`, then removes the staging
// folder. A staging folder without a mark is removed. False when a file could not be moved.
bool FinishRestore(const QString &staging, const QString &dataFolder);
// FinishRestore for every staging folder left in `dataFolder`.
bool FinishPendingRestore(const QString &dataFolder);
