#pragma once
// Numbers as the setting files and the numeric boxes hold them: an optional sign, digits with
// optional thousands separators, an optional decimal part, surrounding blanks allowed.
#include <QString>

#include <optional>

// True when the text is such a number (the empty text is not).
bool IsNumberText(const QString &text);
// The number as currency (x 10000, fractions beyond 1/10000 rounded half away from zero);
// nullopt when the text is not a number or does not fit.
std::optional<qint64> ParseCurrencyText(const QString &text);
// The number when the text is a whole number ("1,000" and "12.0" are); nullopt otherwise.
std::optional<qint64> WholeNumberOf(const QString &text);
// Currency as a plain decimal number of yen: "1234", "-300", "12.5" (no separators).
QString CurrencyPlainText(qint64 currency);
