#include "backup/backupflow.h"

#include "backup/autobackup.h"
#include "backup/backupdata.h"
#include "platform/datafolder.h"
#include "platform/prompt.h"
#include "store/helpers.h"
#include "store/recordstore.h"
#include "store/settingfiles.h"
#include "store/settingtables.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>

#include <exception>

namespace
{

// The pointer shows busy while an archive is written or read, which takes a while on years of
// orders. The headless tool has no pointer.
class BusyPointer
{
  public:
    BusyPointer() : m_on(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_on)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyPointer()
    {
        if (m_on)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

  private:
    bool m_on;
};

const QString kNameTitle = QStringLiteral("ファイル名確認");

// Asks again while the folder cannot be reached; false when the user cancels.
bool waitForDrive(const QString &folder, bool create)
{
    while (!DriveReady(folder, create)) {
        const PromptAnswer answer = Prompt().ask(
            {PromptIcon::Critical, QStringLiteral("デバイスアクセスエラー"),
             DriveName(folder) + QStringLiteral(" にアクセスできません。\r\n\r\nデバイスの準備ができていません。"),
             PromptButtons::RetryCancel});
        if (answer != PromptAnswer::Retry)
            return false;
    }
    return true;
}

// "BackUp.snw" keeps the place for the next time; a failure to write it does not stop the work.
void rememberPlace(const BackupSettings &settings, int errorCode, const QString &errorText)
{
    EnterDataFolder();
    SettingTables tables;
    tables.Backup = settings;
    if (!SaveBackupSettings(tables))
        ShowErrorBox(errorCode, errorText);
}

} // namespace

QString BackupArchivePath(const BackupSettings &settings)
{
    QString folder = settings.BackupFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + settings.BackupFileName;
}

void ResetBackupSettings(BackupSettings &settings)
{
    settings.BackupFolder = UserFilesFolder() + QStringLiteral("/Backup");
    settings.BackupFileName = QStringLiteral("Soranowa.snb");
}

bool RunBackup(RecordStore &records, const BackupSettings &settings)
{
    const QString errorText = QStringLiteral("バックアップエラー");
    try {
        if (settings.BackupFileName.isEmpty()) {
            ShowWarning(kNameTitle, QStringLiteral("バックアップファイル名を入力して下さい"));
            return false;
        }
        rememberPlace(settings, 17, errorText);
        const QString archive = BackupArchivePath(settings);
        if (!waitForDrive(settings.BackupFolder, true))
            return false;
        PackMode mode = PackMode::Update;
        if (QFileInfo::exists(archive)) {
            if (!AskOverwrite(settings.BackupFileName))
                return false;
            // The old archive goes only once the new one has been written and checked.
            mode = PackMode::Replace;
        }
        records.CloseRecordFiles();
        const bool packed = [&] {
            const BusyPointer busy;
            return PackData(archive, mode);
        }();
        if (packed)
            ShowInformation(QStringLiteral("バックアップの完了"), QStringLiteral("バックアップが完了しました。"));
        else
            ShowWarning(kBackupFailedTitle, kBackupFailedText);
        records.OpenRecordFiles();
        return packed;
    } catch (const std::exception &) {
        ShowErrorBox(17, errorText);
        if (!records.IsOpen())
            records.OpenRecordFiles();
        return false;
    }
}

bool AskDataLoss()
{
    return AskYesNo(
        QStringLiteral("データ消去の確認"),
        QStringLiteral("バックアップデータを復元すると現在のデータが消去されます。\r\n"
                       "復元してもよろしいですか？\r\n\r\n"
                       "（現在のデータを復元したいバックアップデータとは別名でバックアップされることを強く推"
                       "奨します。）"),
        PromptIcon::Warning);
}

RestoreOutcome RunRestore(RecordStore &records, const BackupSettings &settings)
{
    const QString errorText = QStringLiteral("バックアップ復元エラー");
    try {
        if (settings.BackupFileName.isEmpty() || settings.BackupFolder.isEmpty()) {
            ShowWarning(kNameTitle, QStringLiteral("バックアップファイル名を選択して下さい"));
            return RestoreOutcome::Stopped;
        }
        rememberPlace(settings, 18, errorText);
        const QString archive = BackupArchivePath(settings);
        if (!QFileInfo(archive).isFile()) {
            ShowWarning(kNameTitle, QStringLiteral("指定したバックアップファイルが存在しません。"));
            return RestoreOutcome::Stopped;
        }
        if (!AskDataLoss())
            return RestoreOutcome::Stopped;
        if (!waitForDrive(settings.BackupFolder, false))
            return RestoreOutcome::Stopped;
        records.CloseRecordFiles();
        const bool unpacked = [&] {
            const BusyPointer busy;
            return UnpackData(archive);
        }();
        if (unpacked) {
            ShowInformation(kRestartTitle, kRestartText);
            return RestoreOutcome::Restored;
        }
        ShowWarning(QStringLiteral("復元の失敗"), QStringLiteral("バックアップデータの復元に失敗しました"));
        records.OpenRecordFiles();
        return RestoreOutcome::Failed;
    } catch (const std::exception &) {
        ShowErrorBox(18, errorText);
        if (!records.IsOpen())
            records.OpenRecordFiles();
        return RestoreOutcome::Failed;
    }
}
