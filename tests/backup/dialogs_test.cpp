// The backup and restore dialogs: their place, every message, and the files they leave.
#include "backup/lzhreader.h"
#include "backup/ui/frmBackup.h"
#include "backup/ui/frmRestore.h"

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/datafolder.h"
#include "store/appdata.h"
#include "store/textfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{

struct BackupDialogTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    QTemporaryDir media;
    AppData data{folder.path()};

    void SetUp() override
    {
        ASSERT_TRUE(data.records.OpenRecordFiles());
        folder.write(QStringLiteral("Shop.snw"), QByteArray("shop\r\n"));
    }
    void placeIn(const QString &dir, const QString &name)
    {
        ASSERT_TRUE(
            WriteCp932Lines(folder.file(QStringLiteral("BackUp.snw")),
                            {QLatin1Char('"') + dir + QLatin1Char('"'), QLatin1Char('"') + name + QLatin1Char('"')}));
    }
    QString archive() const { return media.filePath(QStringLiteral("shop.snb")); }
};

TEST_F(BackupDialogTest, OpensWithTheDefaultsAndBrowsingOrResettingChangesThePlace)
{
    frmBackup dialog(data.records);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バックアップ"));
    EXPECT_EQ(dialog.lblFolder->text(), ProgramFolder() + QStringLiteral("/Backup"));
    EXPECT_EQ(dialog.txtFileName->text(), QStringLiteral("Soranowa.snb"));

    prompt.fileNext(media.filePath(QStringLiteral("monday")));
    dialog.cmdBrowse->click();
    EXPECT_EQ(prompt.fileDialogTitles, QStringList{QStringLiteral("バックアップファイルの保存")});
    EXPECT_EQ(dialog.lblFolder->text(), media.path());
    EXPECT_EQ(dialog.txtFileName->text(), QStringLiteral("monday.snb"));
    EXPECT_EQ(QDir::currentPath(), folder.path());

    prompt.fileNext(QString()); // cancelled: nothing changes
    dialog.cmdBrowse->click();
    EXPECT_EQ(dialog.place().BackupFileName, QStringLiteral("monday.snb"));

    dialog.txtFileName->clear();
    QTest::keyClicks(dialog.txtFileName, QStringLiteral("typed.snb"));
    EXPECT_EQ(dialog.place().BackupFileName, QStringLiteral("typed.snb"));

    dialog.cmdDefault->click();
    EXPECT_EQ(dialog.lblFolder->text(), ProgramFolder() + QStringLiteral("/Backup"));
    EXPECT_EQ(dialog.txtFileName->text(), QStringLiteral("Soranowa.snb"));
}

TEST_F(BackupDialogTest, BackupAsksForANameWaitsForTheDriveAndAsksBeforeOverwriting)
{
    placeIn(media.path(), QStringLiteral("shop.snb"));
    frmBackup dialog(data.records);
    dialog.show();

    dialog.txtFileName->clear();
    QTest::keyClicks(dialog.txtFileName, QStringLiteral("x"));
    QTest::keyClick(dialog.txtFileName, Qt::Key_Backspace);
    dialog.cmdBackup->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("ファイル名確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップファイル名を入力して下さい"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    QTest::keyClicks(dialog.txtFileName, QStringLiteral("shop.snb"));

    prompt.clear();
    dialog.cmdBackup->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("バックアップの完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップが完了しました。"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_TRUE(ReadLzhArchive(archive(), QString(), [](const LzhEntry &) { return true; }).has_value());
    EXPECT_EQ(folder.read(QStringLiteral("BackUp.snw")),
              (QLatin1Char('"') + media.path() + QStringLiteral("\"\r\n\"shop.snb\"\r\n")).toUtf8());

    // Again to the same name: asked first; Cancel leaves the archive as it was.
    QFile f(archive());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray first = f.readAll();
    f.close();
    frmBackup second(data.records);
    prompt.clear();
    prompt.answerNext(PromptAnswer::Cancel);
    second.cmdBackup->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("上書きの許可"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("shop.snb は既に存在します。\r\nバックアップファイルを上書きしてもよろしいですか？"));
    EXPECT_EQ(prompt.last().buttons, PromptButtons::OkCancel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), first);
    f.close();

    // A drive that is not there: asked to retry until the user cancels.
    const QString missing = media.filePath(QStringLiteral("shop.snb")) + QStringLiteral("/usb");
    placeIn(missing, QStringLiteral("shop.snb"));
    frmBackup third(data.records);
    prompt.clear();
    prompt.answerNext(PromptAnswer::Retry);
    prompt.answerNext(PromptAnswer::Cancel);
    third.cmdBackup->click();
    ASSERT_EQ(prompt.count(), 2);
    for (const PromptRequest &r : prompt.asked) {
        EXPECT_EQ(r.title, QStringLiteral("デバイスアクセスエラー"));
        EXPECT_EQ(r.text, missing + QStringLiteral(" にアクセスできません。\r\n\r\nデバイスの準備ができていません。"));
        EXPECT_EQ(r.buttons, PromptButtons::RetryCancel);
    }
    EXPECT_TRUE(data.records.IsOpen());
}

TEST_F(BackupDialogTest, RestoreAsksFirstThenReplacesTheDataAndAsksForARestart)
{
    placeIn(media.path(), QStringLiteral("shop.snb"));
    {
        frmBackup backup(data.records);
        backup.cmdBackup->click();
    }
    folder.write(QStringLiteral("Shop.snw"), QByteArray("changed after the backup"));

    frmRestore dialog(data.records);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バックアップファイルの復元"));
    EXPECT_EQ(dialog.txtFileName->text(), QStringLiteral("shop.snb"));
    prompt.clear();
    prompt.fileNext(QString());
    dialog.cmdBrowse->click();
    EXPECT_EQ(prompt.fileDialogTitles.last(), QStringLiteral("バックアップファイルの復元"));

    // Declined: nothing changes.
    prompt.answerNext(PromptAnswer::No);
    dialog.cmdRestore->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("データ消去の確認"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral(
                  "バックアップデータを復元すると現在のデータが消去されます。\r\n復元してもよろしいですか？\r\n\r\n"
                  "（現在のデータを復元したいバックアップデータとは別名でバックアップされることを強く推奨します。）"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(folder.read(QStringLiteral("Shop.snw")), QByteArray("changed after the backup"));
    EXPECT_FALSE(dialog.restored());

    prompt.clear();
    dialog.cmdRestore->click();
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("ソラノワの再起動"));
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("バックアップデータの復元が完了しました。\r\n\r\nソラノワの再起動が必要です。\r\n"
                             "一度終了しますのでソラノワを再度起動して下さい。"));
    EXPECT_TRUE(dialog.restored());
    EXPECT_EQ(folder.read(QStringLiteral("Shop.snw")), QByteArray("shop\r\n"));
    EXPECT_FALSE(data.records.IsOpen()) << "the program ends without touching the files again";
}

TEST_F(BackupDialogTest, RestoreRefusesAMissingOrDamagedArchiveAndKeepsWorking)
{
    placeIn(media.path(), QStringLiteral("none.snb"));
    frmRestore dialog(data.records);
    dialog.cmdRestore->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("ファイル名確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("指定したバックアップファイルが存在しません。"));

    dialog.txtFileName->clear();
    QTest::keyClicks(dialog.txtFileName, QStringLiteral("a"));
    QTest::keyClick(dialog.txtFileName, Qt::Key_Backspace);
    prompt.clear();
    dialog.cmdRestore->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップファイル名を選択して下さい"));

    QFile bad(media.filePath(QStringLiteral("bad.snb")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is no archive");
    bad.close();
    QTest::keyClicks(dialog.txtFileName, QStringLiteral("bad.snb"));
    prompt.clear();
    dialog.cmdRestore->click();
    ASSERT_EQ(prompt.count(), 2); // the question, then the failure
    EXPECT_EQ(prompt.last().title, QStringLiteral("復元の失敗"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップデータの復元に失敗しました"));
    EXPECT_FALSE(dialog.restored());
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_EQ(folder.read(QStringLiteral("Shop.snw")), QByteArray("shop\r\n"));
}

} // namespace
