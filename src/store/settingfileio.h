#pragma once
// Reading and writing one setting file with the error box of its loader or writer.
// Shared by the setting-file loaders and writers only.
#include <QString>
#include <QStringList>

#include <optional>

struct FileMessage {
    int code;
    QString text;
};

// The file's lines. nullopt when the file does not exist (not an error) or could not be read
// (then `failure` is shown and `failed` set).
std::optional<QStringList> ReadSettingLines(const QString &name, const FileMessage &failure, bool *failed);
// The file's whole text, decoded from CP932; same rules as ReadSettingLines.
std::optional<QString> ReadSettingText(const QString &name, const FileMessage &failure, bool *failed);

// Replaces the file with the lines; on failure the old file stays and `failure` is shown
// (when it has a text; files whose callers report the failure pass an empty text).
bool WriteSettingLines(const QString &name, const QStringList &lines, const FileMessage &failure);
// Deletes the file when it exists; a file that cannot be deleted shows `failure`.
bool RemoveSettingFile(const QString &name, const FileMessage &failure);
// WriteSettingLines, or RemoveSettingFile when `lines` is empty and `deleteWhenEmpty` is set.
bool SaveSettingList(const QString &name, const QStringList &lines, bool deleteWhenEmpty, const FileMessage &failure);

// A value as one line of a line-per-entry file: line ends removed, since they would shift every
// following line (a pasted or imported text may hold them).
QString OneLine(const QString &value);
// A value as one TAB-separated field of such a line: line ends and TABs removed.
QString OneField(const QString &value);

// The entries 1..n of a 1-based list (element 0 is the unused placeholder), each as one line.
QStringList EntriesOf(const QStringList &oneBased);
