#include "customers/customerform.h"

#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/oledate.h"
#include "store/saleamounts.h"

#include <algorithm>
#include <cmath>
#include <limits>

CustomerFormFields FieldsOfCustomer(const CustomerRecord &c)
{
    CustomerFormFields f;
    f.Tel = TrimField(c.Tel);
    f.NameKana = TrimField(c.NameKana);
    f.Zip = TrimField(c.Zip);
    f.City = TrimField(c.City);
    f.Banchi = TrimField(c.Banchi);
    f.Building = TrimField(c.Building);
    f.Remarks = TrimField(c.Remarks);
    f.Points = QString::number(c.Points);
    f.Motive = c.Motive;
    f.DmFlag = c.DmFlag == 1 ? 1 : 0;
    return f;
}

QString NormalisedTel(const QString &tel)
{
    return QString(tel).remove(QLatin1Char(' '));
}

QString NormalisedNameKana(const QString &name)
{
    return QString(name).remove(QLatin1Char(' ')).remove(QChar(0x3000));
}

QString NormalisedZip(const QString &zip)
{
    return QString(zip).remove(QLatin1Char('-'));
}

qint32 PointsOfText(const QString &points)
{
    bool ok = false;
    const double value = AmountNumber(points, &ok);
    if (!ok || !std::isfinite(value))
        return 0;
    // The field takes six characters; anything beyond an int32 cannot have been meant.
    const double limited =
        std::clamp(value, double(std::numeric_limits<qint32>::min()), double(std::numeric_limits<qint32>::max()));
    return qint32(RoundHalfEven(limited));
}

void ApplyCustomerFields(CustomerRecord &c, const CustomerFormFields &f, bool withPoints, const QDateTime &now)
{
    c.Tel = NormalisedTel(f.Tel);
    c.NameKana = NormalisedNameKana(f.NameKana);
    c.Zip = NormalisedZip(f.Zip);
    c.City = f.City;
    c.Banchi = f.Banchi;
    c.Building = f.Building;
    c.Motive = qint16(f.Motive >= 0 && f.Motive <= 6 ? f.Motive : -1);
    c.DmFlag = f.DmFlag == 1 ? 1 : 0;
    c.Remarks = f.Remarks;
    if (withPoints)
        c.Points = PointsOfText(f.Points);
    c.LastEditDate = ToOleDate(now);
}

namespace
{

// Stored numbers have their blanks removed, so a number typed with blanks is compared the way
// it would be stored; otherwise "03 1234 5678" would slip past a customer holding 0312345678.
int firstCustomerWithTel(const RecordStore &records, const QString &typed, const QString &skipTel = QString(),
                         bool skip = false, int ownPos = -1)
{
    const QString wanted = NormalisedTel(typed);
    for (int i = 1; i <= records.CustomerCount(); ++i) {
        const QString &tel = records.CustomerIndex[size_t(i)].Tel;
        if (i == ownPos || (skip && tel == skipTel))
            continue;
        if (tel == wanted)
            return i;
    }
    return -1;
}

} // namespace

NewCustomerRefusal CheckNewCustomer(const RecordStore &records, const CustomerFormFields &f)
{
    if (f.Tel.isEmpty())
        return NewCustomerRefusal::TelMissing;
    if (f.NameKana.isEmpty())
        return NewCustomerRefusal::NameMissing;
    if (firstCustomerWithTel(records, f.Tel) > 0)
        return NewCustomerRefusal::DuplicateTel;
    return NewCustomerRefusal::None;
}

void ShowNewCustomerRefusal(NewCustomerRefusal refusal)
{
    switch (refusal) {
    case NewCustomerRefusal::None:
        return;
    case NewCustomerRefusal::TelMissing:
        ShowWarning(QStringLiteral("電話番号が入力されていません"), QStringLiteral("電話番号を入力して下さい。"));
        return;
    case NewCustomerRefusal::NameMissing:
        ShowWarning(QStringLiteral("ﾅﾏｴが入力されていません"), QStringLiteral("ﾅﾏｴを入力して下さい。"));
        return;
    case NewCustomerRefusal::DuplicateTel:
        ShowWarning(QStringLiteral("電話番号の重複エラー"),
                    QStringLiteral("電話番号が重複しているため、新規登録できません。"));
        return;
    }
}

CustomerRecord BuildNewCustomer(const RecordStore &records, const CustomerFormFields &fields, const QDateTime &now)
{
    CustomerRecord c;
    c.CustomerId = records.MaxCustomerId() + 1;
    ApplyCustomerFields(c, fields, false, now);
    return c;
}

CustomerSaveResult RegisterCustomer(RecordStore &records, const CustomerFormFields &fields, int &pos)
{
    const NewCustomerRefusal refusal = CheckNewCustomer(records, fields);
    if (refusal != NewCustomerRefusal::None) {
        ShowNewCustomerRefusal(refusal);
        return CustomerSaveResult::Refused;
    }
    if (!records.AddCustomer(BuildNewCustomer(records, fields, Clock::Now())))
        return CustomerSaveResult::Failed;
    pos = records.CustomerCount();
    ShowInformation(QStringLiteral("登録完了"), QStringLiteral("顧客登録が完了しました。"));
    return CustomerSaveResult::Saved;
}

bool TelTakenOnChange(const RecordStore &records, const QString &typedTel, const QString &loadedTel, int ownPos)
{
    return firstCustomerWithTel(records, typedTel, loadedTel, true, ownPos) > 0;
}

void ShowTelTakenOnChange()
{
    ShowWarning(QStringLiteral("電話番号の重複エラー"),
                QStringLiteral("重複しているため、電話番号の変更はできません。"));
}

std::optional<CustomerRecord> LoadCustomerForDetail(AppData &data, int pos)
{
    std::optional<CustomerRecord> record = data.records.ReadCustomer(pos);
    if (record)
        ExpirePoints(*record, PointRules::FromShop(data.settings.Shop), Clock::Today());
    return record;
}

QString LastEditText(double value)
{
    const QDateTime moment = FromOleDate(value);
    if (!moment.isValid())
        return {};
    const QTime t = moment.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return moment.date().toString(QStringLiteral("yyyy/MM/dd")) +
           (t.hour() < 12 ? QStringLiteral(" AM ") : QStringLiteral(" PM ")) +
           QStringLiteral("%1:%2 ").arg(hour12).arg(t.minute(), 2, 10, QLatin1Char('0'));
}

QString UseDateText(double value)
{
    const QDateTime moment = FromOleDate(value);
    if (!moment.isValid() || moment.date().year() < 1950)
        return QStringLiteral("------------");
    return moment.date().toString(QStringLiteral("yyyy/MM/dd"));
}

QString DetailCaption(const QString &name)
{
    return QStringLiteral("顧客情報 - [ ") + name + QStringLiteral(" 様]");
}
