#pragma once
// Removing an order from the sales history.
#include <QString>

struct AppData;

// Asks (title "削除確認") and, on Yes, gives back the points the order spent and takes back those
// it earned (point service on, balance not negative), deletes the order and recounts the
// customer's use dates and count. `name` is the name the list shows for the order. True when the
// order was deleted.
bool DeleteSaleFromHistory(AppData &data, int salePos, const QString &name);
