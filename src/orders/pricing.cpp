#include "orders/pricing.h"

#include "platform/prompt.h"
#include "store/helpers.h"

#include <QLocale>

#include <cmath>

ServiceDiscountCheck CheckServiceDiscount(const QString &text)
{
    if (text.isEmpty())
        return ServiceDiscountCheck::Ok;
    if (!IsNumericInput(text))
        return ServiceDiscountCheck::NotNumeric;
    const double v = AmountNumber(text);
    if (v > 0)
        return ServiceDiscountCheck::NotNegative;
    if (std::fabs(v) > 30000)
        return ServiceDiscountCheck::TooLarge;
    return ServiceDiscountCheck::Ok;
}

void ShowServiceDiscountWarning(ServiceDiscountCheck result)
{
    switch (result) {
    case ServiceDiscountCheck::Ok:
        break;
    case ServiceDiscountCheck::NotNumeric:
        ShowNotNumericWarning();
        break;
    case ServiceDiscountCheck::NotNegative:
        ShowWarning(QStringLiteral("マイナスで入力して下さい"), QStringLiteral("マイナスを付けて入力して下さい。"));
        break;
    case ServiceDiscountCheck::TooLarge:
        ShowWarning(QStringLiteral("不正な値"), QStringLiteral("割引額を確認して下さい。"));
        break;
    }
}

QStringList ServiceDiscountChoices()
{
    return {QStringLiteral("-50"),  QStringLiteral("-60"),  QStringLiteral("-80"),  QStringLiteral("-100"),
            QStringLiteral("-150"), QStringLiteral("-200"), QStringLiteral("-250"), QStringLiteral("-300"),
            QStringLiteral("-350"), QStringLiteral("-400"), QStringLiteral("-450"), QStringLiteral("-500")};
}

bool PointDiscountAvailable(int lineCount, const PointRules &rules, qint32 points)
{
    return lineCount > 0 && rules.usable && points >= 0 && double(points) >= rules.Step;
}

qint64 PointsToRedeem(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules)
{
    if (!rules.usable || points < 0)
        return 0;
    const qint64 blocks = qint64(points) / qint64(rules.Step);
    qint64 amount = 0;
    for (const OrderLine &line : lines)
        amount += line.Amount();
    if (blocks <= 0)
        return 0;
    if (double(amount) > rules.StepYen * double(blocks))
        return RoundHalfEven(rules.Step * double(blocks));
    const qint64 coveredBlocks = amount / qint64(rules.StepYen);
    return RoundHalfEven(rules.Step * double(std::max<qint64>(0, coveredBlocks)));
}

qint64 PointDiscountYen(const std::vector<OrderLine> &lines, qint32 points, const PointRules &rules)
{
    if (!rules.usable)
        return 0;
    const qint64 redeem = PointsToRedeem(lines, points, rules);
    return RoundHalfEven(rules.StepYen * (double(redeem) / rules.Step));
}

void ShowNoPointsWarning(qint32 points)
{
    ShowWarning(QStringLiteral("割引できません"),
                QStringLiteral("ポイントが貯まっていません。\r\n\r\n現在のポイント：") + QString::number(points));
}

DiscountConfirmCheck CheckDiscountsAtConfirm(bool serviceTicked, const QString &serviceText, bool pointOn,
                                             qint64 pointDiscountYen, qint64 subtotal)
{
    if (serviceTicked && serviceText.trimmed().isEmpty())
        return DiscountConfirmCheck::ServiceMissing;
    const qint64 service = serviceTicked ? qint64(AmountNumber(serviceText)) : 0;
    const qint64 point = pointOn ? -pointDiscountYen : 0;
    if (subtotal + service + point < 0)
        return DiscountConfirmCheck::TooLarge;
    return DiscountConfirmCheck::Ok;
}

void ShowDiscountConfirmWarning(DiscountConfirmCheck result)
{
    if (result == DiscountConfirmCheck::ServiceMissing)
        ShowWarning(QStringLiteral("割引額が未入力"), QStringLiteral("割引額を入力して下さい。"));
    else if (result == DiscountConfirmCheck::TooLarge)
        ShowWarning(QStringLiteral("割引額が不適切です"),
                    QStringLiteral("割引額が注文代金より大きいため、登録できません。\r\n割引額を減らして下さい。"));
}
