// What direct mail writes: the history file in display order and the export file, byte for byte.
#include "dmtest.h"

#include "directmail/dmexport.h"
#include "directmail/dmhistory.h"
#include "store/cp932.h"
#include "store/settingfiles.h"

#include <QFile>

namespace
{

class DmFiles : public DmTest
{
};

TEST_F(DmFiles, HistoryEntryRowTextsAndFileBytesInGivenOrder)
{
    DmConditions c;
    c.all = false;
    c.countOn = true;
    c.count = 5;
    c.countDirection = -1;
    const DmHistoryEntry a = MakeDmHistoryEntry(QDateTime(QDate(2024, 5, 10), QTime(18, 45, 12, 500)), 5, 2, c, 12);
    DmConditions all;
    const DmHistoryEntry b = MakeDmHistoryEntry(QDateTime(QDate(2023, 12, 1), QTime(9, 5, 0)), 0, 1, all, 1234);
    EXPECT_EQ(DmHistoryRowTexts(a),
              (QStringList{QStringLiteral("2024/05/10"), QStringLiteral("利用が少ない顧客"), QStringLiteral("利用促進"),
                           QString(32, QLatin1Char(' ')) + QStringLiteral(" 5回以下"), QStringLiteral("0012")}));
    EXPECT_EQ(DmHistoryRowTexts(b).at(4), QStringLiteral("1234"));

    ASSERT_TRUE(StoreDmHistory(data->settings, {b, a}));
    const QByteArray expected = ToCp932(QStringLiteral("\"2023/12/01 09:05:00\t0\t1\tすべて\t1234\"\r\n"
                                                       "\"2024/05/10 18:45:12\t5\t2\t%1 5回以下\t12\"\r\n")
                                            .arg(QString(32, QLatin1Char(' '))));
    EXPECT_EQ(folder.read(QStringLiteral("dm.snw")), expected);
    ASSERT_EQ(data->settings.DmHistory.size(), 3u);

    // Read back as at start-up: the same entries in the same order.
    SettingTables reread;
    ASSERT_TRUE(LoadDmHistory(reread));
    ASSERT_EQ(reread.DmHistory.size(), 3u);
    EXPECT_EQ(reread.DmHistory[2].DmDate, a.DmDate);
    EXPECT_EQ(reread.DmHistory[2].DmCondition, a.DmCondition);
    EXPECT_EQ(reread.DmHistory[1].DmCount, 1234);

    // No rows: the file goes away.
    ASSERT_TRUE(StoreDmHistory(data->settings, {}));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("dm.snw"))));
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(DmFiles, HistoryWriteFailureIsReported)
{
    // A folder where the file should be: it can be neither replaced nor removed.
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("dm.snw/x")));
    EXPECT_FALSE(StoreDmHistory(data->settings, {MakeDmHistoryEntry(kNow, 0, 0, DmConditions{}, 1)}));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 19\r\rDMファイル書き込みエラー"));
}

TEST_F(DmFiles, ExportWritesQuotedCp932LinesInGivenOrderSkippingDeleted)
{
    const qint32 one = add(QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ"), 0, 0, 0, 0, QStringLiteral("1600023"));
    const qint32 two = add(QStringLiteral("ｻﾄｳ\"ﾊﾅｺ\""), 0, 0, 0, 0, QStringLiteral("0640941"));
    const qint32 gone = add(QStringLiteral("ｷｴﾙ"), 0, 0, 0);
    ASSERT_TRUE(data->records.DeleteCustomer(data->records.FindCustomerPos(gone)));
    const auto customers = ReadDmCustomers(data->records, {two, gone, one});
    ASSERT_EQ(customers.size(), 2u);
    const QString path = folder.file(QStringLiteral("out.csv"));
    ASSERT_TRUE(WriteDmCsv(path, customers));
    const QByteArray expected =
        ToCp932(QStringLiteral("\"ｻﾄｳ\"\"ﾊﾅｺ\"\"\",\"064-0941\",\"新宿区西新宿2-8-2\",\"空ビル3F\"\r\n"
                               "\"ﾔﾏﾀﾞ ﾀﾛｳ\",\"160-0023\",\"新宿区西新宿2-8-1\",\"空ビル2F\"\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("out.csv")), expected);

    EXPECT_FALSE(WriteDmCsv(folder.file(QStringLiteral("no/such/folder/out.csv")), customers));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 5\r\rエクスポートファイル書き込みエラー"));
}

} // namespace
