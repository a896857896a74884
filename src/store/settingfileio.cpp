#include "store/settingfileio.h"

#include "store/cp932.h"
#include "store/helpers.h"
#include "store/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace
{

void report(const FileMessage &failure)
{
    if (!failure.text.isEmpty())
        ShowErrorBox(failure.code, failure.text);
}

} // namespace

std::optional<QStringList> ReadSettingLines(const QString &name, const FileMessage &failure, bool *failed)
{
    *failed = false;
    if (!QFileInfo::exists(name))
        return std::nullopt;
    // A directory of that name cannot be read as a file; QFile would open it without complaint.
    std::optional<QStringList> lines;
    if (!QFileInfo(name).isDir())
        lines = ReadCp932Lines(name);
    if (!lines) {
        *failed = true;
        report(failure);
    }
    return lines;
}

std::optional<QString> ReadSettingText(const QString &name, const FileMessage &failure, bool *failed)
{
    *failed = false;
    if (!QFileInfo::exists(name))
        return std::nullopt;
    QFile file(name);
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly)) {
        *failed = true;
        report(failure);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *failed = true;
        report(failure);
        return std::nullopt;
    }
    return FromCp932(bytes);
}

bool WriteSettingLines(const QString &name, const QStringList &lines, const FileMessage &failure)
{
    if (WriteCp932Lines(name, lines))
        return true;
    report(failure);
    return false;
}

bool RemoveSettingFile(const QString &name, const FileMessage &failure)
{
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isDir() && QFile::remove(name))
        return true;
    report(failure);
    return false;
}

bool SaveSettingList(const QString &name, const QStringList &lines, bool deleteWhenEmpty, const FileMessage &failure)
{
    if (lines.isEmpty() && deleteWhenEmpty)
        return RemoveSettingFile(name, failure);
    return WriteSettingLines(name, lines, failure);
}

QStringList EntriesOf(const QStringList &oneBased)
{
    QStringList entries;
    for (qsizetype i = 1; i < oneBased.size(); ++i)
        entries << OneLine(oneBased.at(i));
    return entries;
}

QString OneLine(const QString &value)
{
    QString line = value;
    line.remove(QLatin1Char('\r'));
    line.remove(QLatin1Char('\n'));
    return line;
}

QString OneField(const QString &value)
{
    QString field = OneLine(value);
    field.remove(QLatin1Char('\t'));
    return field;
}
