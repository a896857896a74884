#include "store/windowplacement.h"

#include "store/preferences.h"

#include <algorithm>

WindowPlacement LoadWindowPlacement()
{
    WindowPlacement p;
    p.maximized = Prefs::MainMaximized.get();
    const std::optional<int> left = Prefs::MainLeft.get(), top = Prefs::MainTop.get();
    const std::optional<int> width = Prefs::MainWidth.get(), height = Prefs::MainHeight.get();
    if (left && top && width && height && *width > 0 && *height > 0)
        p.normal = QRect(*left, *top, *width, *height);
    return p;
}

void SaveWindowPlacement(const WindowPlacement &placement)
{
    Prefs::MainMaximized.set(placement.maximized);
    if (!placement.normal.isValid())
        return;
    Prefs::MainLeft.set(placement.normal.left());
    Prefs::MainTop.set(placement.normal.top());
    Prefs::MainWidth.set(placement.normal.width());
    Prefs::MainHeight.set(placement.normal.height());
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
