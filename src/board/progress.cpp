#include "board/progress.h"

#include "store/helpers.h"
#include "store/oledate.h"
#include "store/recordstore.h"

int ProgressBarTwips(int status)
{
    switch (status) {
    case 1:
        return 800;
    case 2:
        return 1600;
    case 3:
        return 2600;
    case 0:
        return kProgressBoxTwips;
    default:
        return 0;
    }
}

void ApplyProgressStep(SalesRecord &sale, int step, const ProgressStaff &staff, ProgressMode mode, double now)
{
    switch (sale.Status) {
    case 1:
        sale.DepartTime = now;
        sale.DeliveryStaff = staff.departure;
        sale.Status = 2;
        break;
    case 2:
        sale.DoneTime = now;
        sale.Status = mode == ProgressMode::NoCollection ? 0 : 3;
        break;
    case 3:
        sale.CollectTime = now;
        sale.CollectStaff = staff.collection;
        sale.Status = 0;
        break;
    default:
        // Already complete: completing it "again" would overwrite the real step times.
        return;
    }
    if (step != kStepAll)
        return;
    sale.DepartTime = now;
    sale.DoneTime = now;
    sale.CollectTime = now;
    sale.DeliveryStaff = staff.departure.isEmpty() ? staff.orderTaker : staff.departure;
    sale.CollectStaff = staff.collection.isEmpty() ? staff.orderTaker : staff.collection;
    sale.Status = 0;
}

bool StepProgressBack(SalesRecord &sale, ProgressMode mode)
{
    switch (sale.Status) {
    case 0:
        sale.CollectTime = kUnsetTime;
        sale.CollectStaff.clear();
        if (mode == ProgressMode::NoCollection) {
            // Back to "departed": the delivery is undone, but the departure and the person who
            // left stay recorded, as they were before the delivery was stamped.
            sale.DoneTime = kUnsetTime;
            sale.Status = 2;
        } else {
            sale.Status = 3;
        }
        return true;
    case 3:
        sale.DoneTime = kUnsetTime;
        sale.Status = 2;
        return true;
    case 2:
        sale.DepartTime = kUnsetTime;
        sale.DeliveryStaff.clear();
        sale.Status = 1;
        return true;
    default:
        return false;
    }
}

bool CountCompletion(CustomerRecord &customer, qint16 storedStatus, qint16 newStatus, double now)
{
    if (newStatus == 0 && storedStatus != 0) {
        if (customer.UseCount == 0)
            customer.FirstUseDate = now;
        customer.LastUseDate = now;
        ++customer.UseCount;
        return true;
    }
    if (storedStatus == 0 && newStatus != 0 && customer.UseCount >= 1) {
        --customer.UseCount;
        return true;
    }
    return false;
}

bool SaveProgress(RecordStore &store, int salePos, const SalesRecord &edited, double now)
{
    const QString key = edited.OrderKey();
    int pos = salePos;
    if (pos < 1 || pos > store.SalesCount() || store.SalesIndex[size_t(pos)].OrderKey() != key)
        pos = store.FindSalePosByKey(key);
    if (pos < 1) {
        ShowErrorBox(12, QStringLiteral("売上データの更新エラー"));
        return false;
    }
    // The status on file decides whether this save completes the order or takes a completion
    // back; the index entry is kept current by every write.
    const qint16 storedStatus = store.SalesIndex[size_t(pos)].Status;
    // The order's step and the customer's count go on file together: a stop between them would
    // leave a completed order uncounted, and the next save would not count it either.
    const RecordStore::Group group(store);

    // Counting a completion whose order was not written would leave the count one ahead of the
    // completed orders, and the next save would count it again.
    if (!store.UpdateSale(pos, edited))
        return false;

    const int customerPos = store.FindCustomerPos(edited.CustomerId);
    if (customerPos < 1)
        return true;
    // Read just before the change, so a count made meanwhile by another window is kept.
    std::optional<CustomerRecord> customer = store.ReadCustomer(customerPos);
    if (!customer)
        return false;
    CountCompletion(*customer, storedStatus, edited.Status, now);
    return store.UpdateCustomer(customerPos, *customer);
}
