#include "printing/orderprint.h"

#include "store/appdata.h"

bool LoadOrderForPrint(AppData &data, const QString &orderKey)
{
    RecordStore &r = data.records;
    for (int pos = 1; pos <= r.SalesCount(); ++pos) {
        const SalesIndexEntry &e = r.SalesIndex[size_t(pos)];
        if (e.Status == -1 || e.OrderKey() != orderKey)
            continue;
        if (!r.ReadSale(pos))
            return false;
        r.CurrentSalePos = pos;
        const int customerPos = r.FindCustomerPos(r.CurrentSale.CustomerId);
        if (customerPos < 1 || !r.ReadCustomer(customerPos))
            r.CurrentCustomer = CustomerRecord();
        else
            r.CurrentCustomerPos = customerPos;
        return true;
    }
    return false;
}
