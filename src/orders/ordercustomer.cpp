#include "orders/ordercustomer.h"

#include "orders/pricing.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/oledate.h"

namespace
{

const QString kTakeOutTel = QStringLiteral("000");

QString normalisedTel(const QString &tel)
{
    QString t = tel;
    t.remove(QLatin1Char(' '));
    return t;
}

// A customer other than `except` with this number (stored numbers have no blanks, so the
// typed number is compared the way it would be stored).
bool telTaken(const RecordStore &records, const QString &tel, int except)
{
    const QString wanted = normalisedTel(tel);
    for (int i = 1; i <= records.CustomerCount(); ++i) {
        if (i != except && records.CustomerIndex[size_t(i)].Tel == wanted)
            return true;
    }
    return false;
}

} // namespace

OrderCustomerFields FieldsOf(const CustomerRecord &c)
{
    OrderCustomerFields f;
    f.Tel = TrimField(c.Tel);
    f.NameKana = TrimField(c.NameKana);
    f.Zip = TrimField(c.Zip);
    f.City = TrimField(c.City);
    f.Banchi = TrimField(c.Banchi);
    f.Building = TrimField(c.Building);
    f.Remarks = TrimField(c.Remarks);
    f.Motive = c.Motive;
    return f;
}

bool AcceptCallerTel(const QString &tel)
{
    // An empty text is not a number either: there is nothing to look up.
    if (!tel.isEmpty() && !tel.contains(QLatin1Char('-')) && IsNumericInput(tel))
        return true;
    ShowNotNumericWarning();
    return false;
}

std::optional<OrderCustomer> LoadOrderCustomer(AppData &data, int pos)
{
    std::optional<CustomerRecord> record = data.records.ReadCustomer(pos);
    if (!record)
        return std::nullopt;
    ExpirePoints(*record, PointRules::FromShop(data.settings.Shop), Clock::Today());
    return OrderCustomer{*record, pos};
}

std::optional<OrderCustomer> ReloadOrderCustomer(AppData &data, const CustomerRecord &held)
{
    const int pos = data.records.FindCustomerPos(held.CustomerId);
    if (pos < 1 || held.CustomerId <= 0)
        return std::nullopt;
    return LoadOrderCustomer(data, pos);
}

CallerLookup LookUpCaller(AppData &data, const QString &tel)
{
    RecordStore &r = data.records;
    CallerLookup result;
    result.Fields.Tel = tel;
    const int pos = r.FindCustomerPosByTel(tel);
    if (pos > 0) {
        if (std::optional<OrderCustomer> customer = LoadOrderCustomer(data, pos)) {
            result.Kind = CallerKind::Known;
            result.Customer = *customer;
            result.Fields = FieldsOf(customer->Record);
        }
        return result;
    }
    const int bookPos = r.FindPhoneBookPosByTel(tel);
    if (bookPos > 0) {
        if (const std::optional<PhoneBookRecord> entry = r.ReadPhoneBookEntry(bookPos)) {
            result.Kind = CallerKind::PhoneBook;
            result.Fields.NameKana = TrimField(entry->Name);
            result.Fields.Zip = TrimField(entry->Zip);
            result.Fields.City = TrimField(entry->Address);
        }
    }
    return result;
}

CustomerRecord BuildOrderCustomer(const RecordStore &records, CustomerBuild mode, const OrderCustomerFields &f,
                                  const CustomerRecord &base)
{
    CustomerRecord c = base;
    if (mode == CustomerBuild::New) {
        c = CustomerRecord();
        c.CustomerId = records.MaxCustomerId() + 1;
    }
    c.Tel = normalisedTel(f.Tel);
    c.NameKana = f.NameKana;
    c.Zip = QString(f.Zip).remove(QLatin1Char('-'));
    c.City = f.City;
    c.Banchi = f.Banchi;
    c.Building = f.Building;
    c.Remarks = f.Remarks;
    c.Motive = qint16(f.Motive < 0 ? -1 : f.Motive);
    c.LastEditDate = ToOleDate(Clock::Now());
    return c;
}

CustomerRefusal CheckNewOrderCustomer(const RecordStore &records, const OrderCustomerFields &f)
{
    if (f.NameKana.isEmpty())
        return CustomerRefusal::NameMissing;
    if (f.Tel.isEmpty())
        return CustomerRefusal::TelMissing;
    if (telTaken(records, f.Tel, 0))
        return CustomerRefusal::DuplicateOnNew;
    return CustomerRefusal::None;
}

CustomerRefusal CheckChangedOrderCustomer(const RecordStore &records, const OrderCustomerFields &f, int ownPos)
{
    if (f.Tel.isEmpty())
        return CustomerRefusal::TelMissing;
    if (telTaken(records, f.Tel, ownPos))
        return CustomerRefusal::DuplicateOnChange;
    return CustomerRefusal::None;
}

void ShowCustomerRefusal(CustomerRefusal refusal)
{
    switch (refusal) {
    case CustomerRefusal::None:
        return;
    case CustomerRefusal::NameMissing:
        ShowWarning(QStringLiteral("ﾅﾏｴが入力されていません"), QStringLiteral("ﾅﾏｴを入力して下さい。"));
        return;
    case CustomerRefusal::TelMissing:
        ShowWarning(QStringLiteral("電話番号の未入力"), QStringLiteral("電話番号が入力されていません。"));
        return;
    case CustomerRefusal::DuplicateOnNew:
        ShowWarning(QStringLiteral("電話番号の重複エラー"),
                    QStringLiteral("電話番号が重複しているため、新規登録できません。"));
        return;
    case CustomerRefusal::DuplicateOnChange:
        ShowWarning(QStringLiteral("電話番号の重複エラー"),
                    QStringLiteral("電話番号が重複しているため、変更できません。"));
        return;
    }
}

CustomerSave RegisterOrderCustomer(AppData &data, const OrderCustomerFields &fields, OrderCustomer &held)
{
    const CustomerRefusal refusal = CheckNewOrderCustomer(data.records, fields);
    if (refusal != CustomerRefusal::None) {
        ShowCustomerRefusal(refusal);
        return CustomerSave::Refused;
    }
    const CustomerRecord added = BuildOrderCustomer(data.records, CustomerBuild::New, fields);
    if (!data.records.AddCustomer(added))
        return CustomerSave::Failed;
    held = OrderCustomer{added, data.records.CustomerCount()};
    ShowInformation(QStringLiteral("登録完了"), QStringLiteral("顧客登録が完了しました。"));
    return CustomerSave::Saved;
}

CustomerSave ChangeOrderCustomer(AppData &data, const OrderCustomerFields &fields, OrderCustomer &held)
{
    // The fields go onto the record as it is on file now, so points or counts another window
    // changed meanwhile are kept.
    const std::optional<OrderCustomer> current = ReloadOrderCustomer(data, held.Record);
    const CustomerRefusal refusal = CheckChangedOrderCustomer(data.records, fields, current ? current->Pos : held.Pos);
    if (refusal != CustomerRefusal::None) {
        ShowCustomerRefusal(refusal);
        return CustomerSave::Refused;
    }
    if (!current) {
        ShowErrorBox(11, QStringLiteral("顧客データの更新エラー"));
        return CustomerSave::Failed;
    }
    const CustomerRecord changed = BuildOrderCustomer(data.records, CustomerBuild::Change, fields, current->Record);
    if (!data.records.UpdateCustomer(current->Pos, changed))
        return CustomerSave::Failed;
    held = OrderCustomer{changed, current->Pos};
    ShowInformation(QStringLiteral("変更完了"), QStringLiteral("登録内容の変更が完了しました。"));
    return CustomerSave::Saved;
}

OrderCustomerFields TakeOutFields()
{
    OrderCustomerFields f;
    f.Tel = kTakeOutTel;
    f.NameKana = QStringLiteral("ｵﾓﾁｶｴﾘ");
    f.Zip = QStringLiteral("0000000");
    f.City = QStringLiteral("店頭お持帰り");
    return f;
}

std::optional<OrderCustomer> UseTakeOutCustomer(AppData &data)
{
    RecordStore &r = data.records;
    const int pos = r.FindCustomerPosByTel(kTakeOutTel);
    if (pos > 0)
        return LoadOrderCustomer(data, pos);
    CustomerRecord added = BuildOrderCustomer(r, CustomerBuild::New, TakeOutFields());
    added.DmFlag = 1; // no mailings to the shop counter
    if (!r.AddCustomer(added))
        return std::nullopt;
    return OrderCustomer{added, r.CustomerCount()};
}
