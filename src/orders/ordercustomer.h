#pragma once
// The customer side of the order window: finding the caller, loading a customer, registering
// or changing one from the window's fields, and the shared take-out customer.
#include "store/records.h"

#include <QString>

#include <optional>

struct AppData;
class RecordStore;

// The customer an order window works on and its CustomerIndex position. The window holds it;
// every write reads the customer again by its id first.
struct OrderCustomer {
    CustomerRecord Record;
    int Pos = -1;
};

// The section-2 fields of the order window as texts (motive: list position, -1 = none).
struct OrderCustomerFields {
    QString Tel;
    QString NameKana;
    QString Zip;
    QString City;
    QString Banchi;
    QString Building;
    QString Remarks;
    int Motive = -1;
};

// The fields shown for a loaded customer (texts trimmed as read).
OrderCustomerFields FieldsOf(const CustomerRecord &customer);

// The phone number of the customer check: not empty, no "-" and a number. Shows "数字以外は入力できません。"
// and returns false otherwise.
bool AcceptCallerTel(const QString &tel);

enum class CallerKind {
    Known,     // a customer with this number exists and has been loaded
    PhoneBook, // only the phone book has the number: name, postal code and address are offered
    Unknown,   // neither has it
};
struct CallerLookup {
    CallerKind Kind = CallerKind::Unknown;
    OrderCustomer Customer; // Known: the customer as loaded
    // Known: the customer's fields; PhoneBook: Tel, NameKana, Zip and City from the entry;
    // Unknown: only Tel.
    OrderCustomerFields Fields;
};
// Looks the number up exactly as typed, first among the customers, then in the phone book.
// A known customer is loaded (LoadOrderCustomer). A read failure has shown its error box and
// counts as not found.
CallerLookup LookUpCaller(AppData &data, const QString &tel);

// Reads the customer at a CustomerIndex position; lapsed points expire (in memory) when the
// point service is on.
std::optional<OrderCustomer> LoadOrderCustomer(AppData &data, int pos);
// The held customer read again by its id (it may have moved in the index or been changed by
// another window). nullopt when it is no longer on file (nothing shown) or cannot be read.
std::optional<OrderCustomer> ReloadOrderCustomer(AppData &data, const CustomerRecord &held);

// A customer record from the fields. New: an all-zero record with CustomerId =
// MaxCustomerId + 1 and DmFlag 0. Change: `base` keeps everything else.
// Tel loses its blanks, Zip its "-"; LastEditDate = now.
enum class CustomerBuild { New, Change };
CustomerRecord BuildOrderCustomer(const RecordStore &records, CustomerBuild mode, const OrderCustomerFields &fields,
                                  const CustomerRecord &base = CustomerRecord());

// Why "顧客新規登録(&N)" or "登録内容変更(&H)" refuses the fields.
enum class CustomerRefusal { None, NameMissing, TelMissing, DuplicateOnNew, DuplicateOnChange };
CustomerRefusal CheckNewOrderCustomer(const RecordStore &records, const OrderCustomerFields &fields);
// Another customer (any position other than `ownPos`) with the same number refuses.
CustomerRefusal CheckChangedOrderCustomer(const RecordStore &records, const OrderCustomerFields &fields, int ownPos);
// The warning of a refusal (nothing for None).
void ShowCustomerRefusal(CustomerRefusal refusal);

enum class CustomerSave { Saved, Refused, Failed };
// cmdNew: check, build as New, AddCustomer, "顧客登録が完了しました。"; `held` becomes the new
// customer. Refused: its warning was shown and nothing changed. Failed: the record file refused
// and showed its error box; the customer is not on file, so the order window must not take
// orders for it.
CustomerSave RegisterOrderCustomer(AppData &data, const OrderCustomerFields &fields, OrderCustomer &held);
// cmdChange: check, the held customer read again and built as Change, UpdateCustomer,
// "登録内容の変更が完了しました。"; `held` becomes what was written.
CustomerSave ChangeOrderCustomer(AppData &data, const OrderCustomerFields &fields, OrderCustomer &held);

// The shared take-out customer: phone "000", name "ｵﾓﾁｶｴﾘ", postal code "0000000",
// city "店頭お持帰り".
OrderCustomerFields TakeOutFields();
// Loads the take-out customer, or adds it (no direct mail) on first use. nullopt when it could
// not be read or added (the error box shown).
std::optional<OrderCustomer> UseTakeOutCustomer(AppData &data);
