#pragma once
// Running soranowa-admin as a child process, and reading the record files it leaves behind.
#include "store/records.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

struct AdminRun {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList outLines() const;
};

// Runs the tool with the arguments and waits for it (at most `timeoutMs`).
AdminRun RunAdmin(const QStringList &args, int timeoutMs = 120000);

// Every whole record of a file, in file order.
std::vector<SalesRecord> ReadSalesFile(const QString &path);
std::vector<CustomerRecord> ReadCustomerFile(const QString &path);
// Raw bytes of a file.
QByteArray ReadBytes(const QString &path);
// The lines of a CP932 setting file; fails the test when it cannot be read.
QStringList ReadSettingLines(const QString &path);

// Items subtotal of an order in yen.
qint64 ItemsSubtotal(const SalesRecord &sale);
// True when every character is half-width katakana (including the sound marks).
bool IsHalfWidthKatakana(const QString &text);

// The point service of a shop as its "Shop.snw" states it (lines 11 to 15).
struct PointRules {
    int yenUnit = 0, perUnit = 0, step = 0, stepYen = 0, validMonths = 0;
};
PointRules ReadPointRules(const QString &shopFile);

// Replays the point ledger over the live orders in file order: points lapse when the previous
// order is more than the valid months back, spent points come off, earned points go on.
// Returns the balance per customer id; `lapses` counts balances above 0 that lapsed.
// Fails the test when an order spends more points than the customer held.
std::map<qint32, qint32> ReplayPoints(const std::vector<SalesRecord> &sales, const PointRules &rules,
                                      int *lapses = nullptr);
