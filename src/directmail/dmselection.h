#pragma once
// Choosing the customers of a mailing: the target presets, the purposes, the conditions and the
// test each customer of the snapshot goes through.
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The few fields of a customer the selection looks at, taken once when the window opens.
struct DmCustomer {
    qint32 CustomerId = 0;
    QString NameKana;
    double FirstUseDate = 0;
    double LastUseDate = 0;
    qint16 UseCount = 0;
    qint16 DmFlag = 0;
};

// "全顧客", "最近利用した顧客", ... in index order (the index is what the history keeps).
const QStringList &DmTargetTexts();
// "季節の挨拶", "年賀状", ... in index order.
const QStringList &DmPurposeTexts();
// The thresholds of the use-count list, top to bottom.
const std::vector<int> &DmCountThresholds();
// The comparison texts: dates "以降" (+1) / "以前" (-1), counts "以上" (+1) / "以下" (-1).
QString DmDateComparisonText(int direction);
QString DmCountComparisonText(int direction);

struct DmDateCondition {
    bool on = false;
    QDate date;
    int direction = +1; // +1 on or after the date, -1 on or before it
};

struct DmConditions {
    bool all = true; // "すべて": every customer who accepts mail
    DmDateCondition first, last;
    bool countOn = false;
    int count = 50;
    int countDirection = +1; // +1 at least, -1 at most
};

// The conditions a target presets; the dates and the threshold are kept from `current`.
DmConditions PresetForTarget(int target, const DmConditions &current);

// A customer who declined mail never passes. A customer who never ordered (date 0) counts as
// having used the shop before every date.
bool MatchesDmConditions(const DmCustomer &customer, const DmConditions &conditions);

// Positions in `snapshot` of the customers that pass, in snapshot order.
std::vector<int> ExtractDmCustomers(const std::vector<DmCustomer> &snapshot, const DmConditions &conditions);

// The texts of a result row: "00000", the name, first and last use as "yyyy/mm/dd" ("-----"
// before 1950), the use count as "000".
QString DmUseDateText(double value);
QStringList DmResultRowTexts(const DmCustomer &customer);

// The conditions as the history shows them, aligned for a fixed-pitch font: "すべて", or first
// use, last use (each "yyyy/mm/dd以降、" or 16 blanks) and the count (" 5回以下" or nothing).
QString DmConditionText(const DmConditions &conditions);
