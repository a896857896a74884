#pragma once
#include <QColor>
#include <QIcon>

// A round command icon with one character on it, drawn at run time so no image files ship.
QIcon MakeCommandIcon(QChar glyph, const QColor &color, int size = 48);
