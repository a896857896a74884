#include "orders/ui/boardpress.h"

#include "orders/orderlines.h"
#include "orders/ui/menuboardpanel.h"
#include "orders/ui/orderlinelist.h"
#include "store/preferences.h"
#include "store/records.h"

#include <QTreeWidget>

void PressBoardButton(int k, SettingTables &tables, OrderWindowHost &host, const std::function<void()> &openDialogAdd,
                      int &boardCellNo)
{
    if (k < 1 || k > MenuBoardPanel::kButtons || MenuBoardPanel::IsEmptySlot(tables.MenuBoard[size_t(k)]))
        return;
    QTreeWidget *lines = host.OrderLines();
    // Even a press that would only raise a quantity is refused at the limit.
    if (lines->topLevelItemCount() >= kMaxLinesPerOrder) {
        ShowLineLimitWarning();
        return;
    }
    if (Prefs::QuickAddMenu.get()) {
        const MenuBoardSlot &slot = tables.MenuBoard[size_t(k)];
        OrderLineList::AddOrMerge(lines, OrderLine{slot.BoardMenuName, kNoOption, CurrencyToYen(slot.BoardPrice), 1});
        host.LinesChanged();
        return;
    }
    boardCellNo = k;
    if (openDialogAdd)
        openDialogAdd();
}
