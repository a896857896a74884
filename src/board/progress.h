#pragma once
// The delivery steps of an order: how Status, the three step times and the two staff names
// change when a step is recorded or taken back, and how the customer's completed-order count
// and use dates follow the order's completion.
//
// Status: 1 received, 2 departed, 3 delivered with containers still out, 0 complete.
#include "store/progressmode.h"
#include "store/records.h"

#include <QString>

class RecordStore;

// Step numbers of the dialog's buttons: 1 departure, 2 delivery done, 3 containers collected,
// and kStepAll for "complete everything now".
constexpr int kStepAll = 0;

// Nominal height of the progress indicator in twips, and the bar height for a status.
constexpr int kProgressBoxTwips = 3400;
int ProgressBarTwips(int status);

// The names the step buttons record.
struct ProgressStaff {
    QString departure;  // chosen for the departure step (also the one who delivers)
    QString collection; // chosen for the container collection
    QString orderTaker; // stands in for an empty choice when everything is completed at once
};

// Performs the step of the order's current status; kStepAll then stamps every time with
// `now`, records both names and completes the order. A complete order is left alone.
void ApplyProgressStep(SalesRecord &sale, int step, const ProgressStaff &staff, ProgressMode mode, double now);

// Takes back the last step. Returns false at status 1 (nothing to take back).
bool StepProgressBack(SalesRecord &sale, ProgressMode mode);

// The customer's side of a save: a newly completed order counts one use (and stamps the use
// dates), a completion taken back is uncounted (never below 0). Returns true if anything changed.
bool CountCompletion(CustomerRecord &customer, qint16 storedStatus, qint16 newStatus, double now);

// Stores the edited order over the stored one at `salePos` (found again by its key when the
// position no longer holds it) and, once the order is written, the customer's count and dates.
// The customer is read from the file just before, so a copy held elsewhere cannot double a
// count. False when a write failed (its error box has been shown).
bool SaveProgress(RecordStore &store, int salePos, const SalesRecord &edited, double now);
