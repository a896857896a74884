#include "backup/ftpbackup.h"

#include "backup/backupdata.h"
#include "backup/ftpclient.h"
#include "backup/ftppassword.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"
#include "store/recordstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

const QString kConnecting = QStringLiteral("ｻｰﾊﾞｰに接続ﾄﾗｲ中...");
const QString kDisconnected = QStringLiteral("切断完了");

void show(const FtpView &view, const QString &text)
{
    if (view.status)
        view.status(text);
}

void setBusy(const FtpView &view, bool on)
{
    if (view.busy)
        view.busy(on);
}

// Moves the bar by whole kilobytes; a step that would pass the end is dropped.
class ProgressMeter
{
  public:
    ProgressMeter(const FtpView &view, qint64 bytes) : m_view(view), m_maximum(static_cast<int>(bytes / 1000))
    {
        if (m_view.setMaximum)
            m_view.setMaximum(m_maximum);
    }
    void add(qint64 bytes)
    {
        const qint64 next = m_value + bytes / 1000;
        if (next > m_maximum)
            return;
        m_value = static_cast<int>(next);
        if (m_view.setProgress)
            m_view.setProgress(m_value);
    }
    void reset()
    {
        m_value = 0;
        if (m_view.setProgress)
            m_view.setProgress(0);
    }

  private:
    const FtpView &m_view;
    int m_maximum;
    int m_value = 0;
};

bool connectOrSay(clsFtpClient &ftp, const FtpAccount &account, const FtpView &view)
{
    ftp.Port = account.port;
    ftp.CertificateFile = account.certificateFile;
    if (ftp.Connect(account.server, account.user, account.password)) {
        // Only a password the server accepted is worth keeping.
        FtpPasswords().remember(account.server, account.port, account.user, account.password);
        return true;
    }
    setBusy(view, false);
    show(view, QString());
    const QString reply = ftp.Response();
    const QString text = reply.isEmpty()
                             ? QStringLiteral("弊社サーバーに接続できません。\r\n接続経路を確認して下さい。")
                             : QStringLiteral("弊社サーバーのログインに失敗しました。\r\n"
                                              "ユーザー名及びパスワードを確認して下さい。");
    ShowWarning(QStringLiteral("接続失敗"), text + QStringLiteral("\r\n\r\n") + reply);
    return false;
}

} // namespace

QString FtpDownloadPath()
{
    return QDir::cleanPath(DataFolderPath() + QStringLiteral("/../backup/") + kFtpTempArchive);
}

bool RunFtpUpload(RecordStore &records, clsFtpClient &ftp, const FtpAccount &account, const FtpView &view)
{
    setBusy(view, true);
    show(view, kConnecting);
    if (!connectOrSay(ftp, account, view))
        return false;

    records.CloseRecordFiles();
    show(view, QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの作成中..."));
    const QString archive = QDir(DataFolderPath()).filePath(kFtpTempArchive);
    // The temporary archive holds exactly today's data, whatever an earlier attempt left.
    const bool packed = PackData(archive, PackMode::Replace);
    records.OpenRecordFiles();
    if (!packed) {
        ShowWarning(QStringLiteral("バックアップの失敗"), QStringLiteral("バックアップファイルの作成に失敗しました"));
        QFile::remove(archive);
        ftp.DisConnect();
        show(view, kDisconnected);
        setBusy(view, false);
        return false;
    }

    ProgressMeter meter(view, QFileInfo(archive).size());
    show(view, QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの送信中..."));
    ftp.TransferType = 2;
    ftp.Send = [&meter](const QString &, qint64 bytes) { meter.add(bytes); };
    const bool sent = ftp.PutFile(archive, kServerArchive);
    ftp.Send = nullptr;
    QFile::remove(archive);
    if (!sent) {
        ShowWarning(QStringLiteral("送信失敗"), QStringLiteral("バックアップファイルの送信に失敗しました。"));
        ftp.DisConnect();
        show(view, kDisconnected);
        setBusy(view, false);
        return false;
    }
    setBusy(view, false);
    meter.reset();
    ftp.DisConnect();
    show(view, QString());
    ShowInformation(QStringLiteral("送信完了"), QStringLiteral("バックアップファイルの送信が完了しました。"));
    return true;
}

RestoreOutcome RunFtpRestore(RecordStore &records, clsFtpClient &ftp, const FtpAccount &account, const FtpView &view)
{
    if (!AskDataLoss())
        return RestoreOutcome::Stopped;
    setBusy(view, true);
    show(view, kConnecting);
    if (!connectOrSay(ftp, account, view))
        return RestoreOutcome::Stopped;
    setBusy(view, false);

    ProgressMeter meter(view, ftp.FileSize(kServerArchive));
    show(view, QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの受信中..."));
    ftp.TransferType = 2;
    const QString archive = FtpDownloadPath();
    QDir().mkpath(QFileInfo(archive).absolutePath());
    ftp.Receive = [&meter](const QString &, qint64 bytes) { meter.add(bytes); };
    const bool received = ftp.GetFile(kServerArchive, archive);
    ftp.Receive = nullptr;
    if (!received) {
        ShowWarning(QStringLiteral("送信失敗"), QStringLiteral("バックアップファイルの受信に失敗しました。"));
        ftp.DisConnect();
        show(view, kDisconnected);
        return RestoreOutcome::Failed;
    }

    records.CloseRecordFiles();
    if (UnpackData(archive)) {
        ShowInformation(kRestartTitle, kRestartText);
        return RestoreOutcome::Restored;
    }
    ShowWarning(QStringLiteral("復元の失敗"), QStringLiteral("バックアップデータの復元に失敗しました"));
    records.OpenRecordFiles();
    meter.reset();
    ftp.DisConnect();
    show(view, QString());
    return RestoreOutcome::Failed;
}
