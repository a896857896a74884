#pragma once
// A typed view of one preference of the table. The stored text stays what GetPref and SavePref
// see; reading falls back to the table's default when the text is empty or not of the key's type.
#include "store/preftable.h"

#include <QString>

#include <optional>
#include <type_traits>

namespace prefvalue
{
// The raw stored text ("" when never written) and its writer.
QString Text(PrefKey key);
void Store(PrefKey key, const QString &text);

QString ReadText(PrefKey key);
bool ReadFlag(PrefKey key);
int ReadChoice(PrefKey key);
qint64 ReadInteger(PrefKey key);
std::optional<int> ReadOptionalInteger(PrefKey key);
double ReadDecimal(PrefKey key);

QString FlagText(bool on);
QString DecimalText(double value);

template <typename T> inline constexpr bool kUnsupported = false;

template <typename T> consteval PrefType TypeOf()
{
    if constexpr (std::is_same_v<T, QString>)
        return PrefType::Text;
    else if constexpr (std::is_same_v<T, bool>)
        return PrefType::Flag;
    else if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>)
        return PrefType::Choice;
    else if constexpr (std::is_same_v<T, qint64>)
        return PrefType::Integer;
    else if constexpr (std::is_same_v<T, std::optional<int>>)
        return PrefType::OptionalInteger;
    else if constexpr (std::is_same_v<T, double>)
        return PrefType::Decimal;
    else
        static_assert(kUnsupported<T>, "no preference type for this C++ type");
}
} // namespace prefvalue

template <typename T> class SettingValue
{
  public:
    // Refuses at compile time a C++ type that does not fit the key's row of the table.
    consteval explicit SettingValue(PrefKey key) : m_key(key)
    {
        if (PrefEntryOf(key).type != prefvalue::TypeOf<T>())
            throw "the preference is declared with another type in the table";
    }

    PrefKey key() const { return m_key; }

    // The stored value, or the default when nothing usable is stored.
    T get() const
    {
        using namespace prefvalue;
        if constexpr (std::is_same_v<T, QString>)
            return ReadText(m_key);
        else if constexpr (std::is_same_v<T, bool>)
            return ReadFlag(m_key);
        else if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>)
            return static_cast<T>(ReadChoice(m_key));
        else if constexpr (std::is_same_v<T, qint64>)
            return ReadInteger(m_key);
        else if constexpr (std::is_same_v<T, std::optional<int>>)
            return ReadOptionalInteger(m_key);
        else
            return ReadDecimal(m_key);
    }

    // Stores the value as decimal text (flags as "0" and "1"; no value as "").
    void set(const T &value) const
    {
        using namespace prefvalue;
        if constexpr (std::is_same_v<T, QString>)
            Store(m_key, value);
        else if constexpr (std::is_same_v<T, bool>)
            Store(m_key, FlagText(value));
        else if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>)
            Store(m_key, QString::number(static_cast<int>(value)));
        else if constexpr (std::is_same_v<T, qint64>)
            Store(m_key, QString::number(value));
        else if constexpr (std::is_same_v<T, std::optional<int>>)
            Store(m_key, value ? QString::number(*value) : QString());
        else
            Store(m_key, DecimalText(value));
    }

    // True once a non-empty text is stored.
    bool isStored() const { return !prefvalue::Text(m_key).isEmpty(); }

    // Stores the default text itself, so the key no longer reads as unset.
    void storeDefault() const { prefvalue::Store(m_key, QString::fromLatin1(PrefEntryOf(m_key).defaultText)); }

  private:
    PrefKey m_key;
};
