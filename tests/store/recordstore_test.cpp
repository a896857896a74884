// The record store on hand-built data files: index tables, every operation with its error box,
// positions, numbering, usage recount, bulk appends, torn and damaged files.
#include "storetest.h"

#include "store/oledate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace
{

std::vector<fx::Customer> threeCustomers()
{
    fx::Customer a = CustomerNo(3, "0311111111");
    fx::Customer b = CustomerNo(41, "0322222222");
    b.NameKana = "\xbb\xc4\xb3"; // ｻﾄｳ
    b.Zip = "0000000";
    fx::Customer c = CustomerNo(7, "0333333333");
    return {a, b, c};
}

} // namespace

TEST_F(StoreTest, MissingFilesAreCreatedEmptyAndNumberingStartsAtOne)
{
    Clock::Pin(QDateTime(QDate(2004, 1, 15), QTime(10, 0)));
    RecordStore s; // the current directory is the data folder
    ASSERT_TRUE(s.OpenRecordFiles());
    ASSERT_TRUE(s.BuildIndexes());
    for (const QString &name : {RecordStore::kCustomerFile, RecordStore::kSalesFile, RecordStore::kPhoneBookFile}) {
        EXPECT_TRUE(QFileInfo::exists(folder.file(name))) << name.toStdString();
        EXPECT_EQ(QFileInfo(folder.file(name)).size(), 0);
    }
    EXPECT_EQ(s.CustomerCount(), 0);
    EXPECT_EQ(s.SalesCount(), 0);
    EXPECT_EQ(s.PhoneBookCount(), 0);
    EXPECT_EQ(s.OldestSalesDate, U("20010619"));
    EXPECT_EQ(s.MaxCustomerId(), 0);
    EXPECT_EQ(s.MaxOrderNoToday(), 0);
    EXPECT_EQ(s.NextCustomerRecordNo, 1);
    EXPECT_EQ(s.NextSalesRecordNo, 1);
    EXPECT_EQ(s.NextPhoneBookRecordNo, 1);
    EXPECT_EQ(s.FindCustomerPos(1), -1);
    EXPECT_EQ(prompt.count(), 0);

    // The first customer gets number 1, the first order of the day number 1.
    CustomerRecord customer = CustomerRecord::fromBytes(fx::Customer().bytes().constData());
    customer.CustomerId = s.MaxCustomerId() + 1;
    ASSERT_TRUE(s.AddCustomer(customer));
    EXPECT_EQ(s.CustomerIndex[1].CustomerId, 1);
    SalesRecord sale = SalesRecord::fromBytes(fx::Sale().bytes().constData());
    sale.OrderDate = U("20040115");
    sale.OrderNo = qint16(s.MaxOrderNoToday() + 1);
    ASSERT_TRUE(s.AddSale(sale));
    EXPECT_EQ(s.MaxOrderNoToday(), 1);
    EXPECT_EQ(s.MaxCustomerId(), 1);
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kCustomerFile)).size(), kCustomerRecordLength);
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kSalesFile)).size(), kSalesRecordLength);
}

TEST_F(StoreTest, OpenAndBuildFailuresShowTheirBoxesAndLeaveEmptyTables)
{
    RecordStore s(folder.file(QStringLiteral("no-such-folder")));
    EXPECT_FALSE(s.OpenRecordFiles());
    expectErrorBox(U("ErrorNo: 1\r\rファイルオープンエラー"));
    EXPECT_FALSE(s.IsOpen());
    EXPECT_FALSE(s.BuildIndexes());
    expectErrorBox(U("ErrorNo: 2\r\rインデックステーブル作成エラー"));
    EXPECT_EQ(s.CustomerCount(), 0);
    EXPECT_EQ(s.SalesCount(), 0);
    EXPECT_EQ(s.PhoneBookCount(), 0);
    EXPECT_EQ(s.OldestSalesDate, U("20010619"));
}

TEST_F(StoreTest, ADataFileThatCannotBeOpenedFailsTheOpen)
{
    writeCustomers(threeCustomers());
    ASSERT_TRUE(QDir(folder.path()).mkdir(RecordStore::kSalesFile)); // a folder where the file belongs
    RecordStore s(folder.path());
    EXPECT_FALSE(s.OpenRecordFiles());
    expectErrorBox(U("ErrorNo: 1\r\rファイルオープンエラー"));
    EXPECT_FALSE(s.IsOpen());
    // The files that did open are not left half open.
    EXPECT_FALSE(s.AddCustomer(CustomerRecord::fromBytes(CustomerNo(9, "09").bytes().constData())));
    expectErrorBox(U("ErrorNo: 7\r\r顧客データの登録エラー"));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), fx::FileOf(threeCustomers()));
}

TEST_F(StoreTest, EveryOperationOnClosedFilesShowsItsOwnBox)
{
    writeCustomers(threeCustomers());
    writeSales({SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 41, 1)});
    writePhoneBook({fx::PhoneBook()});
    RecordStore &s = open();
    const std::optional<CustomerRecord> customer = s.ReadCustomer(1);
    ASSERT_TRUE(customer);
    const std::optional<SalesRecord> sale = s.ReadSale(1);
    ASSERT_TRUE(sale);
    s.CloseRecordFiles();
    const QByteArray customersBefore = folder.read(RecordStore::kCustomerFile);
    const QByteArray salesBefore = folder.read(RecordStore::kSalesFile);

    EXPECT_FALSE(s.AddCustomer(*customer));
    expectErrorBox(U("ErrorNo: 7\r\r顧客データの登録エラー"));
    EXPECT_FALSE(s.AddSale(*sale));
    expectErrorBox(U("ErrorNo: 8\r\r売上データの登録エラー"));
    EXPECT_FALSE(s.ReadCustomer(1));
    expectErrorBox(U("ErrorNo: 9\r\r顧客データの読み込みエラー"));
    EXPECT_FALSE(s.ReadPhoneBookEntry(1));
    expectErrorBox(U("ErrorNo: 9\r\r電話帳データの読み込みエラー"));
    EXPECT_FALSE(s.ReadSale(1));
    expectErrorBox(U("ErrorNo: 10\r\r売上データの読み込みエラー"));
    EXPECT_FALSE(s.UpdateCustomer(1, *customer));
    expectErrorBox(U("ErrorNo: 11\r\r顧客データの更新エラー"));
    EXPECT_FALSE(s.UpdateSale(1, *sale));
    expectErrorBox(U("ErrorNo: 12\r\r売上データの更新エラー"));
    EXPECT_FALSE(s.DeleteCustomer(1));
    expectErrorBox(U("ErrorNo: 13\r\r顧客データの削除エラー"));
    EXPECT_FALSE(s.DeleteSale(1));
    expectErrorBox(U("ErrorNo: 14\r\r売上データの削除エラー"));
    EXPECT_FALSE(s.RecordAddAll({CustomerRecord()}));
    expectErrorBox(U("ErrorNo: 7\r\r顧客データの登録エラー"));
    EXPECT_FALSE(s.AppendPhoneBookEntries({PhoneBookRecord()}));
    expectErrorBox(U("ErrorNo: 7\r\r電話帳データの登録エラー"));
    // The recount saves through UpdateCustomer and fails with its box (its sale reads fail first).
    ASSERT_EQ(customer->CustomerId, 3);
    EXPECT_FALSE(s.RecountCustomerUsage(1, *customer));
    ASSERT_GE(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, U("ErrorNo: 11\r\r顧客データの更新エラー"));
    prompt.clear();

    // Nothing changed: the tables keep their entries, the files their bytes.
    EXPECT_EQ(s.CustomerCount(), 3);
    EXPECT_EQ(s.SalesCount(), 2);
    EXPECT_EQ(s.PhoneBookCount(), 1);
    EXPECT_EQ(s.NextCustomerRecordNo, 4);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesBefore);

    // Reopened, everything works again on the tables as they were.
    ASSERT_TRUE(s.OpenRecordFiles());
    const std::optional<CustomerRecord> second = s.ReadCustomer(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->CustomerId, 41);
    ASSERT_TRUE(s.AddCustomer(*second));
    EXPECT_EQ(s.CustomerIndex[4].RecordNo, 4);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(StoreTest, PositionsOutsideTheTablesShowTheOperationsBoxes)
{
    writeCustomers(threeCustomers());
    writeSales({SaleOf("20040115", 1, 3, 0)});
    writePhoneBook({fx::PhoneBook()});
    RecordStore &s = open();
    // A failed read gives no record at all, not an empty or half-read one.
    for (int pos : {0, -1, 4}) {
        EXPECT_FALSE(s.ReadCustomer(pos).has_value()) << pos;
        expectErrorBox(U("ErrorNo: 9\r\r顧客データの読み込みエラー"));
    }
    EXPECT_FALSE(s.ReadSale(2).has_value());
    expectErrorBox(U("ErrorNo: 10\r\r売上データの読み込みエラー"));
    EXPECT_FALSE(s.ReadPhoneBookEntry(2).has_value());
    expectErrorBox(U("ErrorNo: 9\r\r電話帳データの読み込みエラー"));
    const std::optional<CustomerRecord> customer = s.ReadCustomer(1);
    const std::optional<SalesRecord> sale = s.ReadSale(1);
    ASSERT_TRUE(customer && sale);
    EXPECT_FALSE(s.UpdateCustomer(4, *customer));
    expectErrorBox(U("ErrorNo: 11\r\r顧客データの更新エラー"));
    EXPECT_FALSE(s.UpdateSale(0, *sale));
    expectErrorBox(U("ErrorNo: 12\r\r売上データの更新エラー"));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), fx::FileOf(threeCustomers()));
}

TEST_F(StoreTest, CustomerIndexHoldsLiveCustomersInFileOrderWithTrimmedKeys)
{
    fx::Customer deleted = CustomerNo(-1, "0399999999");
    fx::Customer zero = CustomerNo(0, "0388888888");
    fx::Customer neverAssignedTel = CustomerNo(9, "");
    QByteArray nulTel = neverAssignedTel.bytes();
    nulTel.replace(4, 14, QByteArray(14, '\0')); // a field never assigned holds NULs
    fx::Customer duplicate = CustomerNo(3, "0300000000");
    std::vector<fx::Customer> records = threeCustomers();
    records.insert(records.begin() + 1, deleted);
    records.push_back(zero);
    records.push_back(duplicate);
    QByteArray file = fx::FileOf(records) + nulTel;
    folder.write(RecordStore::kCustomerFile, file);

    RecordStore &s = open();
    ASSERT_EQ(s.CustomerCount(), 5);
    struct Want {
        qint32 id;
        const char *tel;
        qint32 recordNo;
    };
    const Want want[] = {
        {3, "0311111111", 1}, {41, "0322222222", 3}, {7, "0333333333", 4}, {3, "0300000000", 6}, {9, "", 7}};
    for (int i = 0; i < 5; ++i) {
        const CustomerIndexEntry &e = s.CustomerIndex[size_t(i + 1)];
        EXPECT_EQ(e.CustomerId, want[i].id) << i;
        EXPECT_EQ(e.Tel, U(want[i].tel)) << i;
        EXPECT_EQ(e.RecordNo, want[i].recordNo) << i;
    }
    EXPECT_EQ(s.CustomerIndex[1].NameKana, U("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_EQ(s.CustomerIndex[1].Zip, U("1600023"));
    EXPECT_EQ(s.CustomerIndex[2].NameKana, U("ｻﾄｳ"));
    EXPECT_EQ(s.CustomerIndex[2].Zip, U("0000000"));
    EXPECT_EQ(s.NextCustomerRecordNo, 8);
    EXPECT_EQ(s.MaxCustomerId(), 41);

    EXPECT_EQ(s.FindCustomerPos(41), 2);
    EXPECT_EQ(s.FindCustomerPos(3), 1); // the first of two
    EXPECT_EQ(s.FindCustomerPos(-1), -1);
    EXPECT_EQ(s.FindCustomerPos(0), -1);
    EXPECT_EQ(s.FindCustomerPos(5), -1);
    EXPECT_EQ(s.FindCustomerPosByTel(U("0333333333")), 3);
    EXPECT_EQ(s.FindCustomerPosByTel(U("0399999999")), -1); // only on a deleted record
    EXPECT_EQ(s.FindCustomerPosByTel(U("033333333")), -1);  // exact text only
}

TEST_F(StoreTest, SalesIndexSkipsDeletedAndEmptyRecords)
{
    fx::Sale a = SaleOf("20040115", 1, 3, 0);
    fx::Sale deleted = SaleOf("20040115", 2, 3, -1);
    fx::Sale empty = SaleOf("20040116", 0, 3, 1);
    fx::Sale b = SaleOf("20040220", 1, 41, 3);
    b.DoneTime = fx::kOle20040220_2015;
    fx::Sale c = SaleOf("20040115", 3, 7, 2);
    c.DoneTime = 1.0;
    writeSales({a, deleted, empty, b, c});

    RecordStore &s = open();
    ASSERT_EQ(s.SalesCount(), 3);
    const SalesIndexEntry &e1 = s.SalesIndex[1];
    EXPECT_EQ(e1.OrderDate(), U("20040115"));
    EXPECT_EQ(e1.OrderNo, 1);
    EXPECT_EQ(e1.CustomerId, 3);
    EXPECT_EQ(e1.Status, 0);
    EXPECT_EQ(e1.RecordNo, 1);
    EXPECT_EQ(e1.DoneTime, fx::kOle20040115_1905);
    EXPECT_EQ(e1.OrderKey(), U("200401151"));
    const SalesIndexEntry &e2 = s.SalesIndex[2];
    EXPECT_EQ(e2.OrderDate(), U("20040220"));
    EXPECT_EQ(e2.CustomerId, 41);
    EXPECT_EQ(e2.Status, 3);
    EXPECT_EQ(e2.RecordNo, 4);
    EXPECT_EQ(e2.DoneTime, fx::kOle20040220_2015);
    const SalesIndexEntry &e3 = s.SalesIndex[3];
    EXPECT_EQ(e3.OrderKey(), U("200401153"));
    EXPECT_EQ(e3.Status, 2);
    EXPECT_EQ(e3.RecordNo, 5);
    EXPECT_EQ(e3.DoneTime, 1.0);
    EXPECT_EQ(s.NextSalesRecordNo, 6);
}

TEST_F(StoreTest, OldestSalesDateIsTheOldestLiveOrderButNeverLaterThan20010619)
{
    std::vector<fx::Sale> sales{SaleOf("20040115", 1, 3, 0), SaleOf("20040301", 1, 3, 1)};
    writeSales(sales);
    EXPECT_EQ(open().OldestSalesDate, U("20010619"));

    sales.push_back(SaleOf("20000301", 1, 3, 0));
    writeSales(sales);
    EXPECT_EQ(open().OldestSalesDate, U("20000301"));

    // A deleted sale and an empty record of earlier dates do not count.
    sales.push_back(SaleOf("19990101", 4, 3, -1));
    sales.push_back(SaleOf("19980101", 0, 3, 0));
    writeSales(sales);
    EXPECT_EQ(open().OldestSalesDate, U("20000301"));

    // Neither does a live record whose date is blank or damaged: it would sort before every
    // real date and make the year lists start in year 0.
    sales.push_back(SaleOf("", 5, 3, 0));
    sales.push_back(SaleOf("1999ab01", 6, 3, 0));
    writeSales(sales);
    RecordStore &s = open();
    EXPECT_EQ(s.OldestSalesDate, U("20000301"));
    EXPECT_EQ(s.SalesCount(), 5); // they are still listed
}

TEST_F(StoreTest, PhoneBookIndexHoldsEveryRecord)
{
    fx::PhoneBook a;
    fx::PhoneBook b;
    b.Tel = "0120";
    b.Name = fx::kTanaka;
    fx::PhoneBook blank;
    blank.Tel = "";
    writePhoneBook({a, b, blank});
    RecordStore &s = open();
    ASSERT_EQ(s.PhoneBookCount(), 3);
    EXPECT_EQ(s.PhoneBookIndex[1].Tel, U("0398765432"));
    EXPECT_EQ(s.PhoneBookIndex[2].Tel, U("0120"));
    EXPECT_EQ(s.PhoneBookIndex[3].Tel, U(""));
    EXPECT_EQ(s.PhoneBookIndex[3].RecordNo, 3);
    EXPECT_EQ(s.NextPhoneBookRecordNo, 4);
    EXPECT_EQ(s.FindPhoneBookPosByTel(U("0120")), 2);
    EXPECT_EQ(s.FindPhoneBookPosByTel(U("0121")), -1);

    const std::optional<PhoneBookRecord> entry = s.ReadPhoneBookEntry(2);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Tel, U("0120"));
    EXPECT_EQ(entry->Name, U("田中"));
    EXPECT_EQ(entry->Zip, U("1600023"));
    EXPECT_EQ(entry->Address, U("東京都新宿区"));
}

TEST_F(StoreTest, OrderNumbersRestartEveryDayAndCustomerNumbersFollowTheLargest)
{
    Clock::Pin(QDateTime(QDate(2004, 1, 15), QTime(20, 0)));
    writeSales({SaleOf("20040114", 9, 3, 0), SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 41, 1),
                SaleOf("20040115", 3, 7, 2), SaleOf("20040116", 5, 7, 1)});
    writeCustomers(threeCustomers());
    RecordStore &s = open();
    EXPECT_EQ(s.MaxOrderNoToday(), 3);
    EXPECT_EQ(s.MaxCustomerId(), 41);

    // Cancelling the last order of the day frees its number.
    ASSERT_TRUE(s.DeleteSale(4));
    EXPECT_EQ(s.MaxOrderNoToday(), 2);

    Clock::Pin(QDateTime(QDate(2004, 1, 17), QTime(9, 0)));
    EXPECT_EQ(s.MaxOrderNoToday(), 0);
    Clock::Pin(QDateTime(QDate(2004, 1, 16), QTime(9, 0)));
    EXPECT_EQ(s.MaxOrderNoToday(), 5);

    // Deleting the customer with the largest number lowers the next number.
    ASSERT_TRUE(s.DeleteCustomer(2));
    EXPECT_EQ(s.MaxCustomerId(), 7);
}

TEST_F(StoreTest, AddAppendsAfterTheLastRecordAndIndexesWhatWasWritten)
{
    writeCustomers(threeCustomers());
    writeSales({SaleOf("20040115", 1, 3, 0)});
    RecordStore &s = open();

    fx::Customer added = CustomerNo(42, "0312345678");
    added.Remarks = fx::kOomori;
    CustomerRecord customer = CustomerRecord::fromBytes(added.bytes().constData());
    ASSERT_TRUE(s.AddCustomer(customer));
    EXPECT_EQ(s.CustomerCount(), 4);
    EXPECT_EQ(s.NextCustomerRecordNo, 5);
    const CustomerIndexEntry &e = s.CustomerIndex[4];
    EXPECT_EQ(e.CustomerId, 42);
    EXPECT_EQ(e.Tel, U("0312345678"));
    EXPECT_EQ(e.NameKana, U("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_EQ(e.Zip, U("1600023"));
    EXPECT_EQ(e.RecordNo, 4);
    const QByteArray file = folder.read(RecordStore::kCustomerFile);
    EXPECT_EQ(file, fx::FileOf(threeCustomers()) + added.bytes());

    fx::Sale sale = SaleOf("20040116", 7, 42, 1);
    ASSERT_TRUE(s.AddSale(SalesRecord::fromBytes(sale.bytes().constData())));
    EXPECT_EQ(s.SalesCount(), 2);
    EXPECT_EQ(s.NextSalesRecordNo, 3);
    EXPECT_EQ(s.SalesIndex[2].OrderKey(), U("200401167"));
    EXPECT_EQ(s.SalesIndex[2].CustomerId, 42);
    EXPECT_EQ(s.SalesIndex[2].Status, 1);
    EXPECT_EQ(s.SalesIndex[2].RecordNo, 2);
    EXPECT_EQ(s.SalesIndex[2].DoneTime, fx::kOle20040115_1905);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), SaleOf("20040115", 1, 3, 0).bytes() + sale.bytes());

    // Over-long keys and characters CP932 lacks: the table holds what the file holds, so the
    // lookup gives the same answer before and after a restart.
    customer.CustomerId = 43;
    customer.Tel = U("0312345678901234"); // 16 digits into 14 bytes
    customer.NameKana = U("ﾔﾏﾀﾞ한  ");
    ASSERT_TRUE(s.AddCustomer(customer));
    EXPECT_EQ(s.CustomerIndex[5].Tel, U("03123456789012"));
    EXPECT_EQ(s.CustomerIndex[5].NameKana, U("ﾔﾏﾀﾞ?"));
    RecordStore again(folder.path());
    ASSERT_TRUE(again.OpenRecordFiles());
    ASSERT_TRUE(again.BuildIndexes());
    ASSERT_EQ(again.CustomerCount(), 5);
    for (int pos = 1; pos <= 5; ++pos) {
        EXPECT_EQ(again.CustomerIndex[size_t(pos)].Tel, s.CustomerIndex[size_t(pos)].Tel);
        EXPECT_EQ(again.CustomerIndex[size_t(pos)].NameKana, s.CustomerIndex[size_t(pos)].NameKana);
        EXPECT_EQ(again.CustomerIndex[size_t(pos)].RecordNo, s.CustomerIndex[size_t(pos)].RecordNo);
    }
    EXPECT_EQ(again.SalesIndex[2].OrderKey(), U("200401167"));
}

TEST_F(StoreTest, ReadCustomerTakesPointsAboveAMillionAsZero)
{
    fx::Customer exact = CustomerNo(1, "01");
    exact.Points = 1000000;
    fx::Customer above = CustomerNo(2, "02");
    above.Points = 1000001;
    fx::Customer huge = CustomerNo(3, "03");
    huge.Points = 2147483647;
    fx::Customer negative = CustomerNo(4, "04");
    negative.Points = -30;
    writeCustomers({exact, above, huge, negative});
    RecordStore &s = open();

    std::optional<CustomerRecord> read = s.ReadCustomer(1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Points, 1000000);
    read = s.ReadCustomer(2);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Points, 0);
    EXPECT_EQ(read->Tel, U("02")); // the rest of the record is read as it is
    EXPECT_EQ(read->UseCount, 3);
    read = s.ReadCustomer(3);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Points, 0);
    read = s.ReadCustomer(4);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Points, -30);
    // Only the record read is corrected; the file keeps its value until the customer is saved.
    EXPECT_EQ(fx::GetI32(customerRecordOnFile(2), 152), 1000001);
}

TEST_F(StoreTest, ReadSaleReturnsTheRecordOfTheIndexEntry)
{
    writeSales({SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 41, -1), SaleOf("20040116", 1, 7, 2)});
    RecordStore &s = open();
    const std::optional<SalesRecord> sale = s.ReadSale(2); // the second live sale is record 3
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->OrderDate, U("20040116"));
    EXPECT_EQ(sale->CustomerId, 7);
    EXPECT_EQ(sale->ItemName[1], U("ラーメン"));
    EXPECT_EQ(sale->LineCount(), 2);
}

TEST_F(StoreTest, ReadThenUpdateWritesBackTheIdenticalBytes)
{
    fx::Customer c = CustomerNo(5, "0312345678");
    c.Building = "\x83\x81\x83\x93"; // メン
    c.Remarks = fx::kCircled1;
    c.Points = 1000000;
    c.Motive = -1;
    fx::Sale full = SaleOf("20040115", 4, 5, 3);
    full.Lines.clear();
    for (int i = 0; i < 20; ++i)
        full.Lines.push_back({fx::kRamen, int16_t(i + 1), 650 + i, fx::kOomori});
    full.CollectStaff = fx::kYamada;
    writeCustomers({CustomerNo(1, "01"), c});
    writeSales({SaleOf("20040115", 1, 1, 0), full});
    const QByteArray customers = folder.read(RecordStore::kCustomerFile);
    const QByteArray sales = folder.read(RecordStore::kSalesFile);

    RecordStore &s = open();
    for (int pos = 1; pos <= 2; ++pos) {
        const std::optional<CustomerRecord> customer = s.ReadCustomer(pos);
        ASSERT_TRUE(customer);
        ASSERT_TRUE(s.UpdateCustomer(pos, *customer));
        const std::optional<SalesRecord> sale = s.ReadSale(pos);
        ASSERT_TRUE(sale);
        ASSERT_TRUE(s.UpdateSale(pos, *sale));
    }
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customers);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), sales);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(StoreTest, UpdatesRewriteTheirRecordAndRefreshTheIndexEntry)
{
    writeCustomers(threeCustomers());
    writeSales({SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 41, 1)});
    RecordStore &s = open();

    std::optional<CustomerRecord> customer = s.ReadCustomer(2);
    ASSERT_TRUE(customer);
    customer->Tel = U("0900000000");
    customer->NameKana = U("ｽｽﾞｷ");
    customer->Zip = U("1000001");
    customer->City = U("千代田区");
    ASSERT_TRUE(s.UpdateCustomer(2, *customer));
    const CustomerIndexEntry &e = s.CustomerIndex[2];
    EXPECT_EQ(e.CustomerId, 41);
    EXPECT_EQ(e.Tel, U("0900000000"));
    EXPECT_EQ(e.NameKana, U("ｽｽﾞｷ"));
    EXPECT_EQ(e.Zip, U("1000001"));
    EXPECT_EQ(e.RecordNo, 2);
    std::vector<fx::Customer> want = threeCustomers();
    want[1].Tel = "0900000000";
    want[1].NameKana = "\xbd\xbd\xde\xb7";
    want[1].Zip = "1000001";
    want[1].City = "\x90\xe7\x91\xe3\x93\x63\x8b\xe6"; // 千代田区
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), fx::FileOf(want));

    std::optional<SalesRecord> sale = s.ReadSale(2);
    ASSERT_TRUE(sale);
    sale->Status = 0;
    sale->DoneTime = fx::kOle20040220_2015;
    sale->OrderNo = 9;
    sale->CustomerId = 7;
    ASSERT_TRUE(s.UpdateSale(2, *sale));
    const SalesIndexEntry &se = s.SalesIndex[2];
    EXPECT_EQ(se.OrderKey(), U("200401159"));
    EXPECT_EQ(se.CustomerId, 7);
    EXPECT_EQ(se.Status, 0);
    EXPECT_EQ(se.DoneTime, fx::kOle20040220_2015);
    EXPECT_EQ(se.RecordNo, 2);
    fx::Sale updated = SaleOf("20040115", 9, 7, 0);
    updated.DoneTime = fx::kOle20040220_2015;
    EXPECT_EQ(saleRecordOnFile(2), updated.bytes());
    EXPECT_EQ(saleRecordOnFile(1), SaleOf("20040115", 1, 3, 0).bytes());
}

TEST_F(StoreTest, DeleteSaleMarksTheRecordAndShiftsTheTable)
{
    writeSales({SaleOf("20040115", 1, 3, 0), SaleOf("20040115", 2, 41, 1), SaleOf("20040115", 3, 7, 2)});
    RecordStore &s = open();

    // In the middle: the following entry moves up into the position.
    ASSERT_TRUE(s.DeleteSale(2));
    EXPECT_EQ(s.SalesCount(), 2);
    EXPECT_EQ(s.SalesIndex[1].OrderNo, 1);
    EXPECT_EQ(s.SalesIndex[2].OrderNo, 3);
    EXPECT_EQ(saleRecordOnFile(2), SaleOf("20040115", 2, 41, -1).bytes());

    // The last entry.
    ASSERT_TRUE(s.DeleteSale(2));
    EXPECT_EQ(s.SalesCount(), 1);
    EXPECT_EQ(s.SalesIndex[1].OrderNo, 1);

    // The only entry: count 0; a further delete has nothing to act on.
    ASSERT_TRUE(s.DeleteSale(1));
    EXPECT_EQ(s.SalesCount(), 0);
    EXPECT_FALSE(s.DeleteSale(1));
    expectErrorBox(U("ErrorNo: 14\r\r売上データの削除エラー"));
    EXPECT_FALSE(s.DeleteSale(0));
    expectErrorBox(U("ErrorNo: 14\r\r売上データの削除エラー"));
    EXPECT_EQ(s.SalesCount(), 0);

    // The marks are on file: a new start lists nothing.
    EXPECT_EQ(open().SalesCount(), 0);
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kSalesFile)).size(), 3 * kSalesRecordLength);
}

TEST_F(StoreTest, DeleteCustomerMarksTheRecordAndShiftsTheTable)
{
    writeCustomers(threeCustomers());
    RecordStore &s = open();
    ASSERT_TRUE(s.DeleteCustomer(1));
    EXPECT_EQ(s.CustomerCount(), 2);
    EXPECT_EQ(s.CustomerIndex[1].CustomerId, 41);
    EXPECT_EQ(s.FindCustomerPos(3), -1); // the order board shows such a customer as deleted
    fx::Customer marked = threeCustomers()[0];
    marked.CustomerId = -1;
    EXPECT_EQ(customerRecordOnFile(1), marked.bytes());
    EXPECT_EQ(customerRecordOnFile(2), threeCustomers()[1].bytes());

    ASSERT_TRUE(s.DeleteCustomer(2));
    EXPECT_EQ(s.CustomerCount(), 1);
    EXPECT_EQ(s.CustomerIndex[1].CustomerId, 41);
    ASSERT_TRUE(s.DeleteCustomer(1));
    EXPECT_EQ(s.CustomerCount(), 0);
    EXPECT_FALSE(s.DeleteCustomer(1));
    expectErrorBox(U("ErrorNo: 13\r\r顧客データの削除エラー"));

    RecordStore &again = open();
    EXPECT_EQ(again.CustomerCount(), 0);
    EXPECT_EQ(again.NextCustomerRecordNo, 4); // the space comes back only with compaction
}

TEST_F(StoreTest, DeletesMarkTheRecordAsStoredAtTheEntrysRecordNumber)
{
    // Deleted records at the front: positions and record numbers differ by one.
    std::vector<fx::Customer> customers = threeCustomers();
    customers.insert(customers.begin(), CustomerNo(-1, "0399999999"));
    const fx::Sale cancelled = SaleOf("20040115", 1, 3, -1);
    const fx::Sale a = SaleOf("20040115", 2, 3, 0);
    const fx::Sale b = SaleOf("20040115", 3, 41, 1);
    const fx::Sale c = SaleOf("20040115", 4, 7, 2);
    writeCustomers(customers);
    writeSales({cancelled, a, b, c});
    RecordStore &s = open();

    // A window's copy goes stale once another window saves the order; the delete marks what
    // the file holds now, not either copy.
    const std::optional<SalesRecord> held = s.ReadSale(2);
    ASSERT_TRUE(held);
    SalesRecord saved = *held;
    saved.DeliveryStaff = U("山田");
    ASSERT_TRUE(s.UpdateSale(2, saved));
    ASSERT_TRUE(s.DeleteSale(2));
    fx::Sale marked = b;
    marked.DeliveryStaff = fx::kYamada;
    marked.Status = -1;
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), cancelled.bytes() + a.bytes() + marked.bytes() + c.bytes());
    ASSERT_EQ(s.SalesCount(), 2);
    EXPECT_EQ(s.SalesIndex[2].RecordNo, 4);

    std::optional<CustomerRecord> customer = s.ReadCustomer(2);
    ASSERT_TRUE(customer);
    customer->Remarks = U("大盛り");
    ASSERT_TRUE(s.UpdateCustomer(2, *customer));
    ASSERT_TRUE(s.DeleteCustomer(2));
    std::vector<fx::Customer> want = customers;
    want[2].Remarks = fx::kOomori;
    want[2].CustomerId = -1;
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), fx::FileOf(want));
    ASSERT_EQ(s.CustomerCount(), 2);
    EXPECT_EQ(s.CustomerIndex[2].RecordNo, 4);
    EXPECT_EQ(prompt.count(), 0);

    // The next start agrees.
    RecordStore &again = open();
    EXPECT_EQ(again.SalesCount(), 2);
    EXPECT_EQ(again.FindCustomerPos(41), -1);
    EXPECT_EQ(again.CustomerCount(), 2);
}

TEST_F(StoreTest, RecountCustomerUsageRecomputesDatesAndCountFromTheSales)
{
    fx::Customer c = CustomerNo(5, "0355555555");
    c.UseCount = 99;
    c.FirstUseDate = 12345;
    c.LastUseDate = 54321;
    writeCustomers({CustomerNo(1, "01"), c});
    writeSales({
        SaleOf("20040110", 1, 5, 0, fx::kOle20040110_0900), // earliest day
        SaleOf("20040115", 1, 5, 0, fx::kOle20040115_1230),
        SaleOf("20040115", 2, 6, 0, fx::kOle20040115_1845),  // another customer
        SaleOf("20040305", 1, 5, 0, fx::kOle20040305_1300),  // latest day, first order
        SaleOf("20040305", 2, 5, 3, fx::kOle20040305_1700),  // latest day, later order, not complete
        SaleOf("20040220", 1, 5, 0, fx::kOle20040220_2015),  // earlier day later in the file
        SaleOf("20040401", 1, 5, -1, fx::kOle20040115_1905), // cancelled
    });
    RecordStore &s = open();
    std::optional<CustomerRecord> customer = s.ReadCustomer(2);
    ASSERT_TRUE(customer);
    std::optional<CustomerRecord> recounted = s.RecountCustomerUsage(2, *customer);
    ASSERT_TRUE(recounted);
    EXPECT_EQ(recounted->UseCount, 4);
    EXPECT_EQ(recounted->FirstUseDate, fx::kOle20040110_0900);
    // Of two orders on the latest day the later one is the last use.
    EXPECT_EQ(recounted->LastUseDate, fx::kOle20040305_1700);
    fx::Customer saved = c;
    saved.UseCount = 4;
    saved.FirstUseDate = fx::kOle20040110_0900;
    saved.LastUseDate = fx::kOle20040305_1700;
    EXPECT_EQ(customerRecordOnFile(2), saved.bytes());
    EXPECT_EQ(customerRecordOnFile(1), CustomerNo(1, "01").bytes());

    // All orders gone: both dates 0 and no uses.
    for (int pos = s.SalesCount(); pos >= 1; --pos) {
        if (s.SalesIndex[size_t(pos)].CustomerId != 5)
            continue;
        ASSERT_TRUE(s.DeleteSale(pos));
    }
    customer = s.ReadCustomer(2);
    ASSERT_TRUE(customer);
    ASSERT_TRUE(s.RecountCustomerUsage(2, *customer));
    saved.UseCount = 0;
    saved.FirstUseDate = 0;
    saved.LastUseDate = 0;
    EXPECT_EQ(customerRecordOnFile(2), saved.bytes());

    // What is written is the customer given, with its unsaved changes (a cancellation gives
    // points back first), at the position given; the record returned is the one on file.
    CustomerRecord given = *customer;
    given.Points = 75;
    given.Remarks = U("大盛り");
    recounted = s.RecountCustomerUsage(2, given);
    ASSERT_TRUE(recounted);
    EXPECT_EQ(recounted->Points, 75);
    saved.Points = 75;
    saved.Remarks = fx::kOomori;
    EXPECT_EQ(customerRecordOnFile(2), saved.bytes());
    EXPECT_EQ(customerRecordOnFile(1), CustomerNo(1, "01").bytes());
    char returned[kCustomerRecordLength];
    recounted->toBytes(returned);
    EXPECT_EQ(QByteArray(returned, kCustomerRecordLength), saved.bytes());

    // Old files can hold two customers with one number: the one at the position given is saved.
    fx::Customer twin = CustomerNo(5, "0366666666");
    ASSERT_TRUE(s.AddCustomer(CustomerRecord::fromBytes(twin.bytes().constData())));
    const std::optional<CustomerRecord> second = s.ReadCustomer(3);
    ASSERT_TRUE(second);
    ASSERT_TRUE(s.RecountCustomerUsage(3, *second));
    twin.UseCount = 0;
    twin.FirstUseDate = 0;
    twin.LastUseDate = 0;
    EXPECT_EQ(customerRecordOnFile(3), twin.bytes());
    EXPECT_EQ(customerRecordOnFile(2), saved.bytes());
    EXPECT_EQ(prompt.count(), 0);

    // No customer chosen: nothing happens.
    const QByteArray before = folder.read(RecordStore::kCustomerFile);
    given.UseCount = 77;
    recounted = s.RecountCustomerUsage(-1, given);
    EXPECT_EQ(prompt.count(), 0);
    prompt.clear();
    ASSERT_TRUE(recounted);
    EXPECT_EQ(recounted->UseCount, 77);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), before);

    // A position outside the table fails as the update does.
    EXPECT_FALSE(s.RecountCustomerUsage(0, given));
    expectErrorBox(U("ErrorNo: 11\r\r顧客データの更新エラー"));
}

TEST_F(StoreTest, RecordAddAllGivesConsecutiveNumbersAfterTheLargest)
{
    writeCustomers(threeCustomers());
    RecordStore &s = open();
    std::vector<CustomerRecord> batch(3, CustomerRecord::fromBytes(fx::Customer().bytes().constData()));
    batch[0].CustomerId = 0;
    batch[1].CustomerId = 999;
    batch[2].CustomerId = -1;
    batch[2].Tel = U("0344444444");
    ASSERT_TRUE(s.RecordAddAll(batch));
    ASSERT_EQ(s.CustomerCount(), 6);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.CustomerIndex[size_t(4 + i)].CustomerId, 42 + i);
        EXPECT_EQ(s.CustomerIndex[size_t(4 + i)].RecordNo, 4 + i);
        EXPECT_EQ(fx::GetI32(customerRecordOnFile(4 + i), 0), 42 + i);
    }
    EXPECT_EQ(s.CustomerIndex[6].Tel, U("0344444444"));
    EXPECT_EQ(s.NextCustomerRecordNo, 7);
    fx::Customer third = CustomerNo(44, "0344444444");
    EXPECT_EQ(customerRecordOnFile(6), third.bytes());

    // A big batch crosses the chunks it is written in without a gap or a repeated number.
    std::vector<CustomerRecord> big(9000, batch[0]);
    for (size_t i = 0; i < big.size(); ++i)
        big[i].Tel = QString::number(1000000 + i);
    ASSERT_TRUE(s.RecordAddAll(big));
    ASSERT_EQ(s.CustomerCount(), 9006);
    for (int pos = 7; pos <= 9006; ++pos) {
        ASSERT_EQ(s.CustomerIndex[size_t(pos)].CustomerId, 45 + (pos - 7));
        ASSERT_EQ(s.CustomerIndex[size_t(pos)].RecordNo, pos);
    }
    const QByteArray file = folder.read(RecordStore::kCustomerFile);
    ASSERT_EQ(file.size(), 9006 * kCustomerRecordLength);
    EXPECT_EQ(fx::GetI32(fx::RecordAt(file, kCustomerRecordLength, 9006), 0), 9044);
    EXPECT_EQ(fx::RecordAt(file, kCustomerRecordLength, 5000).mid(4, 14), QByteArray("1004993       "));

    // The rebuilt table agrees.
    RecordStore &again = open();
    EXPECT_EQ(again.CustomerCount(), 9006);
    EXPECT_EQ(again.MaxCustomerId(), 9044);

    // An empty batch changes nothing.
    EXPECT_TRUE(again.RecordAddAll({}));
    EXPECT_EQ(again.CustomerCount(), 9006);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile).size(), file.size());
}

TEST_F(StoreTest, AppendPhoneBookEntriesAppendsInOrder)
{
    writePhoneBook({fx::PhoneBook()});
    RecordStore &s = open();
    std::vector<PhoneBookRecord> batch(10000);
    for (size_t i = 0; i < batch.size(); ++i) {
        batch[i].Tel = QString::number(50000000000LL + qint64(i));
        batch[i].Name = U("山田");
        batch[i].Zip = U("1600023");
        batch[i].Address = U("東京都新宿区");
    }
    ASSERT_TRUE(s.AppendPhoneBookEntries(batch));
    ASSERT_EQ(s.PhoneBookCount(), 10001);
    EXPECT_EQ(s.NextPhoneBookRecordNo, 10002);
    for (int pos = 2; pos <= 10001; ++pos) {
        ASSERT_EQ(s.PhoneBookIndex[size_t(pos)].RecordNo, pos);
        ASSERT_EQ(s.PhoneBookIndex[size_t(pos)].Tel, QString::number(50000000000LL + pos - 2));
    }
    const QByteArray file = folder.read(RecordStore::kPhoneBookFile);
    ASSERT_EQ(file.size(), 10001 * kPhoneBookRecordLength);
    fx::PhoneBook last;
    last.Tel = "50000009999";
    EXPECT_EQ(fx::RecordAt(file, kPhoneBookRecordLength, 10001), last.bytes());
    EXPECT_EQ(s.FindPhoneBookPosByTel(U("50000009999")), 10001);
    const std::optional<PhoneBookRecord> entry = s.ReadPhoneBookEntry(10001);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Address, U("東京都新宿区"));
    EXPECT_TRUE(s.AppendPhoneBookEntries({}));
    EXPECT_EQ(s.PhoneBookCount(), 10001);
}

TEST_F(StoreTest, TornFilesLoadTheirWholeRecordsAndAppendsReplaceOnlyTheTornTail)
{
    const QByteArray customers = fx::FileOf(threeCustomers());
    const QByteArray sales = fx::FileOf(std::vector<fx::Sale>{SaleOf("20040115", 1, 3, 0)});
    const QByteArray phones = fx::FileOf(std::vector<fx::PhoneBook>{fx::PhoneBook(), fx::PhoneBook()});
    folder.write(RecordStore::kCustomerFile, customers + QByteArray(100, 'Z'));
    folder.write(RecordStore::kSalesFile, sales + QByteArray(1627, '\x01'));
    folder.write(RecordStore::kPhoneBookFile, phones + QByteArray(1, '9'));

    RecordStore &s = open();
    EXPECT_EQ(s.CustomerCount(), 3);
    EXPECT_EQ(s.SalesCount(), 1);
    EXPECT_EQ(s.PhoneBookCount(), 2);
    EXPECT_EQ(s.NextCustomerRecordNo, 4);
    EXPECT_EQ(s.NextSalesRecordNo, 2);
    EXPECT_EQ(s.NextPhoneBookRecordNo, 3);

    fx::Customer added = CustomerNo(42, "0342424242");
    ASSERT_TRUE(s.AddCustomer(CustomerRecord::fromBytes(added.bytes().constData())));
    fx::Sale sale = SaleOf("20040116", 1, 42, 1);
    ASSERT_TRUE(s.AddSale(SalesRecord::fromBytes(sale.bytes().constData())));
    PhoneBookRecord p = PhoneBookRecord::fromBytes(fx::PhoneBook().bytes().constData());
    ASSERT_TRUE(s.AppendPhoneBookEntries({p}));

    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customers + added.bytes());
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), sales + sale.bytes());
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile), phones + fx::PhoneBook().bytes());

    RecordStore &again = open();
    EXPECT_EQ(again.CustomerCount(), 4);
    EXPECT_EQ(again.SalesCount(), 2);
    EXPECT_EQ(again.PhoneBookCount(), 3);
}

TEST_F(StoreTest, DamagedRecordsLoadWithoutACrash)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    fx::Customer bad = CustomerNo(8, "");
    bad.FirstUseDate = nan;
    bad.LastUseDate = 1e300;
    bad.LastEditDate = -1e300;
    bad.UseCount = -5;
    bad.Motive = 300;
    QByteArray badBytes = bad.bytes();
    badBytes.replace(4, 14, QByteArray("\x81 \xff\xfe\x80\xa0\xfd", 7) + QByteArray(7, '\x82')); // Tel
    badBytes.replace(18, 30, QByteArray(30, '\xff'));                                            // NameKana
    badBytes.replace(56, 50, QByteArray(50, '\x81'));                                            // City

    fx::Sale badSale = SaleOf("20040115", -3, 8, 0);
    badSale.OrderTime = nan;
    badSale.DoneTime = std::numeric_limits<double>::infinity();
    badSale.DepartTime = -1e300;
    badSale.Lines = {{QByteArray("\xff\xff\x81"), -7, -5, QByteArray("\x81")}};
    QByteArray badSaleBytes = badSale.bytes();
    badSaleBytes.replace(0, 8, QByteArray("2004\x81\xff\x00\x01", 8));
    writeCustomers({CustomerNo(1, "01")});
    folder.write(RecordStore::kCustomerFile, folder.read(RecordStore::kCustomerFile) + badBytes);
    folder.write(RecordStore::kSalesFile, badSaleBytes + SaleOf("20040115", 1, 8, 0).bytes());
    folder.write(RecordStore::kPhoneBookFile, QByteArray(98 * 3, '\xff'));

    RecordStore &s = open();
    ASSERT_EQ(s.CustomerCount(), 2);
    ASSERT_EQ(s.SalesCount(), 2); // OrderNo -3 is not 0: listed
    ASSERT_EQ(s.PhoneBookCount(), 3);
    EXPECT_EQ(s.OldestSalesDate, U("20010619"));
    const std::optional<CustomerRecord> customer = s.ReadCustomer(2);
    ASSERT_TRUE(customer);
    EXPECT_EQ(customer->UseCount, -5);
    EXPECT_EQ(customer->Motive, 300);
    EXPECT_TRUE(std::isnan(customer->FirstUseDate));
    EXPECT_FALSE(customer->NameKana.isEmpty());
    const std::optional<SalesRecord> sale = s.ReadSale(1);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->OrderNo, -3);
    EXPECT_EQ(sale->ItemQty[1], -7);
    EXPECT_EQ(CurrencyToYen(sale->ItemPrice[1]), -5);
    EXPECT_EQ(FormatDayTime(sale->OrderTime), U("-----"));
    EXPECT_EQ(FormatTime(s.SalesIndex[1].DoneTime), U("-----"));
    EXPECT_EQ(FormatTime(sale->DepartTime), U("-----"));
    ASSERT_TRUE(s.ReadPhoneBookEntry(3));

    // The recount over a damaged date and time does not crash and saves the customer.
    const std::optional<CustomerRecord> recounted = s.RecountCustomerUsage(2, *customer);
    ASSERT_TRUE(recounted);
    EXPECT_EQ(recounted->UseCount, 2);
    // Saving the damaged customer keeps a record of the right length.
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile).size(), 2 * kCustomerRecordLength);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(StoreTest, CloseAndReopenKeepTheTables)
{
    writeCustomers(threeCustomers());
    RecordStore &s = open();
    s.CloseRecordFiles();
    EXPECT_FALSE(s.IsOpen());
    // A backup could replace the file meanwhile; the tables stay as they were.
    ASSERT_TRUE(s.OpenRecordFiles());
    EXPECT_EQ(s.CustomerCount(), 3);
    ASSERT_TRUE(s.AddCustomer(CustomerRecord::fromBytes(CustomerNo(42, "0342").bytes().constData())));
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), fx::FileOf(threeCustomers()) + CustomerNo(42, "0342").bytes());
}
