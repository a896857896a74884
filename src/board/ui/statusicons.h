#pragma once
// The four status icons of the order board, drawn in code.
#include "board/boardrows.h"

#include <QIcon>

// A null icon for StatusIcon::None.
QIcon BoardStatusIconImage(StatusIcon icon);
