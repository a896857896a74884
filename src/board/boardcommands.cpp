#include "board/boardcommands.h"

#include "board/orderdetail.h"
#include "orders/pricing.h"
#include "platform/prompt.h"
#include "platform/shell.h"
#include "store/appdata.h"
#include "store/preferences.h"

bool CancelOrder(AppData &data, const QString &key, const QString &customerName)
{
    RecordStore &records = data.records;
    const int pos = FindSalePosByKey(records, key);
    if (pos < 1)
        return false;
    records.CurrentSalePos = pos;
    const QString text =
        QStringLiteral("「") + customerName + QStringLiteral("」様") + QStringLiteral("の注文を取り消しますか？");
    if (!AskYesNo(QStringLiteral("注文の取消確認"), text))
        return false;

    // Both buffers are read again: a dialog may have changed them since the row was shown.
    if (!records.ReadSale(pos))
        return false;
    records.CurrentCustomerPos = records.FindCustomerPos(records.CurrentSale.CustomerId);
    if (records.CurrentCustomerPos != -1 && records.ReadCustomer(records.CurrentCustomerPos)) {
        const PointRules rules = PointRules::FromShop(data.settings.Shop);
        if (data.settings.Shop.PointService == QStringLiteral("1") && records.CurrentCustomer.Points >= 0) {
            ReverseSpentPoints(records.CurrentSale, records.CurrentCustomer, rules);
            ReverseEarnedPoints(records.CurrentSale, records.CurrentCustomer, rules);
        }
    }
    if (!records.DeleteSale())
        return false;
    // Saves the customer with the reversed points and the recounted dates and count.
    records.RecountCustomerUsage();
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

PrintKind DeliveryNoteKind()
{
    return Prefs::LandscapeNote.get() ? PrintKind::Nohin2 : PrintKind::Nohin;
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
