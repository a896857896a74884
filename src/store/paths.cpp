#include "store/helpers.h"

#include <QStandardPaths>

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
