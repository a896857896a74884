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

using OrderCustomerSide = OrderDataTest;

TEST_F(OrderCustomerSide, CallerTelMustBeDigitsWithoutHyphen)
{
    EXPECT_TRUE(AcceptCallerTel("0312345678"));
    EXPECT_EQ(prompt.count(), 0);
    for (const char *bad : {"03-1234-5678", "03abc", ""}) {
        EXPECT_FALSE(AcceptCallerTel(bad)) << bad;
        expectWarning(prompt, "数字以外が入力されました", "数字以外は入力できません。");
    }
}

TEST_F(OrderCustomerSide, KnownCustomerIsLoadedAndLapsedPointsExpire)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    const int lapsed = addCustomer("0322222222", QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"), 300, eightMonthsAgo(), 4);
    const int valid = addCustomer("0333333333", QStringLiteral("ｽｽﾞｷ"), 250, fiveMonthsAgo(), 2);
    pointServiceOn();

    CallerLookup r = LookUpCaller(*data, "0322222222");
    EXPECT_EQ(r.Kind, CallerKind::Known);
    EXPECT_EQ(r.Customer.Pos, lapsed);
    EXPECT_EQ(r.Fields.NameKana, QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
    EXPECT_EQ(r.Fields.Zip, "1600023");
    EXPECT_EQ(r.Fields.City, QStringLiteral("新宿区"));
    EXPECT_EQ(r.Fields.Banchi, QStringLiteral("西新宿2-8-1"));
    EXPECT_EQ(r.Fields.Motive, 3);
    EXPECT_EQ(r.Customer.Record.Points, 0); // eight months without an order
    EXPECT_EQ(r.Customer.Record.UseCount, 4);
    EXPECT_EQ(reopened()->ReadCustomer(lapsed)->Points, 300); // expired in memory only

    r = LookUpCaller(*data, "0333333333");
    EXPECT_EQ(r.Customer.Pos, valid);
    EXPECT_EQ(r.Customer.Record.Points, 250);

    // Without the point service the balance is left alone.
    data->settings.Shop.PointService = "0";
    EXPECT_EQ(LookUpCaller(*data, "0322222222").Customer.Record.Points, 300);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(OrderCustomerSide, NumberOnlyInThePhoneBookOffersItsEntry)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    PhoneBookRecord entry;
    entry.Tel = "0398765432";
    entry.Name = QStringLiteral("ｺﾊﾞﾔｼ");
    entry.Zip = "1000001";
    entry.Address = QStringLiteral("千代田区千代田");
    ASSERT_TRUE(records().AppendPhoneBookEntries({entry}));

    const CallerLookup r = LookUpCaller(*data, "0398765432");
    EXPECT_EQ(r.Kind, CallerKind::PhoneBook);
    EXPECT_EQ(r.Fields.Tel, "0398765432");
    EXPECT_EQ(r.Fields.NameKana, QStringLiteral("ｺﾊﾞﾔｼ"));
    EXPECT_EQ(r.Fields.Zip, "1000001");
    EXPECT_EQ(r.Fields.City, QStringLiteral("千代田区千代田"));
    EXPECT_TRUE(r.Fields.Banchi.isEmpty());
    EXPECT_EQ(r.Customer.Pos, -1);           // nobody was loaded
    EXPECT_EQ(records().CustomerCount(), 1); // and nobody registered

    // The number is compared exactly: another form of it is not found anywhere.
    const CallerLookup other = LookUpCaller(*data, "03-9876-5432");
    EXPECT_EQ(other.Kind, CallerKind::Unknown);
    EXPECT_TRUE(other.Fields.NameKana.isEmpty());
    EXPECT_EQ(LookUpCaller(*data, "0300000000").Kind, CallerKind::Unknown);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(OrderCustomerSide, NewCustomerIsRefusedUntilNameAndUniqueNumberAreGiven)
{
    addCustomer("0355551234", QStringLiteral("ﾀﾅｶ"));
    OrderCustomer held;

    OrderCustomerFields f = typed();
    f.NameKana.clear();
    f.Tel.clear(); // the name is checked first
    EXPECT_EQ(RegisterOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "ﾅﾏｴが入力されていません", "ﾅﾏｴを入力して下さい。");

    f.NameKana = QStringLiteral("ｻﾄｳ");
    EXPECT_EQ(RegisterOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の未入力", "電話番号が入力されていません。");

    f.Tel = "0355551234";
    EXPECT_EQ(RegisterOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    // Typed with blanks it would be stored as the same number.
    f.Tel = "03 5555 1234";
    EXPECT_EQ(RegisterOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    EXPECT_EQ(reopened()->CustomerCount(), 1);
}

TEST_F(OrderCustomerSide, NewCustomerIsStoredFromTheWindowFields)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 40, fiveMonthsAgo(), 7);
    // The window held a customer with usage figures.
    OrderCustomer held = LookUpCaller(*data, "0322222222").Customer;

    OrderCustomerFields f = typed();
    f.Tel = "0366667777";
    ASSERT_EQ(RegisterOrderCustomer(*data, f, held), CustomerSave::Saved);
    expectInformation(prompt, "登録完了", "顧客登録が完了しました。");

    EXPECT_EQ(held.Pos, 3);
    EXPECT_EQ(held.Record.Tel, "0366667777");
    const auto r = reopened();
    ASSERT_EQ(r->CustomerCount(), 3);
    const CustomerRecord c = r->ReadCustomer(3).value();
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
    // A new customer starts from nothing, whatever the window held before.
    EXPECT_EQ(c.Points, 0);
    EXPECT_EQ(c.UseCount, 0);
    EXPECT_EQ(c.FirstUseDate, 0.0);
    EXPECT_EQ(c.LastUseDate, 0.0);
    EXPECT_EQ(c.DmFlag, 0);

    // No motive chosen is stored as -1; the blanks of the number go.
    OrderCustomerFields g = typed();
    g.Motive = -1;
    ASSERT_EQ(RegisterOrderCustomer(*data, g, held), CustomerSave::Saved);
    prompt.clear();
    EXPECT_EQ(held.Record.Motive, -1);
    EXPECT_EQ(records().CustomerIndex[4].Tel, "0355551234");
    EXPECT_EQ(records().CustomerIndex[4].CustomerId, 4);
}

TEST_F(OrderCustomerSide, ChangeKeepsIdAndUsageAndRefusesAnotherCustomersNumber)
{
    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    const int pos = addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"), 40, fiveMonthsAgo(), 7);
    OrderCustomer held = LookUpCaller(*data, "0322222222").Customer;
    ASSERT_EQ(held.Pos, pos);

    OrderCustomerFields f = FieldsOf(held.Record);
    f.Tel.clear();
    EXPECT_EQ(ChangeOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の未入力", "電話番号が入力されていません。");
    f.Tel = "0311111111";
    EXPECT_EQ(ChangeOrderCustomer(*data, f, held), CustomerSave::Refused);
    expectWarning(prompt, "電話番号の重複エラー", "電話番号が重複しているため、変更できません。");

    // Its own number is no duplicate.
    f.Tel = "0322222222";
    f.NameKana = QStringLiteral("ｽｽﾞｷﾊﾅｺ");
    f.Zip = "100-0001";
    f.Motive = -1;
    // Meanwhile another window credited points: the change keeps them.
    CustomerRecord onFile = records().ReadCustomer(pos).value();
    onFile.Points = 90;
    ASSERT_TRUE(records().UpdateCustomer(pos, onFile));
    ASSERT_EQ(ChangeOrderCustomer(*data, f, held), CustomerSave::Saved);
    expectInformation(prompt, "変更完了", "登録内容の変更が完了しました。");

    const auto r = reopened();
    ASSERT_EQ(r->CustomerCount(), 2);
    const CustomerRecord c = r->ReadCustomer(pos).value();
    EXPECT_EQ(c.CustomerId, 2);
    EXPECT_EQ(c.NameKana, QStringLiteral("ｽｽﾞｷﾊﾅｺ"));
    EXPECT_EQ(c.Zip, "1000001");
    EXPECT_EQ(c.Motive, -1);
    EXPECT_EQ(c.Points, 90);
    EXPECT_EQ(held.Record.Points, 90); // the window holds what was written
    EXPECT_EQ(c.UseCount, 7);
    EXPECT_DOUBLE_EQ(c.FirstUseDate, fiveMonthsAgo());
    EXPECT_DOUBLE_EQ(c.LastEditDate, ToOleDate(kNow));
}

TEST_F(OrderCustomerSide, TakeOutCustomerIsCreatedOnceThenReused)
{
    const std::optional<OrderCustomer> first = UseTakeOutCustomer(*data);
    ASSERT_TRUE(first);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(records().CustomerCount(), 1);
    EXPECT_EQ(first->Pos, 1);
    const CustomerRecord &c = first->Record;
    EXPECT_EQ(c.CustomerId, 1);
    EXPECT_EQ(c.Tel, "000");
    EXPECT_EQ(c.NameKana, QStringLiteral("ｵﾓﾁｶｴﾘ"));
    EXPECT_EQ(c.Zip, "0000000");
    EXPECT_EQ(c.City, QStringLiteral("店頭お持帰り"));
    EXPECT_TRUE(c.Banchi.isEmpty());
    EXPECT_TRUE(c.Building.isEmpty());
    EXPECT_EQ(c.Motive, -1);
    EXPECT_EQ(c.DmFlag, 1);

    addCustomer("0311111111", QStringLiteral("ﾀﾅｶ"));
    // The shop renamed its take-out customer: it is used as stored.
    CustomerRecord renamed = records().ReadCustomer(1).value();
    renamed.NameKana = QStringLiteral("ﾃﾝﾄｳ");
    ASSERT_TRUE(records().UpdateCustomer(1, renamed));
    const std::optional<OrderCustomer> again = UseTakeOutCustomer(*data);
    ASSERT_TRUE(again);
    EXPECT_EQ(records().CustomerCount(), 2);
    EXPECT_EQ(again->Pos, 1);
    EXPECT_EQ(again->Record.Tel, "000");
    EXPECT_EQ(again->Record.NameKana, QStringLiteral("ﾃﾝﾄｳ"));

    const auto r = reopened();
    EXPECT_EQ(r->CustomerCount(), 2);
    EXPECT_EQ(r->FindCustomerPosByTel("000"), 1);
    const OrderCustomerFields f = TakeOutFields();
    EXPECT_EQ(f.Tel, "000");
    EXPECT_EQ(f.NameKana, QStringLiteral("ｵﾓﾁｶｴﾘ"));
    EXPECT_EQ(f.Motive, -1);
}
