#pragma once
// What the board shows for the selected order: its lines with the discount rows, the totals,
// and the customer panel.
#include "store/records.h"
#include "store/storedorder.h"

#include <QString>

#include <optional>
#include <vector>

class RecordStore;

struct DetailRow {
    QString Text; // item name, with "（option）" unless the option is "（なし）"
    QString Qty;
    QString Price; // "¥###,###"
};

struct OrderDetail {
    std::vector<DetailRow> Rows; // order lines, then "サービス割引" and "ポイント割引" when used
    qint64 ItemCount = 0;
    qint64 Amount = 0; // sum of the lines; the discount rows are not subtracted
    QString ItemCountText;
    QString AmountText;
};

// The detail of a sale (lines 1..20 up to the first empty name).
OrderDetail BuildOrderDetail(const SalesRecord &sale);

struct CustomerPanel {
    bool Exists = false;
    QString Name; // NameKana, or "削除されています"
    QString Address;
    QString Building;
    QString Tel;
    QString Zip;
    QString OrderStaff;
    QString DeliverTo;       // "住所と同じ" when the order names no other place
    bool MapEnabled = false; // a postal code other than "" and "0000000"
};

// The panel of an order; `customer` is nullptr when the customer no longer exists.
CustomerPanel BuildCustomerPanel(const SalesRecord &sale, const CustomerRecord *customer);

struct OrderView {
    std::optional<StoredOrder> Order; // nullopt when the order is not listed or cannot be read
    OrderDetail Detail;
    CustomerPanel Panel;
};

// Reads the order with this key and its customer, and what the board shows of them.
OrderView ShowOrderDetail(RecordStore &records, const QString &key);
