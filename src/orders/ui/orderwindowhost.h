#pragma once
// What the order-line dialog, the board panel and the change calculator need from the order
// window that opened them (order entry or order change).
#include <QString>

class QTreeWidget;

class OrderWindowHost
{
  public:
    virtual ~OrderWindowHost() = default;
    // The order lines (lsvMenu).
    virtual QTreeWidget *OrderLines() = 0;
    // After a line was added or changed: the line buttons and the confirm button are enabled and
    // the totals recomputed (RegiKeisan). The change window also sets its changed flag.
    virtual void LinesChanged() = 0;
    // Empties the search-by-reading text, which resets the candidate list.
    virtual void ClearReadingSearch() = 0;
    // The candidate picked in the candidate list (text and hidden price in whole yen); false when none.
    virtual bool PickedCandidate(QString &menuName, qint64 &price) const = 0;
    // The board cell number of the last board button pressed (0 = none).
    virtual int BoardCellNo() const = 0;
    // The text of the order total label, e.g. "¥1,280".
    virtual QString TotalText() const = 0;
};
