// The import rules below the windows: files that are not what they claim to be, the cell
// conversions, and the record store's batch appends and phone-book deletion.
#include "importtest.h"

#include "customers/customerimport.h"
#include "customers/importfields.h"
#include "customers/phonebookimport.h"
#include "store/importsource.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <csignal>
#include <iostream>

#include <sys/resource.h>
#include <unistd.h>

namespace
{

class ImportCore : public ImportTest
{
  protected:
    ImportSource::ReadStatus read(const QByteArray &bytes, CsvTable &rows)
    {
        folder.write(QStringLiteral("in.csv"), bytes);
        return ImportSource::ReadSource(folder.file(QStringLiteral("in.csv")), rows);
    }
};

} // namespace

TEST_F(ImportCore, BadFilesAreRefusedOrReadWhole)
{
    using ImportSource::ReadStatus;
    CsvTable rows{{QStringLiteral("kept")}};
    EXPECT_EQ(read({}, rows), ReadStatus::Empty);
    EXPECT_EQ(read(QByteArray("\x7f"
                              "ELF\x02\x01\x01\0\0\0",
                              10),
                   rows),
              ReadStatus::Unreadable);
    EXPECT_EQ(read(QStringLiteral("麺類,ラーメン,800\r\n").toUtf8(), rows), ReadStatus::Unreadable);
    EXPECT_EQ(read(QByteArray("\x82\xa0\x82", 3), rows), ReadStatus::Unreadable); // cut in a character
    // A read that fails leaves what was read before.
    EXPECT_EQ(rows, (CsvTable{{QStringLiteral("kept")}}));

    // Unbalanced quotes: a quote inside an unquoted cell is a character; an opening quote that
    // never closes takes the rest of the file into its cell.
    ASSERT_EQ(read(Cp932Lines({QStringLiteral("a\"b,\"c"), QStringLiteral("x,y"), QStringLiteral("z")}), rows),
              ReadStatus::Ok);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("a\"b"), QStringLiteral("c\r\nx,y\r\nz\r\n")}));

    // A quote left open over a large file is read in one pass.
    QByteArray open = "\"";
    open += QByteArray(4'000'000, 'x') + "\r\n" + QByteArray(4'000'000, 'y');
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(read(open, rows), ReadStatus::Ok);
    std::cerr << "open quote over 8 MB: " << timer.elapsed() << " ms\n";
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].size(), 8'000'002);

    // 10,000 columns on the first line, 200,000 short lines after it: short rows are not
    // padded to the width, and the refusal quotes stay three cells wide.
    QByteArray wide = QByteArray(9999, ',') + "\r\n";
    for (int i = 0; i < 200'000; ++i)
        wide += "1\r\n";
    timer.restart();
    ASSERT_EQ(read(wide, rows), ReadStatus::Ok);
    std::cerr << "10,000 columns: " << timer.elapsed() << " ms\n";
    EXPECT_LT(timer.elapsed(), 10000);
    ASSERT_EQ(rows.size(), 200'001u);
    EXPECT_EQ(rows[0].size(), 10000);
    EXPECT_EQ(ImportSource::SourceEntries(rows).size(), 10000);
    EXPECT_EQ(rows[1], QStringList{QStringLiteral("1")});
    EXPECT_EQ(ImportSource::FirstColumns(rows, rows[1]), QStringLiteral("1,,"));

    // A million lines, checked and refused without a quadratic step.
    QByteArray many;
    many.reserve(14'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        many += "x,03" + QByteArray::number(10000000 + i) + "\r\n";
    openStore();
    timer.restart();
    ASSERT_EQ(read(many, rows), ReadStatus::Ok);
    ASSERT_EQ(rows.size(), 1'000'000u);
    std::cerr << "1,000,000 lines read: " << timer.elapsed() << " ms\n";
    const auto checked = PhoneBookImport::CheckRows(rows, {0, 0, 2, 0}, data.records);
    EXPECT_LT(timer.elapsed(), 30000);
    EXPECT_EQ(checked.batch.size(), 1'000'000u);
    const auto refused = CustomerImport::CheckLines(rows, {2, 0, 0, 0, 0, 0}, data.records, 0);
    EXPECT_EQ(refused.failures.size(), 1'000'000);
    EXPECT_EQ(refused.failures.back(), QStringLiteral("名前が空白：x,0310999999"));
}

TEST_F(ImportCore, CellsAreConvertedAsTheFieldsNeed)
{
    using namespace ImportFields;
    EXPECT_EQ(Tel(QStringLiteral("０３－１２３４　５６７８")), QStringLiteral("0312345678"));
    EXPECT_EQ(Tel(QStringLiteral(" 03-1234-5678 ")), QStringLiteral("0312345678"));
    EXPECT_EQ(Name(QStringLiteral("ヤマダ　タロウ")), QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_EQ(Name(QStringLiteral("やまだ 山田")), QStringLiteral("やまだ山田")); // hiragana and kanji stay
    EXPECT_EQ(Zip(QStringLiteral("１６０－００２３")), QStringLiteral("1600023"));
    EXPECT_TRUE(IsPhoneNumber(QStringLiteral("09011112222"), 11));
    EXPECT_FALSE(IsPhoneNumber(QStringLiteral("090111122223"), 11)); // would be cut to another number
    EXPECT_FALSE(IsPhoneNumber(QString(), 14));
    EXPECT_FALSE(IsPhoneNumber(QStringLiteral("03(1111)2222"), 14));
    EXPECT_FALSE(IsPhoneNumber(QStringLiteral("+81312345678"), 14));

    // A name of blanks only is empty once converted; a long name is judged as it will be stored.
    const CsvTable lines{{QStringLiteral("0312345678"), QStringLiteral("　 　")},
                         {QStringLiteral("0312345679"), QString(40, QChar(0xFF71))}};
    const auto checked = CustomerImport::CheckLines(lines, {1, 2, 0, 0, 0, 0}, data.records, 0);
    EXPECT_EQ(checked.failures, QStringList{QStringLiteral("名前が空白：0312345678,　 　")});
    ASSERT_EQ(checked.batch.size(), 1u);
    EXPECT_EQ(checked.batch[0].Motive, -1);
}

TEST_F(ImportCore, ABatchIsStoredWholeOrNotAtAll)
{
    CustomerRecord first;
    first.CustomerId = 5;
    first.Tel = QStringLiteral("0311111111");
    folder.write(RecordStore::kCustomerFile, first.toBytes());
    openStore();
    std::vector<CustomerRecord> batch(20000);
    for (size_t i = 0; i < batch.size(); ++i)
        batch[i].Tel = QString::number(300000000 + int(i));

    // A file-size limit a little above the present file makes a write fail part-way through.
    const QByteArray before = folder.read(RecordStore::kCustomerFile);
    struct rlimit old {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = rlim_t(before.size() + 10000 * kCustomerRecordLength);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool stored = data.records.RecordAddAll(batch);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(stored);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, ErrorBoxText(7, QStringLiteral("顧客データの登録エラー")));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), before);
    EXPECT_EQ(data.records.CustomerCount(), 1);
    EXPECT_EQ(data.records.NextCustomerRecordNo, 2);

    // Without the limit the same batch goes in with consecutive numbers after the largest.
    ASSERT_TRUE(data.records.RecordAddAll(batch));
    ASSERT_EQ(data.records.CustomerCount(), 20001);
    EXPECT_EQ(data.records.CustomerIndex[2].CustomerId, 6);
    EXPECT_EQ(data.records.CustomerIndex[20001].CustomerId, 20005);
    EXPECT_EQ(data.records.CustomerIndex[20001].RecordNo, 20001);
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kCustomerFile)).size(), 20001 * kCustomerRecordLength);
}

TEST_F(ImportCore, DeletingThePhoneBookEmptiesFileAndTableAndAppendsStartAgain)
{
    PhoneBookRecord p;
    p.Tel = QStringLiteral("0311112222");
    folder.write(RecordStore::kPhoneBookFile, p.toBytes() + p.toBytes());
    openStore();
    ASSERT_EQ(data.records.PhoneBookCount(), 2);
    ASSERT_TRUE(data.records.DeleteAllPhoneBookEntries());
    EXPECT_EQ(data.records.PhoneBookCount(), 0);
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile), QByteArray());
    ASSERT_TRUE(data.records.AppendPhoneBookEntries({p}));
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile), p.toBytes());
    ASSERT_TRUE(data.records.ReadPhoneBookEntry(1).has_value());
    EXPECT_EQ(data.records.ReadPhoneBookEntry(1)->Tel, p.Tel);
    EXPECT_EQ(prompt.count(), 0);

    // A data folder that lost its write permission keeps the file: told once, entries kept.
    // (root may write anywhere, so there is nothing to refuse there.)
    if (::geteuid() == 0)
        return;
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool deleted = data.records.DeleteAllPhoneBookEntries();
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(deleted);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, ErrorBoxText(13, QStringLiteral("電話帳データの削除エラー")));
    EXPECT_EQ(data.records.PhoneBookCount(), 1);
}
