#pragma once
// Per-user preferences under the application name "SoranowaApp", section and key as text.
// A key never written reads as "", which every reader takes as the default. The windows use the
// typed values of store/preferences.h, whose defaults come from the table in store/preftable.h.
#include <QString>

QString GetPref(const QString &section, const QString &key);
void SavePref(const QString &section, const QString &key, const QString &value);
// The value, or the documented default when the stored text is empty.
QString GetPrefOrDefault(const QString &section, const QString &key);
// The documented default of a key ("" when it has none).
QString PrefDefault(const QString &section, const QString &key);
// Points the store at an INI file (tests, the headless tool); "" restores the user's store.
void SetPrefFile(const QString &path);
// Writes any pending changes to disk.
void SyncPrefs();
