#pragma once
// The rows of the order board: today's orders and every older order whose delivery is not
// finished, in index order, with the texts the board shows.
#include <QColor>
#include <QDate>
#include <QString>

#include <vector>

class RecordStore;

// "1:注文受付", "2:出前出発", "3:容器未回収", "4:完了!" by Status 1, 2, 3, 0 ("" for other values).
QString BoardStatusText(int status);
// Row text colour: red, yellow, green, white (white for other values).
QColor BoardStatusColor(int status);
// The row icon of each status.
enum class StatusIcon {
    None,          // any other status
    Complete,      // 0
    Received,      // 1
    Departed,      // 2
    ContainersOut, // 3
};
StatusIcon BoardStatusIcon(int status);

struct BoardRow {
    QString Key;     // OrderDate followed by OrderNo: the row's hidden tag
    int SalePos = 0; // SalesIndex position when the rows were built
    int Status = 0;
    QString StatusText;
    QColor Color;
    StatusIcon Icon = StatusIcon::None;
    bool CustomerExists = false;
    QString CustomerName; // NameKana, or "削除されています"
    QString OrderTime;    // "mm/dd hh:nn"
    QString Designated;   // "mm/dd hh:nn" or "-----"
    QString Depart;       // "hh:nn" or "-----"
    QString Done;
    QString Collect;
    QString OrderStaff;

    // The seven column texts in board order.
    QString column(int index) const;
};

inline const QString kDeletedCustomerName = QStringLiteral("削除されています");
constexpr int kBoardColumns = 7;

// Reads every listed sale.
std::vector<BoardRow> BuildBoardRows(RecordStore &records, const QDate &today);
