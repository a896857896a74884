#include "store/prefs.h"
#include "store/preftable.h"

#include <QSettings>

#include <memory>

namespace
{

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
    for (const PrefEntry &e : PrefTable()) {
        if (section == QLatin1String(e.section) && key == QLatin1String(e.key))
            return QString::fromLatin1(e.defaultText);
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
