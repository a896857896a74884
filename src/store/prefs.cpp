#include "store/prefs.h"

#include <QSettings>

#include <memory>

namespace
{

struct PrefDefaultEntry {
    const char *section;
    const char *key;
    const char *value;
};

// Every preference with a non-empty default. Keys not listed default to "".
const PrefDefaultEntry kDefaults[] = {
    {"SET", "SORT_AZ", "0"},  {"SET", "SEARCH", "0"},      {"SET", "HAITATSU", "0"}, {"SET", "MENU", "0"},
    {"SET", "ORDER", "0"},    {"SET", "PRINT", "0"},       {"SET", "NOHIN", "0"},    {"SET", "SHINKO", "0"},
    {"TIME", "START1", "0"},  {"TIME", "START2", "0"},     {"TIME", "START3", "0"},  {"TIME", "END1", "0"},
    {"TIME", "END2", "0"},    {"TIME", "END3", "0"},       {"PAPER", "UP", "23.5"},  {"PAPER", "LEFT", "7"},
    {"PAPER", "WIDTH", "64"}, {"PAPER", "HEIGHT", "33.9"}, {"PAPER", "TATE", "7"},
};

QString prefFile;
std::unique_ptr<QSettings> store;

QSettings &settings()
{
    if (!store) {
        if (prefFile.isEmpty())
            store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                QStringLiteral("SoranowaApp"), QStringLiteral("SoranowaApp"));
        else
            store = std::make_unique<QSettings>(prefFile, QSettings::IniFormat);
    }
    return *store;
}

QString fullKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString GetPref(const QString &section, const QString &key)
{
    return settings().value(fullKey(section, key)).toString();
}

void SavePref(const QString &section, const QString &key, const QString &value)
{
    settings().setValue(fullKey(section, key), value);
}

QString PrefDefault(const QString &section, const QString &key)
{
    for (const auto &d : kDefaults) {
        if (section == QLatin1String(d.section) && key == QLatin1String(d.key))
            return QString::fromLatin1(d.value);
    }
    return {};
}

QString GetPrefOrDefault(const QString &section, const QString &key)
{
    const QString value = GetPref(section, key);
    return value.isEmpty() ? PrefDefault(section, key) : value;
}

void SetPrefFile(const QString &path)
{
    if (store)
        store->sync();
    store.reset();
    prefFile = path;
}

void SyncPrefs()
{
    settings().sync();
}
