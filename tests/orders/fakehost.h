#pragma once
// A stand-in for the order window: owns the line list and counts what the dialogs ask of it.
#include "orders/ui/orderlinelist.h"
#include "orders/ui/orderwindowhost.h"

#include <QTreeWidget>

class FakeOrderWindow : public OrderWindowHost
{
  public:
    FakeOrderWindow() { OrderLineList::Configure(&lines); }

    QTreeWidget *OrderLines() override { return &lines; }
    void LinesChanged() override { ++linesChanged; }
    void ClearReadingSearch() override { ++readingCleared; }
    bool PickedCandidate(QString &menuName, qint64 &price) const override
    {
        if (!hasPick)
            return false;
        menuName = pickName;
        price = pickPrice;
        return true;
    }
    int BoardCellNo() const override { return boardCellNo; }
    QString TotalText() const override { return totalText; }

    // Selects line `row` as the order window does before "変更(&C)".
    void selectLine(int row)
    {
        lines.clearSelection();
        lines.setCurrentItem(lines.topLevelItem(row));
        lines.topLevelItem(row)->setSelected(true);
    }
    OrderLine line(int row) const { return OrderLineList::LineOf(lines.topLevelItem(row)); }

    QTreeWidget lines;
    int linesChanged = 0;
    int readingCleared = 0;
    bool hasPick = false;
    QString pickName;
    qint64 pickPrice = 0;
    int boardCellNo = 0;
    QString totalText;
};
