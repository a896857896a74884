#pragma once
// What the sales and customer charts share: the table handed to the chart component, the side
// table beside it, the order of the slices and the texts of amounts, counts and shares.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

// A drawing as the chart component takes it: series (columns) by categories (rows).
struct ChartTable {
    bool Pie = false;
    QStringList Series;
    QStringList Categories;
    std::vector<std::vector<double>> Values; // [series][category]
};

struct ChartSideRow {
    QString Label;
    QStringList Cells;
};

struct ChartSide {
    QStringList Headings;
    std::vector<ChartSideRow> Rows;
};

struct ChartDrawing {
    ChartTable Table;
    ChartSide Side;
};

// A slice of a pie before it is named: its key (postal code, motive, item), its figures.
struct ChartGroup {
    QString Key;
    qint64 Amount = 0; // the figure slices are ordered and sized by
    qint64 Count = 0;  // the second figure (quantity or number of orders); unused by head counts
    bool Rest = false; // the folded "その他" slice
};

// Largest first by exchange: for each position, every later group with a larger amount is
// swapped into it. Equal amounts are never swapped, so the first met stays first.
void ChartExchangeSort(std::vector<ChartGroup> &groups);
// More than eight groups: the first seven stay and the eighth becomes "その他" with the totals
// minus those seven.
void ChartFoldRest(std::vector<ChartGroup> &groups, qint64 totalAmount, qint64 totalCount);

// Share texts with one decimal and a percent sign. "###.0%" prints no digit before the point
// below 1 % (".5%"); "##0.0%" does ("0.5%"). A share of nothing is 0.
QString ChartShareHash(qint64 part, qint64 whole);
QString ChartShareZero(qint64 part, qint64 whole);
// "#,##0".
QString ChartCount(qint64 n);
// "\#,###,##0" with the yen sign.
QString ChartYen(qint64 yen);

inline const QString kChartRest = QStringLiteral("その他");
inline const QString kChartUnwritten = QStringLiteral("未記入");
inline const QString kChartUnknownArea = QStringLiteral("不明");
