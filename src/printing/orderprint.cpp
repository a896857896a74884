#include "printing/orderprint.h"

#include "store/appdata.h"
#include "store/storedorder.h"

std::optional<DeliveryNoteInput> LoadOrderForPrint(AppData &data, const QString &orderKey)
{
    RecordStore &r = data.records;
    for (int pos = 1; pos <= r.SalesCount(); ++pos) {
        const SalesIndexEntry &e = r.SalesIndex[size_t(pos)];
        if (e.Status == -1 || e.OrderKey() != orderKey)
            continue;
        const std::optional<StoredOrder> order = ReadStoredOrder(r, pos);
        if (!order)
            return std::nullopt;
        return DeliveryNoteInput{order->Sale, order->Customer, data.settings.Shop};
    }
    return std::nullopt;
}
