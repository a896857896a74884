// The call history with its caller names, and the shared-folder number.
#include <gtest/gtest.h>

#include "callerid/callerid.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"

#include <QDir>

namespace
{

const QString kFolderTitle = QStringLiteral("着信番号を参照できません");
const QString kFolderText = QStringLiteral("着信番号参照フォルダの設定が間違っています。\n"
                                           "左メニューの[設定]-[CTI設定]で参照フォルダを確認して下さい。");

class CallerIdCore : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Clock::Pin(kNow);
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        CustomerRecord c;
        c.CustomerId = 1;
        c.Tel = QStringLiteral("0312345678");
        c.NameKana = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
        ASSERT_TRUE(data->records.AddCustomer(c));
        PhoneBookRecord b;
        b.Tel = QStringLiteral("0355556666");
        b.Name = QStringLiteral("鈴木商店");
        ASSERT_TRUE(data->records.AppendPhoneBookEntries({b}));
        panels.clear();
        cti = std::make_unique<CallerId>(*data);
        cti->callerPanelChanged = [this](const QString &t) { panels << t; };
    }
    void TearDown() override
    {
        cti.reset();
        data.reset();
        Clock::Unpin();
    }

    static inline const QDateTime kNow{QDate(2026, 5, 10), QTime(18, 45)};
    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
    std::unique_ptr<CallerId> cti;
    QStringList panels;
};

TEST_F(CallerIdCore, HistoryKeepsTwentyNamedCallsNewestFirst)
{
    const auto record = [this](const QString &n) {
        cti->SetLatest(n);
        cti->Record();
    };
    record(QStringLiteral("0312345678"));
    record(QStringLiteral("0355556666"));
    record(QStringLiteral("0399990000"));
    record(QStringLiteral("番号非通知"));
    const auto &e = cti->History().Entries();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[3].Name, QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"));
    EXPECT_EQ(e[2].Name, QStringLiteral("鈴木商店"));
    EXPECT_EQ(e[1].Name, QStringLiteral("新規"));
    EXPECT_EQ(e[0].Name, QStringLiteral("???"));
    EXPECT_EQ(panels.last(), QStringLiteral("最新着信番号：番号非通知 ???"));
    EXPECT_EQ(panels.first(), QStringLiteral("最新着信番号：0312345678 ﾔﾏﾀﾞ ﾀﾛｳ"));

    // The same number again only refreshes the time of the newest entry.
    Clock::Pin(kNow.addSecs(600));
    record(QStringLiteral("番号非通知"));
    EXPECT_EQ(cti->History().Entries().size(), 4u);
    EXPECT_EQ(cti->History().Entries()[0].Time, kNow.addSecs(600));

    // An empty fetch is no call: the list would otherwise stop showing at it.
    record(QString());
    EXPECT_EQ(cti->History().Entries().size(), 4u);

    for (int i = 0; i < 20; ++i)
        record(QStringLiteral("0600000%1").arg(i, 3, 10, QLatin1Char('0')));
    ASSERT_EQ(cti->History().Entries().size(), 20u);
    EXPECT_EQ(cti->History().Entries().front().Number, QStringLiteral("0600000019"));
    EXPECT_EQ(cti->History().Entries().back().Number, QStringLiteral("0600000000"));
}

TEST_F(CallerIdCore, SharedFolderGivesTheFirstLineOfCtiDat)
{
    data->settings.Cti.CtiMode = QStringLiteral("2");
    const QString shared = folder.path() + QStringLiteral("/shared");
    ASSERT_TRUE(QDir().mkpath(shared));
    data->settings.Cti.CtiFolder = shared;

    // No file and nothing fetched before: the warning.
    EXPECT_EQ(cti->Fetch(), QString());
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kFolderTitle);
    EXPECT_EQ(prompt.last().text, kFolderText);

    folder.write(QStringLiteral("shared/cti.dat"), "0312345678\r\n0399999999\r\n");
    EXPECT_EQ(cti->Fetch(), QStringLiteral("0312345678"));
    EXPECT_EQ(prompt.count(), 1);

    // The file gone: the number fetched before is used again, silently.
    ASSERT_TRUE(QFile::remove(shared + QStringLiteral("/cti.dat")));
    EXPECT_EQ(cti->Fetch(), QStringLiteral("0312345678"));
    EXPECT_EQ(prompt.count(), 1);

    // An empty file reads as an empty number: nothing at all is available then.
    CallerId fresh(*data);
    folder.write(QStringLiteral("shared/cti.dat"), "");
    EXPECT_EQ(fresh.Fetch(), QString());
    EXPECT_EQ(prompt.count(), 2);

    // A folder that does not exist.
    data->settings.Cti.CtiFolder = folder.path() + QStringLiteral("/nowhere");
    CallerId other(*data);
    EXPECT_EQ(other.Fetch(), QString());
    EXPECT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.last().text, kFolderText);
}

} // namespace
