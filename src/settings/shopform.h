#pragma once
// The input rules of the shop settings window, apart from its widgets: which values a field
// accepts when it is left, and what OK and apply refuse before anything is saved.
#include "store/settingtables.h"

#include <QString>
#include <QStringList>

#include <array>

namespace ShopForm
{

inline constexpr int kPointFieldCount = 5;
// The largest value a point list accepts; point amounts above it make no sense for a shop.
inline constexpr double kPointMaximum = 30000;

inline const QString kInputErrorTitle = QStringLiteral("入力エラー");
inline const QString kMissingSuffix = QStringLiteral("を入力して下さい。");
inline const QString kOutOfRangeTitle = QStringLiteral("入力値が不適当です");
inline const QString kOutOfRangeText = QStringLiteral("０及びマイナスの値は入力できません。");
inline const QString kPointIncompleteTitle = QStringLiteral("未入力箇所があります");
inline const QString kPointIncompleteText = QStringLiteral("ポイントサービスのサービス内容はもれなく入力して下さい。");
// Lines of the missing-fields message are joined the way the message boxes of the program
// have always been written.
inline const QString kLineBreak = QStringLiteral("\r\n");

// The suggested values of point list 0..4 (yen per unit, points per unit, points per step,
// yen per step, months of validity).
const QStringList &PointListValues(int field);
// The five point values of the table in list order.
std::array<QString, kPointFieldCount> PointValues(const ShopSettings &values);

// A number as the staff may type it: optional sign, digits (thousands separators allowed),
// optional decimal part; blanks around it are ignored. The empty text is not a number.
bool IsNumberText(const QString &text);

enum class FieldCheck { Accepted, NotNumeric, OutOfRange };
// Postal code, telephone parts and tax: empty, or a number without any "-" (none of them can
// be negative, and a hyphenated postal code or phone number belongs split or without hyphen).
FieldCheck CheckDigitsField(const QString &text);
// Point lists: empty, or a number greater than 0 and at most 30000.
FieldCheck CheckPointField(const QString &text);
// Shows the warning that belongs to a refused value; true when the value was accepted.
bool ReportFieldCheck(FieldCheck result);

// The message listing the required fields that are empty ("・店舗名" ... "を入力して下さい。"),
// or the empty text when all are filled. The telephone counts once when any part is empty.
QString MissingFieldsText(const ShopSettings &values);
// With the point service on, the first point value (0..4) that is empty or "0"; otherwise -1.
int FirstIncompletePointField(const ShopSettings &values);
// With the point service on, the first point value (0..4) the service cannot count with: one
// that is not a whole number of at least 1 (such as 0.5 or 1.5); otherwise -1.
int FirstUnusablePointField(const ShopSettings &values);
// The checks of OK and apply in their order: required fields, then the point rules when the
// service is on ("1"): every value given, then every value usable. Shows the refusal and returns
// false; true when the values may be saved.
bool ConfirmShopInput(const ShopSettings &values);

} // namespace ShopForm
