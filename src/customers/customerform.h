#pragma once
// The customer windows' rules without a screen: what the fields hold, how they are cleaned up
// before they reach the record, the checks of registering and saving, and the displays of the
// detail window.
#include "store/records.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct AppData;
class RecordStore;

// The editable fields as typed. Points is used by the detail window only.
struct CustomerFormFields {
    QString Tel;
    QString NameKana;
    QString Zip;
    QString City;
    QString Banchi;
    QString Building;
    QString Remarks;
    QString Points;
    int Motive = -1;   // list position, -1 = nothing chosen
    qint16 DmFlag = 0; // 0 "する", 1 "しない"
};

// The fields of a stored customer (texts trimmed as read).
CustomerFormFields FieldsOfCustomer(const CustomerRecord &customer);

// Normalisations on the way to the record.
QString NormalisedTel(const QString &tel);       // every half-width blank removed
QString NormalisedNameKana(const QString &name); // half- and full-width blanks removed
QString NormalisedZip(const QString &zip);       // every "-" removed
qint32 PointsOfText(const QString &points);      // its number, 0 when empty or not one

// The fields onto `customer`; LastEditDate becomes `now`. Points are taken only when asked,
// since the new-customer window has no points field.
void ApplyCustomerFields(CustomerRecord &customer, const CustomerFormFields &fields, bool withPoints,
                         const QDateTime &now);

// Why registering refuses the fields (checked in this order).
enum class NewCustomerRefusal { None, TelMissing, NameMissing, DuplicateTel };
NewCustomerRefusal CheckNewCustomer(const RecordStore &records, const CustomerFormFields &fields);
void ShowNewCustomerRefusal(NewCustomerRefusal refusal);
// The all-zero record with the next customer number and the fields; LastEditDate = now.
CustomerRecord BuildNewCustomer(const RecordStore &records, const CustomerFormFields &fields, const QDateTime &now);

enum class CustomerSaveResult { Saved, Refused, Failed };
// Check, build, AddCustomer, then "顧客登録が完了しました。". On success `pos` is the new customer's
// index position. A refusal shows its warning; a file failure has shown its error box.
CustomerSaveResult RegisterCustomer(RecordStore &records, const CustomerFormFields &fields, int &pos);

// The detail window's duplicate rule: another customer has the typed number, and it is not the
// number the window was opened with (customers already sharing that one do not block a save).
// The customer's own entry at `ownPos` never counts against it.
bool TelTakenOnChange(const RecordStore &records, const QString &typedTel, const QString &loadedTel, int ownPos);
void ShowTelTakenOnChange();

// The customer as the detail window opens it: read at `pos`, lapsed points expired when the
// point service is on. nullopt after the read error box.
std::optional<CustomerRecord> LoadCustomerForDetail(AppData &data, int pos);

// Displays of the detail window.
QString LastEditText(double value); // "yyyy/mm/dd AM h:mm " (12-hour clock, trailing blank)
QString UseDateText(double value);  // "yyyy/mm/dd", "------------" before 1950
QString DetailCaption(const QString &name);
