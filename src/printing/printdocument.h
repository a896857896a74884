#pragma once
// What the page mechanism prints: the print kind, the page counters the drawings set, and the
// inputs each drawing reads. One instance is filled by the caller before it previews or prints.
#include "store/records.h"
#include "store/settingtables.h"
#include "printing/printkind.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class PageSurface;

// A delivery note prints one order for its customer with the shop's data.
struct DeliveryNoteInput {
    SalesRecord Sale;
    CustomerRecord Customer; // empty when the customer is no longer on file
    ShopSettings Shop;
};

// The item list and summary list of the sales-totals window, as shown there.
struct TotalsSheetInput {
    QString Caption;
    std::vector<QStringList> Items;   // name, quantity, unit price, amount
    std::vector<QStringList> Summary; // eight columns per row
};

// The staff list of the staff-collection window, as shown there.
struct CollectionSheetInput {
    QString Caption;
    std::vector<QStringList> Rows;        // staff name, count, amount with tax, discount, collected
    QString Ken, Total, TotalWari, Money; // the four total labels
};

struct PrintDocument {
    ::PrintKind PrintKind = ::PrintKind::None;
    qint16 PageCount = 0;
    qint16 CurrentPage = 0;

    std::optional<DeliveryNoteInput> Note; // the delivery notes
    TotalsSheetInput Totals;
    CollectionSheetInput Collection;
    // Address labels are drawn by the direct-mail window: draws `page` and returns the page count.
    std::function<int(PageSurface &surface, int page)> DrawLabels;
};

// Sheet sizes in millimetres by print kind. The preview and the printer differ for "SS".
QSizeF PreviewSheetSize(PrintKind kind);
QSizeF PrinterSheetSize(PrintKind kind);
QString PaperLabel(PrintKind kind);
// Display size at 100 % in twips (56.7 twips per millimetre).
QSizeF DisplayBaseTwips(PrintKind kind);
constexpr double kTwipsPerMm = 56.7;
