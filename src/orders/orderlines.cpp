#include "orders/orderlines.h"

#include "platform/prompt.h"

#include <QStringList>

QString LineText(const QString &menuName, const QString &option)
{
    if (option.isEmpty() || option == kNoOption)
        return menuName;
    return menuName + QStringLiteral("（") + option + QStringLiteral("）");
}

QString LineText(const OrderLine &line)
{
    return LineText(line.MenuName, line.Option);
}

QString LineValues(const OrderLine &line)
{
    return QStringList{line.MenuName, line.Option, QString::number(line.UnitPrice), QString::number(line.Qty)}.join(
        QLatin1Char('\t'));
}

OrderLine ParseLineValues(const QString &values)
{
    const QStringList parts = values.split(QLatin1Char('\t'));
    OrderLine line;
    line.MenuName = parts.value(0);
    line.Option = parts.value(1);
    line.UnitPrice = parts.value(2).toLongLong();
    line.Qty = parts.value(3).toLongLong();
    return line;
}

void ShowLineLimitWarning()
{
    ShowWarning(QStringLiteral("注文商品の上限に達しています"), QStringLiteral("20品目以上は登録できません。"));
}
