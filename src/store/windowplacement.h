#pragma once
// Where the main window opens: maximized on its screen the first time, afterwards as the user
// left it (size, position, maximized or not), kept per user in the preference store.
#include <QList>
#include <QRect>
#include <QString>

struct WindowPlacement {
    bool maximized = true;
    QRect normal; // the size and place when not maximized; invalid when never stored
};

WindowPlacement LoadWindowPlacement();
void SaveWindowPlacement(const WindowPlacement &placement);

// The placement to open with on these screens (their available areas). A window never placed
// opens maximized; one whose stored size and place no longer fit (a smaller screen, a screen
// gone) opens maximized on the screen that holds most of it, with the stored size shrunk and
// moved onto that screen for when it is restored.
WindowPlacement FitWindowPlacement(const WindowPlacement &stored, const QList<QRect> &screens);
