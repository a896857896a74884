#pragma once
// What pressing a menu-board button does in either order window.
#include "orders/ui/orderwindowhost.h"
#include "store/settingtables.h"

#include <functional>

// With 20 lines already present the line-limit warning is shown and nothing else happens.
// With quick add on (preference MENU neither "0" nor empty) slot k's item is added as one more
// of the same line (or a new line with quantity 1, no option) and the host updates itself.
// Otherwise k becomes the board cell number and the order-line dialog opens in Add mode.
void PressBoardButton(int k, SettingTables &tables, OrderWindowHost &host, const std::function<void()> &openDialogAdd,
                      int &boardCellNo);
