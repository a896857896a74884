#pragma once
// The four status icons of the order board, drawn in code.
#include <QIcon>

// Icon 1..4 (complete, received, departed, containers out); a null icon otherwise.
QIcon BoardStatusIconImage(int icon);
