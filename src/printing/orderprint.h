#pragma once
// The delivery note of one stored order, as a reprint prints it.
#include "printing/printdocument.h"

#include <QString>

#include <optional>

struct AppData;

// The order with key "yyyymmddN" (not deleted) and its customer; nullopt when there is no such
// order. A customer no longer on file prints as an empty one.
std::optional<DeliveryNoteInput> LoadOrderForPrint(AppData &data, const QString &orderKey);
