#pragma once
#include <QIcon>
#include <QList>

// The program's own icon, rendered from its SVG at build time and carried as a Qt resource, so
// every window shows it wherever the program runs from.
QIcon ProgramIcon();
// The pixel sizes the icon ships in (the hicolor theme's usual application sizes).
QList<int> ProgramIconSizes();
