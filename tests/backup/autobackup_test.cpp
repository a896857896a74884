// The automatic backup at the end of work: weekday folders, the ten-archive rotation, the
// overwrite question, and the end-of-work dialog asking again after a failure.
#include "backup/autobackup.h"
#include "backup/lzhreader.h"

#include "app/frmExit.h"
#include "app/frmMain.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace
{

struct AutoBackupTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    QTemporaryDir root;
    AppData data{folder.path()};
    // Wednesday 9 December 2026, 21:30.
    const QString weekday = QLocale::system().dayName(3, QLocale::ShortFormat);

    void SetUp() override
    {
        Clock::Pin(QDateTime(QDate(2026, 12, 9), QTime(21, 30)));
        ASSERT_TRUE(data.records.OpenRecordFiles());
        data.records.BuildIndexes();
        folder.write(QStringLiteral("Shop.snw"), QByteArray("shop settings\r\n"));
    }
    void TearDown() override { Clock::Unpin(); }

    QString weekdayFolder() const { return root.path() + QLatin1Char('/') + weekday; }
};

TEST_F(AutoBackupTest, ArchiveGoesToTheWeekdayFolderUnderTheDateAndHour)
{
    EXPECT_EQ(AutomaticBackupFolder(root.path()), weekdayFolder());
    EXPECT_EQ(AutomaticBackupFileName(), QStringLiteral("Soranowa_bak_26_12_09_21.snb"));
    data.records.CloseRecordFiles();
    ASSERT_TRUE(RunAutomaticBackup(root.path()));
    EXPECT_EQ(prompt.count(), 0);
    const auto entries = ReadLzhArchive(weekdayFolder() + QStringLiteral("/Soranowa_bak_26_12_09_21.snb"), QString(),
                                        [](const LzhEntry &) { return true; });
    ASSERT_TRUE(entries.has_value());
    QStringList names;
    for (const LzhEntry &e : *entries)
        names << e.name;
    EXPECT_TRUE(names.contains(QStringLiteral("Shop.snw")));
    EXPECT_TRUE(names.contains(QStringLiteral("Sales.snw")));
}

TEST_F(AutoBackupTest, KeepsTheNewestTenIncludingTheOneJustMade)
{
    ASSERT_TRUE(QDir().mkpath(weekdayFolder()));
    QStringList older;
    for (int week = 1; week <= 11; ++week) {
        const QString name = QStringLiteral("Soranowa_bak_26_%1_02_21.snb").arg(week, 2, 10, QLatin1Char('0'));
        QFile f(weekdayFolder() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        older << name;
    }
    data.records.CloseRecordFiles();
    ASSERT_TRUE(RunAutomaticBackup(root.path()));
    const QStringList left = QDir(weekdayFolder()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(left.size(), 10);
    EXPECT_EQ(left.last(), QStringLiteral("Soranowa_bak_26_12_09_21.snb"));
    // The two oldest went: 01 and 02.
    EXPECT_EQ(left.first(), QStringLiteral("Soranowa_bak_26_03_02_21.snb"));
}

TEST_F(AutoBackupTest, SameHourAsksBeforeOverwritingAndCancelKeepsTheOldArchive)
{
    ASSERT_TRUE(QDir().mkpath(weekdayFolder()));
    const QString path = weekdayFolder() + QStringLiteral("/Soranowa_bak_26_12_09_21.snb");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier archive");
    f.close();
    data.records.CloseRecordFiles();

    prompt.answerNext(PromptAnswer::Cancel);
    EXPECT_FALSE(RunAutomaticBackup(root.path()));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("上書きの許可"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("/Soranowa_bak_26_12_09_21.snb は既に存在します。\r\n"
                                                 "バックアップファイルを上書きしてもよろしいですか？"));
    EXPECT_EQ(prompt.last().buttons, PromptButtons::OkCancel);
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray("earlier archive"));

    prompt.answerNext(PromptAnswer::Ok);
    EXPECT_TRUE(RunAutomaticBackup(root.path()));
    EXPECT_TRUE(ReadLzhArchive(path, QString(), [](const LzhEntry &) { return true; }).has_value());
}

TEST_F(AutoBackupTest, YesAtTheEndOfWorkBacksUpAndEnds)
{
    frmMain w(data);
    w.automaticBackup = [this](AppData &) { return RunAutomaticBackup(root.path()); };
    w.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<frmExit *>(QApplication::activeModalWidget()))
            dialog->cmdYes->click();
    });
    poll.start(10);
    EXPECT_TRUE(w.close());
    poll.stop();
    EXPECT_TRUE(QFile::exists(weekdayFolder() + QStringLiteral("/Soranowa_bak_26_12_09_21.snb")));
    EXPECT_FALSE(data.records.IsOpen());
}

TEST_F(AutoBackupTest, FailedBackupReturnsToTheDialogWithTheCompactionChoiceKept)
{
    // A folder that cannot be made: the backup root is an ordinary file.
    const QString blocked = root.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    frmMain w(data);
    w.automaticBackup = [&](AppData &) { return RunAutomaticBackup(blocked); };
    w.show();
    int shown = 0;
    bool secondTicked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<frmExit *>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("seen").toBool())
            return;
        dialog->setProperty("seen", true);
        if (++shown == 1) {
            dialog->chkOptimize->setChecked(true);
            dialog->cmdYes->click();
        } else {
            secondTicked = dialog->chkOptimize->isChecked();
            dialog->cmdCancel->click();
        }
    });
    poll.start(10);
    EXPECT_FALSE(w.close());
    poll.stop();
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(secondTicked);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("バックアップの失敗"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップに失敗しました"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_TRUE(data.records.IsOpen());
}

} // namespace
