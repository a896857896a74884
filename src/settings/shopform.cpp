#include "settings/shopform.h"

#include "platform/prompt.h"
#include "store/helpers.h"
#include "store/numbertext.h"

namespace ShopForm
{

const QStringList &PointListValues(int field)
{
    static const std::array<QStringList, kPointFieldCount> lists = {
        QStringList{"100", "200", "300", "500", "1000", "2000", "3000", "5000", "10000"},
        QStringList{"1", "2", "3", "5", "10", "20", "30", "50", "100", "200", "300", "500", "1000", "2000"},
        QStringList{"10", "20", "30", "50", "100", "200", "300", "500", "1000", "2000", "3000", "5000"},
        QStringList{"10", "20", "30", "50", "100", "200", "300", "500", "1000", "2000", "3000", "5000"},
        QStringList{"1", "2", "3", "6", "12"},
    };
    static const QStringList none;
    return field >= 0 && field < kPointFieldCount ? lists[field] : none;
}

std::array<QString, kPointFieldCount> PointValues(const ShopSettings &values)
{
    return {values.PointYenUnit, values.PointsPerUnit, values.PointStep, values.PointStepYen, values.PointValidMonths};
}

bool IsNumberText(const QString &text)
{
    return ::IsNumberText(text);
}

static double NumberValue(const QString &text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char(','));
    return plain.toDouble();
}

FieldCheck CheckDigitsField(const QString &text)
{
    // The rule of every phone box: a number, and no "-".
    return IsPhoneInput(text) ? FieldCheck::Accepted : FieldCheck::NotNumeric;
}

FieldCheck CheckPointField(const QString &text)
{
    if (text.isEmpty())
        return FieldCheck::Accepted;
    if (!IsNumericInput(text))
        return FieldCheck::NotNumeric;
    const double value = NumberValue(text);
    if (value <= 0 || value > kPointMaximum)
        return FieldCheck::OutOfRange;
    return FieldCheck::Accepted;
}

bool ReportFieldCheck(FieldCheck result)
{
    switch (result) {
    case FieldCheck::Accepted:
        return true;
    case FieldCheck::NotNumeric:
        ShowWarning(kNotNumericTitle, kNotNumericText);
        return false;
    case FieldCheck::OutOfRange:
        ShowWarning(kOutOfRangeTitle, kOutOfRangeText);
        return false;
    }
    return false;
}

QString MissingFieldsText(const ShopSettings &values)
{
    QString lines;
    const auto require = [&lines](bool missing, const char *caption) {
        if (missing)
            lines += QString::fromUtf8(caption) + kLineBreak;
    };
    require(values.ShopName.isEmpty(), "・店舗名");
    require(values.ShopZip.isEmpty(), "・郵便番号");
    require(values.ShopAddress.isEmpty(), "・住所");
    require(values.ShopTel[0].isEmpty() || values.ShopTel[1].isEmpty() || values.ShopTel[2].isEmpty(), "・電話番号");
    require(values.TaxRate.isEmpty(), "・消費税");
    return lines.isEmpty() ? QString() : lines + kMissingSuffix;
}

int FirstIncompletePointField(const ShopSettings &values)
{
    if (values.PointService != QLatin1String("1"))
        return -1;
    const auto points = PointValues(values);
    for (int i = 0; i < kPointFieldCount; ++i) {
        if (points[i].isEmpty() || points[i] == QLatin1String("0"))
            return i;
    }
    return -1;
}

int FirstUnusablePointField(const ShopSettings &values)
{
    if (values.PointService != QLatin1String("1"))
        return -1;
    const auto points = PointValues(values);
    for (int i = 0; i < kPointFieldCount; ++i) {
        const std::optional<qint64> n = WholeNumberOf(points[i]);
        if (!n || *n < 1 || *n > kPointMaximum)
            return i;
    }
    return -1;
}

bool ConfirmShopInput(const ShopSettings &values)
{
    const QString missing = MissingFieldsText(values);
    if (!missing.isEmpty()) {
        ShowWarning(kInputErrorTitle, missing);
        return false;
    }
    if (FirstIncompletePointField(values) >= 0) {
        ShowWarning(kPointIncompleteTitle, kPointIncompleteText);
        return false;
    }
    if (FirstUnusablePointField(values) >= 0) {
        ShowWarning(kOutOfRangeTitle, kOutOfRangeText);
        return false;
    }
    return true;
}

} // namespace ShopForm
