#include "store/helpers.h"
#include "store/specialfolder.h"

#include <QHash>
#include <QStandardPaths>

namespace
{
QHash<int, QString> &Overrides()
{
    static QHash<int, QString> overrides;
    return overrides;
}
} // namespace

void SetSpecialFolderOverride(int folderId, const QString &path)
{
    if (path.isEmpty())
        Overrides().remove(folderId);
    else
        Overrides().insert(folderId, path);
}

QString QuoteIfNeeded(const QString &text)
{
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char(' ')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

QString WithTrailingSlash(const QString &path)
{
    QString out = path;
    while (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    if (!out.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return out;
}

QString SpecialFolderPath(int folderId)
{
    if (const auto found = Overrides().constFind(folderId); found != Overrides().constEnd())
        return *found;
    QStandardPaths::StandardLocation location;
    switch (folderId) {
    case 0:
        location = QStandardPaths::DesktopLocation;
        break;
    case 5:
        location = QStandardPaths::DocumentsLocation;
        break;
    default:
        return {};
    }
    return QStandardPaths::writableLocation(location);
}
