#include "store/storedorder.h"

#include "store/recordstore.h"

std::optional<StoredOrder> ReadStoredOrder(RecordStore &records, int salePos)
{
    std::optional<SalesRecord> sale = records.ReadSale(salePos);
    if (!sale)
        return std::nullopt;
    StoredOrder order;
    order.Sale = *sale;
    order.SalePos = salePos;
    const int customerPos = records.FindCustomerPos(sale->CustomerId);
    if (customerPos > 0) {
        if (std::optional<CustomerRecord> customer = records.ReadCustomer(customerPos)) {
            order.Customer = *customer;
            order.CustomerPos = customerPos;
        }
    }
    return order;
}

std::optional<StoredOrder> ReadStoredOrderByKey(RecordStore &records, const QString &key)
{
    const int pos = records.FindSalePosByKey(key);
    if (pos < 1)
        return std::nullopt;
    return ReadStoredOrder(records, pos);
}
