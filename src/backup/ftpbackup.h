#pragma once
// The server backup: packing the data folder and sending it to the backup server, and
// fetching that archive back and restoring it, with every status text and message.
#include "backup/backupflow.h"

#include <QString>

#include <functional>

class clsFtpClient;
class RecordStore;

struct FtpAccount {
    QString server;
    int port = 21;
    QString user;
    QString password;
    QString certificateFile; // see clsFtpClient::CertificateFile
};

// What the dialog shows while the work runs. Unset hooks are skipped.
struct FtpView {
    std::function<void(const QString &)> status; // the status bar's first panel
    std::function<void(bool)> busy;              // dialog disabled and the busy pointer while true
    std::function<void(int maximum)> setMaximum; // progress bar maximum (kilobytes)
    std::function<void(int value)> setProgress;  // progress bar value (0 resets it)
};

// The server keeps one archive per account under this name.
inline const QString kServerArchive = QStringLiteral("SoranowaFtp.snb");
inline const QString kFtpTempArchive = QStringLiteral("FtpTmp.lzh");

// Where a download lands: the "backup" folder beside the data folder.
QString FtpDownloadPath();

// True when the archive reached the server.
bool RunFtpUpload(RecordStore &records, clsFtpClient &ftp, const FtpAccount &account, const FtpView &view);
// Restored means the data files were replaced and the program must end.
RestoreOutcome RunFtpRestore(RecordStore &records, clsFtpClient &ftp, const FtpAccount &account, const FtpView &view);
