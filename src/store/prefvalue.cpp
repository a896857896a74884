#include "store/prefs.h"
#include "store/settingvalue.h"

#include <QLocale>

namespace prefvalue
{
namespace
{

QString Section(PrefKey key)
{
    return QString::fromLatin1(PrefEntryOf(key).section);
}

QString Key(PrefKey key)
{
    return QString::fromLatin1(PrefEntryOf(key).key);
}

QString DefaultText(PrefKey key)
{
    return QString::fromLatin1(PrefEntryOf(key).defaultText);
}

// The index whose decimal text is exactly `text`; anything else (" 1", "01", "9") is no choice.
std::optional<int> ChoiceOf(const QString &text, int choices)
{
    for (int i = 0; i < choices; ++i) {
        if (text == QString::number(i))
            return i;
    }
    return std::nullopt;
}

} // namespace

QString Text(PrefKey key)
{
    return GetPref(Section(key), Key(key));
}

void Store(PrefKey key, const QString &text)
{
    SavePref(Section(key), Key(key), text);
}

QString ReadText(PrefKey key)
{
    const QString text = Text(key);
    return text.isEmpty() ? DefaultText(key) : text;
}

bool ReadFlag(PrefKey key)
{
    const QString text = ReadText(key);
    return !text.isEmpty() && text != QLatin1String("0");
}

int ReadChoice(PrefKey key)
{
    const int choices = PrefEntryOf(key).choices;
    if (const std::optional<int> stored = ChoiceOf(Text(key), choices))
        return *stored;
    return ChoiceOf(DefaultText(key), choices).value_or(0);
}

qint64 ReadInteger(PrefKey key)
{
    bool ok = false;
    const qint64 stored = Text(key).toLongLong(&ok);
    return ok ? stored : DefaultText(key).toLongLong();
}

std::optional<int> ReadOptionalInteger(PrefKey key)
{
    bool ok = false;
    int value = Text(key).toInt(&ok);
    if (ok)
        return value;
    value = DefaultText(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

double ReadDecimal(PrefKey key)
{
    bool ok = false;
    const double stored = Text(key).toDouble(&ok);
    return ok ? stored : DefaultText(key).toDouble();
}

QString FlagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString DecimalText(double value)
{
    // "33.9" stays "33.9", not "33.899999999999999".
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace prefvalue
