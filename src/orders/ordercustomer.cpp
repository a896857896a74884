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

bool LoadOrderCustomer(AppData &data, int pos)
{
    RecordStore &r = data.records;
    if (!r.ReadCustomer(pos))
        return false;
    r.CurrentCustomerPos = pos;
    ExpirePoints(r.CurrentCustomer, PointRules::FromShop(data.settings.Shop), Clock::Today());
    return true;
}

CallerLookup LookUpCaller(AppData &data, const QString &tel)
{
    RecordStore &r = data.records;
    CallerLookup result;
    result.Fields.Tel = tel;
    const int pos = r.FindCustomerPosByTel(tel);
    if (pos > 0) {
        if (LoadOrderCustomer(data, pos)) {
            result.Kind = CallerKind::Known;
            result.CustomerPos = pos;
            result.Fields = FieldsOf(r.CurrentCustomer);
        }
        return result;
    }
    const int bookPos = r.FindPhoneBookPosByTel(tel);
    if (bookPos > 0 && r.ReadPhoneBookEntry(bookPos)) {
        result.Kind = CallerKind::PhoneBook;
        result.Fields.NameKana = TrimField(r.CurrentPhoneBookEntry.Name);
        result.Fields.Zip = TrimField(r.CurrentPhoneBookEntry.Zip);
        result.Fields.City = TrimField(r.CurrentPhoneBookEntry.Address);
    }
    return result;
}

void BuildOrderCustomer(RecordStore &records, CustomerBuild mode, const OrderCustomerFields &f)
{
    CustomerRecord &c = records.CurrentCustomer;
    if (mode == CustomerBuild::New) {
        const qint32 id = records.MaxCustomerId() + 1;
        c = CustomerRecord();
        c.CustomerId = id;
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

CustomerRefusal CheckChangedOrderCustomer(const RecordStore &records, const OrderCustomerFields &f)
{
    if (f.Tel.isEmpty())
        return CustomerRefusal::TelMissing;
    if (telTaken(records, f.Tel, records.CurrentCustomerPos))
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

CustomerSave RegisterOrderCustomer(AppData &data, const OrderCustomerFields &fields)
{
    const CustomerRefusal refusal = CheckNewOrderCustomer(data.records, fields);
    if (refusal != CustomerRefusal::None) {
        ShowCustomerRefusal(refusal);
        return CustomerSave::Refused;
    }
    BuildOrderCustomer(data.records, CustomerBuild::New, fields);
    if (!data.records.AddCustomer())
        return CustomerSave::Failed;
    ShowInformation(QStringLiteral("登録完了"), QStringLiteral("顧客登録が完了しました。"));
    return CustomerSave::Saved;
}

CustomerSave ChangeOrderCustomer(AppData &data, const OrderCustomerFields &fields)
{
    const CustomerRefusal refusal = CheckChangedOrderCustomer(data.records, fields);
    if (refusal != CustomerRefusal::None) {
        ShowCustomerRefusal(refusal);
        return CustomerSave::Refused;
    }
    BuildOrderCustomer(data.records, CustomerBuild::Change, fields);
    if (!data.records.UpdateCustomer())
        return CustomerSave::Failed;
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

bool UseTakeOutCustomer(AppData &data)
{
    RecordStore &r = data.records;
    const int pos = r.FindCustomerPosByTel(kTakeOutTel);
    if (pos > 0)
        return LoadOrderCustomer(data, pos);
    BuildOrderCustomer(r, CustomerBuild::New, TakeOutFields());
    r.CurrentCustomer.DmFlag = 1; // no mailings to the shop counter
    return r.AddCustomer();
}
