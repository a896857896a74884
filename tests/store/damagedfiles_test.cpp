// Data files damaged on disk or written by another program: every reader must give a sound
// result (or refuse), never a wrapped-round number, a crash or a hang.
#include "storetest.h"

#include "store/saleamounts.h"
#include "store/settingfiles.h"

#include <limits>

namespace
{

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

} // namespace

TEST_F(StoreTest, DamagedSale_AmountsStopAtTheLimitsInsteadOfWrappingRound)
{
    fx::Sale huge;
    huge.Lines.clear();
    for (int i = 0; i < kMaxOrderLines; ++i)
        huge.Lines.push_back({"X", 32767, 900'000'000'000'000, fx::kNone});
    fx::Sale negative = huge;
    negative.OrderNo = 2;
    for (fx::Line &line : negative.Lines)
        line.Qty = -32768;
    writeSales({huge, negative});
    RecordStore &s = open();
    ASSERT_EQ(s.SalesCount(), 2);

    const SaleAmounts up = AmountsFromSale(*s.ReadSale(1), QStringLiteral("10"));
    EXPECT_EQ(up.Subtotal, kMax);
    EXPECT_EQ(up.Total, kMax);
    EXPECT_EQ(up.Billed, kMax - 150); // both discounts of the fixture
    EXPECT_GT(up.PointsBase, 0);
    const SaleAmounts down = AmountsFromSale(*s.ReadSale(2), QStringLiteral("10"));
    EXPECT_EQ(down.Subtotal, kMin);
    EXPECT_EQ(down.Billed, kMin);
    EXPECT_LT(down.Total, 0);

    PointRules rules;
    rules.usable = true;
    rules.YenUnit = rules.PerUnit = rules.Step = rules.StepYen = 1;
    CustomerRecord customer;
    customer.Points = 10;
    CommitPoints(*s.ReadSale(1), customer, rules);
    // Earned points stop at the largest balance; the points spent on the order are then taken off.
    EXPECT_EQ(customer.Points, std::numeric_limits<qint32>::max() - 100);

    // The same limits for lines typed in an order window and for out-of-range doubles.
    const OrderTotals typed = ComputeTotals({{"A", kNoOption, kMax / 2, 3}, {"B", kNoOption, 1, 1}}, "8");
    EXPECT_EQ(typed.Subtotal, kMax);
    EXPECT_EQ(ComputeTax(1000, QStringLiteral("1e300")), kMax);
    EXPECT_EQ(ComputeTax(-1000, QStringLiteral("1e300")), kMin);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(-1e300), kMin);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
}

TEST_F(StoreTest, ControlBytesInFields_StayTheSameWhenReadAndWrittenAgain)
{
    // 0x1A, 0x1C and 0x7F are ordinary one-byte characters of the character set. Both the
    // all-ASCII field and the one mixed with double-byte text must come back as they were.
    fx::Customer customer = CustomerNo(1, QByteArray("0312\x1a\x1c\x7f", 7));
    customer.NameKana = fx::kYamada + QByteArray("\x1a\x7f\x1c", 3);
    fx::PhoneBook entry;
    entry.Tel = QByteArray("03\x7f\x1a", 4);
    entry.Name = fx::kYamada + QByteArray("\x1c", 1);
    writeCustomers({customer});
    writePhoneBook({entry});
    RecordStore &s = open();

    const auto read = s.ReadCustomer(1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Tel, QStringLiteral("0312\u001a\u001c\u007f"));
    EXPECT_EQ(s.FindCustomerPosByTel(read->Tel), 1);
    ASSERT_TRUE(s.UpdateCustomer(1, *read));
    EXPECT_EQ(customerRecordOnFile(1), customer.bytes());

    const auto book = s.ReadPhoneBookEntry(1);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->toBytes(), entry.bytes());
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(StoreTest, DamagedOrderDate_OrderIsStillFoundByItsKey)
{
    // A date cut short (a blank in place of the last digit), one holding a double-byte
    // character and one holding a NUL: each order is found by the key its record gives.
    fx::Sale shortDate = SaleOf("2026052 ", 1, 1, 1);
    fx::Sale kanjiDate = SaleOf(QByteArray("2026") + fx::kYamada, 2, 1, 1);
    fx::Sale nulDate = SaleOf(QByteArray("2026\0"
                                         "528",
                                         8),
                              3, 1, 1);
    fx::Sale plain = SaleOf("20260528", 4, 1, 1);
    writeSales({shortDate, kanjiDate, nulDate, plain});
    RecordStore &s = open();
    ASSERT_EQ(s.SalesCount(), 4);
    for (int pos = 1; pos <= 4; ++pos) {
        const auto sale = s.ReadSale(pos);
        ASSERT_TRUE(sale);
        EXPECT_EQ(s.SalesIndex[size_t(pos)].OrderKey(), sale->OrderKey()) << pos;
        EXPECT_EQ(s.FindSalePosByKey(sale->OrderKey()), pos) << pos;
    }
    EXPECT_EQ(s.FindSalePosByKey(QStringLiteral("202605285")), -1);
    EXPECT_EQ(s.FindSalePosByKey(QString()), -1);
}

TEST(DamagedSettingFiles, ControlBytesInASettingFileSurviveLoadAndSave)
{
    TestDataFolder folder;
    TestPrompt prompt;
    // Staff names holding the three bytes the converter's table would swap, one of them beside
    // double-byte text.
    const QByteArray staff = QByteArray("A\x7f\r\n") + fx::kTanaka + QByteArray("\x1a\x1c\r\n");
    folder.write(SettingFiles::kStaff, staff);
    SettingTables tables;
    ASSERT_TRUE(LoadStaffList(tables));
    ASSERT_EQ(tables.StaffList.size(), 3);
    EXPECT_EQ(tables.StaffList.at(1), QStringLiteral("A\u007f"));
    ASSERT_TRUE(SaveStaffList(tables));
    EXPECT_EQ(folder.read(SettingFiles::kStaff), staff);
    EXPECT_EQ(prompt.count(), 0);
}
