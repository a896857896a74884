#include "board/boardcommands.h"

#include "board/orderdetail.h"
#include "store/saleamounts.h"
#include "platform/prompt.h"
#include "platform/shell.h"
#include "store/appdata.h"
#include "store/preferences.h"
#include "store/storedorder.h"

bool CancelOrder(AppData &data, const QString &key, const QString &customerName)
{
    RecordStore &records = data.records;
    if (records.FindSalePosByKey(key) < 1)
        return false;
    const QString text =
        QStringLiteral("「") + customerName + QStringLiteral("」様") + QStringLiteral("の注文を取り消しますか？");
    if (!AskYesNo(QStringLiteral("注文の取消確認"), text))
        return false;

    // Read after the question: another window may have changed the order or its customer while
    // the question was open.
    std::optional<StoredOrder> order = ReadStoredOrderByKey(records, key);
    if (!order)
        return false;
    if (order->HasCustomer()) {
        const PointRules rules = PointRules::FromShop(data.settings.Shop);
        if (data.settings.Shop.PointService == QStringLiteral("1") && order->Customer.Points >= 0) {
            ReverseSpentPoints(order->Sale, order->Customer, rules);
            ReverseEarnedPoints(order->Sale, order->Customer, rules);
        }
    }
    // The deletion and the customer's reversed points and recount go on file together.
    const RecordStore::Group group(records);
    if (!records.DeleteSale(order->SalePos))
        return false;
    // Saves the customer with the reversed points and the recounted dates and count.
    if (order->HasCustomer())
        records.RecountCustomerUsage(order->CustomerPos, order->Customer);
    return true;
}

void OpenMapForZip(const QString &zip)
{
    if (zip.isEmpty()) {
        ShowWarning(QStringLiteral("表示不可能"),
                    QStringLiteral("顧客情報に郵便番号が入力されていないため、表示できません。"));
        return;
    }
    Shell().openUrl(MapUrlForZip(zip));
}

bool CheckPrintTarget(int listedRows)
{
    if (listedRows > 0)
        return true;
    ShowWarning(QStringLiteral("印刷対象の未選択"), QStringLiteral("印刷対象がありません。"));
    return false;
}

BoardSort BoardSort::FromPrefs()
{
    BoardSort s;
    const std::optional<int> column = Prefs::BoardSortColumn.get();
    if (column && *column >= 0) {
        s.Column = *column;
        s.Order = Prefs::BoardSortOrder.get();
    }
    return s;
}

void BoardSort::Click(int column)
{
    Order = column == Column ? Reversed(Order) : SortOrder::Ascending;
    Column = column;
    Prefs::BoardSortColumn.set(Column);
    Prefs::BoardSortOrder.set(Order);
}
