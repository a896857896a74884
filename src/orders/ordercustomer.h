#pragma once
// The customer side of the order window: finding the caller, loading a customer, registering
// or changing one from the window's fields, and the shared take-out customer.
#include "store/records.h"

#include <QString>

struct AppData;
class RecordStore;

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
    int CustomerPos = -1; // Known: the CustomerIndex position
    // Known: the customer's fields; PhoneBook: Tel, NameKana, Zip and City from the entry;
    // Unknown: only Tel.
    OrderCustomerFields Fields;
};
// Looks the number up exactly as typed, first among the customers, then in the phone book.
// A known customer is loaded into CurrentCustomer (LoadOrderCustomer). A read failure has shown
// its error box and counts as not found.
CallerLookup LookUpCaller(AppData &data, const QString &tel);

// Loads the customer at a CustomerIndex position into CurrentCustomer and sets
// CurrentCustomerPos; lapsed points expire when the point service is on.
bool LoadOrderCustomer(AppData &data, int pos);

// Builds CurrentCustomer from the fields. New: an all-zero record with CustomerId =
// MaxCustomerId + 1 and DmFlag 0. Change: the loaded record keeps everything else.
// Tel loses its blanks, Zip its "-"; LastEditDate = now.
enum class CustomerBuild { New, Change };
void BuildOrderCustomer(RecordStore &records, CustomerBuild mode, const OrderCustomerFields &fields);

// Why "顧客新規登録(&N)" or "登録内容変更(&H)" refuses the fields.
enum class CustomerRefusal { None, NameMissing, TelMissing, DuplicateOnNew, DuplicateOnChange };
CustomerRefusal CheckNewOrderCustomer(const RecordStore &records, const OrderCustomerFields &fields);
// Another customer (any position other than CurrentCustomerPos) with the same number refuses.
CustomerRefusal CheckChangedOrderCustomer(const RecordStore &records, const OrderCustomerFields &fields);
// The warning of a refusal (nothing for None).
void ShowCustomerRefusal(CustomerRefusal refusal);

enum class CustomerSave { Saved, Refused, Failed };
// cmdNew: check, build as New, AddCustomer, "顧客登録が完了しました。". Refused: its warning
// was shown and nothing changed. Failed: the record file refused and showed its error box; the
// customer is not on file, so the order window must not take orders for it.
CustomerSave RegisterOrderCustomer(AppData &data, const OrderCustomerFields &fields);
// cmdChange: check, build as Change, UpdateCustomer, "登録内容の変更が完了しました。".
CustomerSave ChangeOrderCustomer(AppData &data, const OrderCustomerFields &fields);

// The shared take-out customer: phone "000", name "ｵﾓﾁｶｴﾘ", postal code "0000000",
// city "店頭お持帰り".
OrderCustomerFields TakeOutFields();
// Loads the take-out customer, or adds it (no direct mail) on first use. True when
// CurrentCustomer holds it and it is on file.
bool UseTakeOutCustomer(AppData &data);
