// The customer side of order entry: the customer check, registering and changing a customer
// from the order window's fields, and the shared take-out customer.
#include "orderdata.h"

#include "orders/ordercustomer.h"

namespace
{

// Functions, not constants: the date conversion must not run during static initialisation.
double eightMonthsAgo()
{
    return ToOleDate(QDateTime(QDate(2023, 9, 9), QTime(12, 0)));
}
double fiveMonthsAgo()
{
    return ToOleDate(QDateTime(QDate(2023, 12, 10), QTime(12, 0)));
}

void expectWarning(TestPrompt &prompt, const char *title, const char *text)
{
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QString::fromUtf8(title));
    EXPECT_EQ(prompt.last().text, QString::fromUtf8(text));
    prompt.clear();
}

void expectInformation(TestPrompt &prompt, const char *title, const char *text)
{
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    EXPECT_EQ(prompt.last().title, QString::fromUtf8(title));
    EXPECT_EQ(prompt.last().text, QString::fromUtf8(text));
    prompt.clear();
}

OrderCustomerFields typed()
{
    OrderCustomerFields f;
    f.Tel = "03 5555 1234";
    f.NameKana = QStringLiteral("ｻﾄｳｼﾞﾛｳ");
    f.Zip = "160-0023";
    f.City = QStringLiteral("新宿区");
    f.Banchi = QStringLiteral("西新宿1-1");
    f.Building = QStringLiteral("空野ハイツ");
    f.Remarks = QStringLiteral("裏口");
    f.Motive = 4;
    return f;
}

} // namespace

using OrderCustomer = OrderDataTest;

TEST_F(OrderCustomer, CallerTelMustBeDigitsWithoutHyphen)
{
    EXPECT_TRUE(AcceptCallerTel("0312345678"));
    EXPECT_EQ(prompt.count(), 0);
    for (const char *bad : {"03-1234-5678", "03abc", ""}) {
        EXPECT_FALSE(AcceptCallerTel(bad)) << bad;
        expectWarning(prompt, "数字以外が入力されました", "数字以外は入力できません。");
    }
}

TEST_F(OrderCustomer, KnownCustomerIsLoadedAndLapsedPointsExpire)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    const int lapsed = addCustomer("0322222222", QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"), 300, eightMonthsAgo(), 4);
    const int valid = addCustomer("0333333333", QStringLiteral("ｽｽﾞｷ"), 250, fiveMonthsAgo(), 2);
    pointServiceOn();

    CallerLookup r = LookUpCaller(*data, "0322222222");
    EXPECT_EQ(r.Kind, CallerKind::Known);
    EXPECT_EQ(r.CustomerPos, lapsed);
    EXPECT_EQ(records().CurrentCustomerPos, lapsed);
    EXPECT_EQ(r.Fields.NameKana, QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_EQ(r.Fields.Zip, "1600023");
    EXPECT_EQ(r.Fields.City, QStringLiteral("新宿区"));
    EXPECT_EQ(r.Fields.Banchi, QStringLiteral("西新宿2-8-1"));
    EXPECT_EQ(r.Fields.Motive, 3);
    EXPECT_EQ(records().CurrentCustomer.Points, 0); // eight months without an order
    EXPECT_EQ(records().CurrentCustomer.UseCount, 4);

    r = LookUpCaller(*data, "0333333333");
    EXPECT_EQ(r.CustomerPos, valid);
    EXPECT_EQ(records().CurrentCustomer.Points, 250);

    // Without the point service the balance is left alone.
    data->settings.Shop.PointService = "0";
    LookUpCaller(*data, "0322222222");
    EXPECT_EQ(records().CurrentCustomer.Points, 300);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(OrderCustomer, NumberOnlyInThePhoneBookOffersItsEntry)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    PhoneBookRecord entry;
    entry.Tel = "0398765432";
    entry.Name = QStringLiteral("ｺﾊﾞﾔｼ");
    entry.Zip = "1000001";
    entry.Address = QStringLiteral("千代田区千代田");
    ASSERT_TRUE(records().AppendPhoneBookEntries({entry}));
    const int before = records().CurrentCustomerPos;

    const CallerLookup r = LookUpCaller(*data, "0398765432");
    EXPECT_EQ(r.Kind, CallerKind::PhoneBook);
    EXPECT_EQ(r.Fields.Tel, "0398765432");
    EXPECT_EQ(r.Fields.NameKana, QStringLiteral("ｺﾊﾞﾔｼ"));
    EXPECT_EQ(r.Fields.Zip, "1000001");
    EXPECT_EQ(r.Fields.City, QStringLiteral("千代田区千代田"));
    EXPECT_TRUE(r.Fields.Banchi.isEmpty());
    EXPECT_EQ(records().CurrentCustomerPos, before); // nobody was loaded
    EXPECT_EQ(records().CustomerCount(), 1);         // and nobody registered

    // The number is compared exactly: another form of it is not found anywhere.
    const CallerLookup other = LookUpCaller(*data, "03-9876-5432");
    EXPECT_EQ(other.Kind, CallerKind::Unknown);
    EXPECT_TRUE(other.Fields.NameKana.isEmpty());
    EXPECT_EQ(LookUpCaller(*data, "0300000000").Kind, CallerKind::Unknown);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(OrderCustomer, NewCustomerIsRefusedUntilNameAndUniqueNumberAreGiven)
{
    addCustomer("0355551234", QStringLiteral("ﾀﾅｶ"));

    OrderCustomerFields f = typed();
    f.NameKana.clear();
    f.Tel.clear(); // the name is checked first
    EXPECT_EQ(RegisterOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "ﾅﾏｴが入力されていません", "ﾅﾏｴを入力して下さい。");

    f.NameKana = QStringLiteral("ｻﾄｳ");
    EXPECT_EQ(RegisterOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の未入力", "電話番号が入力されていません。");

    f.Tel = "0355551234";
    EXPECT_EQ(RegisterOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    // Typed with blanks it would be stored as the same number.
    f.Tel = "03 5555 1234";
    EXPECT_EQ(RegisterOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    EXPECT_EQ(reopened()->CustomerCount(), 1);
}

TEST_F(OrderCustomer, NewCustomerIsStoredFromTheWindowFields)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 40, fiveMonthsAgo(), 7);
    records().ReadCustomer(2); // the buffer holds a customer with usage figures

    OrderCustomerFields f = typed();
    f.Tel = "0366667777";
    ASSERT_EQ(RegisterOrderCustomer(*data, f), CustomerSave::Saved);
    expectInformation(prompt, "登録完了", "顧客登録が完了しました。");

    EXPECT_EQ(records().CurrentCustomerPos, 3);
    const auto r = reopened();
    ASSERT_EQ(r->CustomerCount(), 3);
    ASSERT_TRUE(r->ReadCustomer(3));
    const CustomerRecord &c = r->CurrentCustomer;
    EXPECT_EQ(c.CustomerId, 3);
    EXPECT_EQ(c.Tel, "0366667777");
    EXPECT_EQ(c.NameKana, QStringLiteral("ｻﾄｳｼﾞﾛｳ"));
    EXPECT_EQ(c.Zip, "1600023");
    EXPECT_EQ(c.City, QStringLiteral("新宿区"));
    EXPECT_EQ(c.Banchi, QStringLiteral("西新宿1-1"));
    EXPECT_EQ(c.Building, QStringLiteral("空野ハイツ"));
    EXPECT_EQ(c.Remarks, QStringLiteral("裏口"));
    EXPECT_EQ(c.Motive, 4);
    EXPECT_DOUBLE_EQ(c.LastEditDate, ToOleDate(kNow));
    // A new customer starts from nothing, whatever the buffer held before.
    EXPECT_EQ(c.Points, 0);
    EXPECT_EQ(c.UseCount, 0);
    EXPECT_EQ(c.FirstUseDate, 0.0);
    EXPECT_EQ(c.LastUseDate, 0.0);
    EXPECT_EQ(c.DmFlag, 0);

    // No motive chosen is stored as -1; the blanks of the number go.
    OrderCustomerFields g = typed();
    g.Motive = -1;
    ASSERT_EQ(RegisterOrderCustomer(*data, g), CustomerSave::Saved);
    prompt.clear();
    EXPECT_EQ(records().CurrentCustomer.Motive, -1);
    EXPECT_EQ(records().CustomerIndex[4].Tel, "0355551234");
    EXPECT_EQ(records().CustomerIndex[4].CustomerId, 4);
}

TEST_F(OrderCustomer, ChangeKeepsIdAndUsageAndRefusesAnotherCustomersNumber)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    const int pos = addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 40, fiveMonthsAgo(), 7);
    ASSERT_EQ(LookUpCaller(*data, "0322222222").CustomerPos, pos);

    OrderCustomerFields f = FieldsOf(records().CurrentCustomer);
    f.Tel.clear();
    EXPECT_EQ(ChangeOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の未入力", "電話番号が入力されていません。");
    f.Tel = "0311111111";
    EXPECT_EQ(ChangeOrderCustomer(*data, f), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、変更できません。");

    // Its own number is no duplicate.
    f.Tel = "0322222222";
    f.NameKana = QStringLiteral("ｽｽﾞｷﾊﾅｺ");
    f.Zip = "100-0001";
    f.Motive = -1;
    ASSERT_EQ(ChangeOrderCustomer(*data, f), CustomerSave::Saved);
    expectInformation(prompt, "変更完了", "登録内容の変更が完了しました。");

    const auto r = reopened();
    ASSERT_EQ(r->CustomerCount(), 2);
    ASSERT_TRUE(r->ReadCustomer(pos));
    const CustomerRecord &c = r->CurrentCustomer;
    EXPECT_EQ(c.CustomerId, 2);
    EXPECT_EQ(c.NameKana, QStringLiteral("ｽｽﾞｷﾊﾅｺ"));
    EXPECT_EQ(c.Zip, "1000001");
    EXPECT_EQ(c.Motive, -1);
    EXPECT_EQ(c.Points, 40);
    EXPECT_EQ(c.UseCount, 7);
    EXPECT_DOUBLE_EQ(c.FirstUseDate, fiveMonthsAgo());
    EXPECT_DOUBLE_EQ(c.LastEditDate, ToOleDate(kNow));
}

TEST_F(OrderCustomer, TakeOutCustomerIsCreatedOnceThenReused)
{
    ASSERT_TRUE(UseTakeOutCustomer(*data));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(records().CustomerCount(), 1);
    const CustomerRecord &c = records().CurrentCustomer;
    EXPECT_EQ(c.CustomerId, 1);
    EXPECT_EQ(c.Tel, "000");
    EXPECT_EQ(c.NameKana, QStringLiteral("ｵﾓﾁｶｴﾘ"));
    EXPECT_EQ(c.Zip, "0000000");
    EXPECT_EQ(c.City, QStringLiteral("店頭お持帰り"));
    EXPECT_TRUE(c.Banchi.isEmpty());
    EXPECT_TRUE(c.Building.isEmpty());
    EXPECT_EQ(c.Motive, -1);
    EXPECT_EQ(c.DmFlag, 1);

    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ")); // the buffer moves on
    ASSERT_TRUE(UseTakeOutCustomer(*data));
    EXPECT_EQ(records().CustomerCount(), 2);
    EXPECT_EQ(records().CurrentCustomerPos, 1);
    EXPECT_EQ(records().CurrentCustomer.Tel, "000");

    const auto r = reopened();
    EXPECT_EQ(r->CustomerCount(), 2);
    EXPECT_EQ(r->FindCustomerPosByTel("000"), 1);
    const OrderCustomerFields f = TakeOutFields();
    EXPECT_EQ(f.Tel, "000");
    EXPECT_EQ(f.NameKana, QStringLiteral("ｵﾓﾁｶｴﾘ"));
    EXPECT_EQ(f.Motive, -1);
}
