// The record codec against hand-built bytes: every field at its offset, CP932 text, dates and
// money, cutting and padding of text, damaged bytes.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "store/cp932.h"
#include "store/oledate.h"
#include "store/records.h"
#include "store/recordstore.h"

#include <cmath>
#include <limits>

namespace
{

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

CustomerRecord sampleCustomer()
{
    CustomerRecord r;
    r.CustomerId = 42;
    r.Tel = S("0312345678");
    r.NameKana = S("ﾔﾏﾀﾞﾀﾛｳ");
    r.Zip = S("1600023");
    r.City = S("東京都新宿区");
    r.Banchi = S("西新宿２－８－１");
    r.Points = 120;
    r.Building = S("Sun Heights 101");
    r.FirstUseDate = fx::kOle20040110_0900;
    r.LastUseDate = fx::kOle20040115_1230;
    r.UseCount = 3;
    r.Motive = 2;
    r.LastEditDate = fx::kOle20040115_1845;
    r.Remarks = S("①要確認");
    r.DmFlag = 1;
    return r;
}

fx::Customer sampleCustomerFixture()
{
    fx::Customer c;
    c.CustomerId = 42;
    c.Building = "Sun Heights 101";
    c.Remarks = fx::kCircled1 + QByteArray("\x97\x76\x8a\x6d\x94\x46"); // ①要確認
    return c;
}

} // namespace

TEST(CustomerRecordBytes, ReadsEveryFieldOfAHandBuiltRecord)
{
    const QByteArray bytes = sampleCustomerFixture().bytes();
    ASSERT_EQ(bytes.size(), kCustomerRecordLength);
    const CustomerRecord r = CustomerRecord::fromBytes(bytes.constData());
    const CustomerRecord want = sampleCustomer();
    EXPECT_EQ(r.CustomerId, 42);
    EXPECT_EQ(r.Tel, want.Tel);
    EXPECT_EQ(r.NameKana, want.NameKana);
    EXPECT_EQ(r.Zip, want.Zip);
    EXPECT_EQ(r.City, want.City);
    EXPECT_EQ(r.Banchi, want.Banchi);
    EXPECT_EQ(r.Points, 120);
    EXPECT_EQ(r.Building, want.Building);
    EXPECT_EQ(r.FirstUseDate, fx::kOle20040110_0900);
    EXPECT_EQ(r.LastUseDate, fx::kOle20040115_1230);
    EXPECT_EQ(r.UseCount, 3);
    EXPECT_EQ(r.Motive, 2);
    EXPECT_EQ(r.LastEditDate, fx::kOle20040115_1845);
    EXPECT_EQ(r.Remarks, want.Remarks);
    EXPECT_EQ(r.DmFlag, 1);
}

TEST(CustomerRecordBytes, WritesExactlyTheHandBuiltBytes)
{
    EXPECT_EQ(sampleCustomer().toBytes(), sampleCustomerFixture().bytes());

    // Negative and extreme numbers keep their two's-complement bytes.
    CustomerRecord r = sampleCustomer();
    r.CustomerId = -1;
    r.Points = -5;
    r.Motive = -1;
    r.UseCount = 32767;
    fx::Customer c = sampleCustomerFixture();
    c.CustomerId = -1;
    c.Points = -5;
    c.Motive = -1;
    c.UseCount = 32767;
    EXPECT_EQ(r.toBytes(), c.bytes());
    EXPECT_EQ(quint8(r.toBytes()[0]), 0xFF);
}

TEST(SalesRecordBytes, ReadsEveryFieldOfAHandBuiltRecord)
{
    fx::Sale s;
    s.OrderNo = 12;
    s.CustomerId = 70000;
    s.CollectStaff = fx::kYamada;
    s.CollectTime = fx::kOle20040220_2015;
    const QByteArray bytes = s.bytes();
    ASSERT_EQ(bytes.size(), kSalesRecordLength);
    const SalesRecord r = SalesRecord::fromBytes(bytes.constData());
    EXPECT_EQ(r.OrderDate, S("20040115"));
    EXPECT_EQ(r.OrderNo, 12);
    EXPECT_EQ(r.CustomerId, 70000);
    EXPECT_EQ(r.OrderTime, fx::kOle20040115_1230);
    EXPECT_EQ(r.OrderStaff, S("田中"));
    EXPECT_TRUE(r.ItemName[0].isEmpty());
    EXPECT_EQ(r.ItemName[1], S("ラーメン"));
    EXPECT_EQ(r.ItemQty[1], 2);
    EXPECT_EQ(r.ItemPrice[1], 6500000); // 650 yen x 10000
    EXPECT_EQ(CurrencyToYen(r.ItemPrice[1]), 650);
    EXPECT_EQ(r.ItemOption[1], S("大盛り"));
    EXPECT_EQ(r.ItemName[2], S("Gyoza"));
    EXPECT_EQ(r.ItemPrice[2], YenToCurrency(300));
    EXPECT_EQ(r.ItemOption[2], S("（なし）"));
    EXPECT_TRUE(r.ItemName[3].isEmpty());
    EXPECT_EQ(r.LineCount(), 2);
    EXPECT_EQ(r.DeliverTo, S("（なし）"));
    EXPECT_EQ(r.PointDiscount, -100);
    EXPECT_EQ(r.ServiceDiscount, -50);
    EXPECT_EQ(r.DesignatedTime, 1.0);
    EXPECT_EQ(r.DepartTime, fx::kOle20040115_1845);
    EXPECT_EQ(r.DeliveryStaff, S("田中"));
    EXPECT_EQ(r.DoneTime, fx::kOle20040115_1905);
    EXPECT_EQ(r.CollectTime, fx::kOle20040220_2015);
    EXPECT_EQ(r.CollectStaff, S("山田"));
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.OrderKey(), S("2004011512"));
}

TEST(SalesRecordBytes, WritesExactlyTheHandBuiltBytes)
{
    SalesRecord r;
    r.OrderDate = S("20040115");
    r.OrderNo = 1;
    r.CustomerId = 1;
    r.OrderTime = fx::kOle20040115_1230;
    r.OrderStaff = S("田中");
    r.ItemName[1] = S("ラーメン");
    r.ItemQty[1] = 2;
    r.ItemPrice[1] = YenToCurrency(650);
    r.ItemOption[1] = S("大盛り");
    r.ItemName[2] = S("Gyoza");
    r.ItemQty[2] = 1;
    r.ItemPrice[2] = YenToCurrency(300);
    r.ItemOption[2] = S("（なし）");
    r.DeliverTo = S("（なし）");
    r.PointDiscount = -100;
    r.ServiceDiscount = -50;
    r.DesignatedTime = 1.0;
    r.DepartTime = fx::kOle20040115_1845;
    r.DeliveryStaff = S("田中");
    r.DoneTime = fx::kOle20040115_1905;
    r.CollectTime = 1.0;
    r.Status = 0;
    EXPECT_EQ(r.toBytes(), fx::Sale().bytes());

    r.Status = -1;
    fx::Sale s;
    s.Status = -1;
    EXPECT_EQ(r.toBytes(), s.bytes());
}

TEST(SalesRecordBytes, OrderKeyAndLineCount)
{
    SalesRecord r;
    r.OrderDate = S("20040115");
    r.OrderNo = 3;
    EXPECT_EQ(r.OrderKey(), S("200401153")); // no padding of the number
    r.OrderNo = 32767;
    EXPECT_EQ(r.OrderKey(), S("2004011532767"));

    EXPECT_EQ(r.LineCount(), 0);
    r.ItemName[1] = S("a");
    r.ItemName[2] = S("b");
    r.ItemName[4] = S("d"); // after a gap: not a line
    EXPECT_EQ(r.LineCount(), 2);
    for (int i = 1; i <= kMaxOrderLines; ++i)
        r.ItemName[size_t(i)] = S("x");
    EXPECT_EQ(r.LineCount(), 20);
}

TEST(PhoneBookRecordBytes, ReadsAndWritesTheHandBuiltBytes)
{
    const fx::PhoneBook p;
    const PhoneBookRecord r = PhoneBookRecord::fromBytes(p.bytes().constData());
    EXPECT_EQ(r.Tel, S("0398765432"));
    EXPECT_EQ(r.Name, S("山田"));
    EXPECT_EQ(r.Zip, S("1600023"));
    EXPECT_EQ(r.Address, S("東京都新宿区"));
    EXPECT_EQ(r.toBytes(), p.bytes());
    EXPECT_EQ(r.toBytes().size(), kPhoneBookRecordLength);
}

TEST(RecordText, NeverAssignedFieldsAndNulsReadAsEmptyOrAreRemoved)
{
    // An all-zero record: every text empty, every number 0.
    const QByteArray zeros(kCustomerRecordLength, '\0');
    const CustomerRecord z = CustomerRecord::fromBytes(zeros.constData());
    EXPECT_EQ(z.CustomerId, 0);
    EXPECT_TRUE(z.Tel.isEmpty());
    EXPECT_TRUE(z.City.isEmpty());
    EXPECT_TRUE(z.Remarks.isEmpty());

    // NULs anywhere are removed, then trailing blanks; leading and inner blanks stay.
    QByteArray bytes = fx::Customer().bytes();
    const QByteArray tel(" 03\0\0 12  \0\0\0\0", 14);
    bytes.replace(4, 14, tel);
    const CustomerRecord r = CustomerRecord::fromBytes(bytes.constData());
    EXPECT_EQ(r.Tel, S(" 03 12"));
}

TEST(RecordText, OverlongTextIsCutOnACharacterBoundaryAndShortTextPadded)
{
    EXPECT_EQ(Cp932Field(S("山田"), 3), QByteArray("\x8e\x52 ")); // 田 would straddle the edge
    EXPECT_EQ(Cp932Field(S("ab山"), 3), QByteArray("ab "));
    EXPECT_EQ(Cp932Field(S("ab山"), 4), QByteArray("ab\x8e\x52"));
    EXPECT_EQ(Cp932Field(S("ﾔﾏﾀﾞﾀﾛｳ"), 4), QByteArray("\xd4\xcf\xc0\xde")); // half-width kana: 1 byte each
    EXPECT_EQ(Cp932Field(S(""), 5), QByteArray("     "));
    EXPECT_EQ(Cp932Length(S("ab山ﾔ")), 5);

    // In a record: 26 full-width characters (52 bytes) into the 50-byte City field keep 25 of them;
    // "a" + 25 into the 50-byte Remarks keep 24 and a pad blank; the neighbours are untouched.
    CustomerRecord r = sampleCustomer();
    QString city;
    for (int i = 0; i < 26; ++i)
        city += QChar(0x3042 + i % 20); // あいう...
    r.City = city;
    r.Remarks = S("a") + city;
    const QByteArray bytes = r.toBytes();
    ASSERT_EQ(bytes.size(), kCustomerRecordLength);
    const CustomerRecord back = CustomerRecord::fromBytes(bytes.constData());
    EXPECT_EQ(back.City, city.left(25));
    EXPECT_EQ(back.Remarks, S("a") + city.left(24));
    EXPECT_EQ(bytes[224 + 49], ' ');
    EXPECT_EQ(back.Banchi, S("西新宿２－８－１"));
    EXPECT_EQ(back.Points, 120);
    EXPECT_EQ(back.DmFlag, 1);
    EXPECT_FALSE(back.City.contains(QChar(0xFFFD)));
}

TEST(RecordText, WindowsCp932Mappings)
{
    EXPECT_EQ(ToCp932(S("①")), fx::kCircled1);
    EXPECT_EQ(ToCp932(S("～")), QByteArray("\x81\x60")); // U+FF5E, as Windows writes it
    EXPECT_EQ(ToCp932(S("\\")), QByteArray("\x5c"));
    EXPECT_EQ(FromCp932(QByteArray("\x81\x60")), S("～"));
    EXPECT_EQ(FromCp932(QByteArray("\x5c")), S("\\"));
    EXPECT_EQ(FromCp932(fx::kTokyoShinjuku), S("東京都新宿区"));
    // A character CP932 cannot hold becomes "?", never a multi-byte garbage sequence.
    EXPECT_EQ(ToCp932(S("a한b")), QByteArray("a?b"));
    EXPECT_EQ(Cp932Field(S("한한"), 4), QByteArray("??  "));
}

TEST(RecordText, InvalidCp932BytesDecodeWithoutCrash)
{
    // A lead byte followed by a blank, a lone trail-range byte, bytes no CP932 table uses.
    const QString a = FromCp932(QByteArray("A\x81 B"));
    EXPECT_TRUE(a.startsWith(QLatin1Char('A')));
    EXPECT_TRUE(a.endsWith(QLatin1Char('B')));
    const QString b = FromCp932(QByteArray("\xff\xfd\xa0"));
    EXPECT_FALSE(b.isEmpty());
    const QString c = FromCp932(QByteArray("xy\x81")); // cut in the middle of a character
    EXPECT_TRUE(c.startsWith(QStringLiteral("xy")));

    // Whole records of garbage bytes decode, and encode again to a record of the right length.
    for (char fill : {'\xff', '\x81', '\x80', '\xa0', '\xfc'}) {
        const QByteArray junk(kSalesRecordLength, fill);
        const SalesRecord s = SalesRecord::fromBytes(junk.constData());
        EXPECT_EQ(s.toBytes().size(), kSalesRecordLength);
        const CustomerRecord cr = CustomerRecord::fromBytes(junk.constData());
        EXPECT_EQ(cr.toBytes().size(), kCustomerRecordLength);
    }
}

TEST(Currency, AmountsAreYenTimesTenThousand)
{
    EXPECT_EQ(YenToCurrency(650), 6500000);
    EXPECT_EQ(YenToCurrency(-100), -1000000);
    EXPECT_EQ(CurrencyToYen(6500000), 650);
    EXPECT_EQ(CurrencyToYen(YenToCurrency(9999999)), 9999999);
    QByteArray bytes = fx::Sale().bytes();
    fx::PutI64(bytes, 714 + 8 * 1, 123456780000LL); // 12,345,678 yen in slot 1
    EXPECT_EQ(CurrencyToYen(SalesRecord::fromBytes(bytes.constData()).ItemPrice[1]), 12345678);
}

TEST(OleDates, DaysSince18991230WithTimeAsFraction)
{
    const QDateTime t(QDate(2004, 1, 15), QTime(12, 30));
    EXPECT_NEAR(ToOleDate(t), fx::kOle20040115_1230, 1e-9);
    EXPECT_EQ(FromOleDate(fx::kOle20040115_1230), t);
    EXPECT_EQ(ToOleDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(FromOleDate(1.0), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
    EXPECT_EQ(FromOleDate(0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
    // Before the epoch the fraction still counts forward within the day.
    EXPECT_EQ(FromOleDate(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(ToOleDate(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    // A time that rounds up to midnight belongs to the following day, on both sides of the epoch.
    EXPECT_EQ(FromOleDate(0.99999999999), QDateTime(QDate(1899, 12, 31), QTime(0, 0)));
    EXPECT_EQ(FromOleDate(-1.99999999999), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    // Values no calendar holds give an invalid moment, not a crash.
    EXPECT_FALSE(FromOleDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(FromOleDate(std::numeric_limits<double>::infinity()).isValid());
    EXPECT_FALSE(FromOleDate(1e300).isValid());
    EXPECT_FALSE(FromOleDate(-1e300).isValid());
    EXPECT_TRUE(FormatOleDate(1e300, QStringLiteral("yyyy/MM/dd")).isEmpty());
}

TEST(TimeDisplay, UnsetTimeShowsDashes)
{
    EXPECT_EQ(FormatTime(1.0), S("-----"));
    EXPECT_EQ(FormatDayTime(1.0), S("-----"));
    EXPECT_EQ(FormatTime(0.5), S("12:00"));
    EXPECT_EQ(FormatDayTime(0.5), S("12/30 12:00"));
    EXPECT_EQ(FormatTime(fx::kOle20040115_1905), S("19:05"));
    EXPECT_EQ(FormatDayTime(fx::kOle20040115_1905), S("01/15 19:05"));
    EXPECT_EQ(FormatTime(fx::kOle20040220_2015), S("20:15"));
    EXPECT_EQ(FormatTime(0.0), S("00:00")); // only 1.0 means unset
    // Damaged values show as unset instead of garbage.
    EXPECT_EQ(FormatTime(std::numeric_limits<double>::quiet_NaN()), S("-----"));
    EXPECT_EQ(FormatDayTime(-1e300), S("-----"));
}
