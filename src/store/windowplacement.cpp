#include "store/windowplacement.h"

#include "store/prefs.h"

#include <algorithm>

namespace
{

int prefInt(const QString &key, bool *ok)
{
    bool good = false;
    const int v = GetPref(kPlacementSection, key).trimmed().toInt(&good);
    *ok = *ok && good;
    return v;
}

} // namespace

WindowPlacement LoadWindowPlacement()
{
    WindowPlacement p;
    p.maximized = GetPref(kPlacementSection, kPlacementMaximizedKey) != QLatin1String("0");
    bool ok = true;
    const int left = prefInt(kPlacementLeftKey, &ok);
    const int top = prefInt(kPlacementTopKey, &ok);
    const int width = prefInt(kPlacementWidthKey, &ok);
    const int height = prefInt(kPlacementHeightKey, &ok);
    if (ok && width > 0 && height > 0)
        p.normal = QRect(left, top, width, height);
    return p;
}

void SaveWindowPlacement(const WindowPlacement &placement)
{
    SavePref(kPlacementSection, kPlacementMaximizedKey,
             placement.maximized ? QStringLiteral("1") : QStringLiteral("0"));
    if (!placement.normal.isValid())
        return;
    SavePref(kPlacementSection, kPlacementLeftKey, QString::number(placement.normal.left()));
    SavePref(kPlacementSection, kPlacementTopKey, QString::number(placement.normal.top()));
    SavePref(kPlacementSection, kPlacementWidthKey, QString::number(placement.normal.width()));
    SavePref(kPlacementSection, kPlacementHeightKey, QString::number(placement.normal.height()));
}

WindowPlacement FitWindowPlacement(const WindowPlacement &stored, const QList<QRect> &screens)
{
    WindowPlacement p = stored;
    if (!p.normal.isValid()) {
        p.maximized = true;
        return p;
    }
    if (screens.isEmpty())
        return p;
    // The screen that shows most of the window (the first one when it shows on none).
    QRect screen = screens.first();
    qint64 best = -1;
    for (const QRect &s : screens) {
        const QRect common = s.intersected(p.normal);
        const qint64 area = common.isValid() ? qint64(common.width()) * common.height() : 0;
        if (area > best) {
            best = area;
            screen = s;
        }
    }
    if (screen.contains(p.normal))
        return p;
    // It no longer fits (a smaller screen, one gone): maximized on the screen that holds most of
    // it, with a size and place on that screen to go back to.
    p.maximized = true;
    QRect r = p.normal;
    r.setWidth(std::min(r.width(), screen.width()));
    r.setHeight(std::min(r.height(), screen.height()));
    // Fully on that screen, so the title bar and the window's edges can be reached.
    r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() + 1 - r.height()));
    p.normal = r;
    return p;
}
