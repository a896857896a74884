#pragma once
// The delivery note with its receipt: "Nohin" (A5 portrait) and "Nohin2" (A5 landscape, shop,
// delivery and customer copies side by side).
#include "store/records.h"
#include "store/settingtables.h"

#include <QDateTime>
#include <QString>

class PageSurface;

// Everything a delivery note prints besides the raw records, worked out once.
struct NoteFacts {
    int LineCount = 0;   // printed lines: slots up to the first with quantity 0
    qint64 QtyCount = 0; // quantities of printed lines with a price above 0
    qint64 Subtotal = 0, Tax = 0, Total = 0, Billed = 0;
    QString DiscountText; // "-300" or "0"
    qint64 PointsEarned = 0;
    bool ShowPoints = false;         // point service on and the customer's balance not negative
    QString ReceiptNo;               // "No.0115003"
    QString ChangeLine;              // suggestion line; "" when the amount is a multiple of 10,000
    QString PointNotice;             // with the line break after the first sentence
    QString PointNoticeOneBreakLess; // the same without it, for the three-copy form
    QDateTime PrintedAt;
};

NoteFacts WorkOutNote(const SalesRecord &sale, const CustomerRecord &customer, const ShopSettings &shop,
                      const QDateTime &now);

// Change suggestions for the amount billed: "1万：¥6,720  5千：¥1,720".
QString ChangeSuggestion(qint64 billed);
// "No." + month and day of the order date + the order number in three digits.
QString ReceiptNumber(const SalesRecord &sale);
// "2004年1月15日".
QString LongDate(const QDate &date);
// "18:45".
QString ShortTime(const QTime &time);

void DrawDeliveryNote(PageSurface &s, const SalesRecord &sale, const CustomerRecord &customer, const ShopSettings &shop,
                      const QDateTime &now);
void DrawDeliveryNote3(PageSurface &s, const SalesRecord &sale, const CustomerRecord &customer,
                       const ShopSettings &shop, const QDateTime &now);
