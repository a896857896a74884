#include "sales/saledelete.h"

#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/oledate.h"
#include "store/saleamounts.h"
#include "store/storedorder.h"

bool DeleteSaleFromHistory(AppData &data, int salePos, const QString &name)
{
    RecordStore &records = data.records;
    std::optional<StoredOrder> order = ReadStoredOrder(records, salePos);
    if (!order)
        return false;
    const QString text = FormatOleDate(order->Sale.OrderTime, QStringLiteral("yyyy/MM/dd hh:mm ")) +
                         QStringLiteral("「") + name + QStringLiteral("」") +
                         QStringLiteral(" 様の売上履歴を削除しますか？");
    if (!AskYesNo(QStringLiteral("削除確認"), text, PromptIcon::Warning))
        return false;
    if (order->HasCustomer() && data.settings.Shop.PointService == QStringLiteral("1") && order->Customer.Points >= 0) {
        const PointRules rules = PointRules::FromShop(data.settings.Shop);
        ReverseSpentPoints(order->Sale, order->Customer, rules);
        ReverseEarnedPoints(order->Sale, order->Customer, rules);
    }
    if (!records.DeleteSale(order->SalePos))
        return false;
    // Writes the customer with the points given back and the recounted use dates and count.
    if (order->HasCustomer())
        records.RecountCustomerUsage(order->CustomerPos, order->Customer);
    return true;
}
