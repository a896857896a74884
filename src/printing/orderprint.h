#pragma once
// Filling the shared buffers with one stored order and its customer, as a reprint does.
#include <QString>

struct AppData;

// Reads the order with key "yyyymmddN" (not deleted) into CurrentSale and its customer into
// CurrentCustomer. False when there is no such order; a missing customer leaves an empty one.
bool LoadOrderForPrint(AppData &data, const QString &orderKey);
