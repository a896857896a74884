#include "app/commands.h"

#include "app/frmMain.h"
#include "board/ui/frmJokyo.h"
#include "board/ui/frmShinko.h"
#include "printing/ui/deliverynoteprint.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/frmOrderChange.h"
#include "settings/ui/frmShop.h"
#include "store/appdata.h"

#include <map>

namespace
{
std::map<Command, CommandHandler> &handlers()
{
    static std::map<Command, CommandHandler> table;
    return table;
}
} // namespace

void RegisterCommand(Command command, const CommandHandler &handler)
{
    handlers()[command] = handler;
}

void UnregisterCommand(Command command)
{
    handlers().erase(command);
}

const CommandHandler *FindCommand(Command command)
{
    auto it = handlers().find(command);
    return it == handlers().end() ? nullptr : &it->second;
}

void RegisterProgramWindows()
{
    RegisterCommand(Command::Uketsuke,
                    {[](AppData &data, frmMain &frame) -> QWidget * { return new frmOrder(data, &frame); }, nullptr});
    RegisterCommand(
        Command::Jokyo,
        {[](AppData &data, frmMain &) -> QWidget * {
             auto *board = new frmJokyo(data);
             board->openProgress = [board, &data](const StoredOrder &order) {
                 frmShinko dialog(data, order.Sale, order.SalePos, board->SelectedCustomerName(),
                                  board->SelectedOrderStaff(), board);
                 dialog.exec();
             };
             board->preview = [board, &data](const StoredOrder &order, PrintKind kind) {
                 PreviewDeliveryNote(DeliveryNoteInput{order.Sale, order.Customer, data.settings.Shop}, kind, board);
             };
             board->print = [board, &data](const StoredOrder &order, PrintKind kind) {
                 PrintDeliveryNote(DeliveryNoteInput{order.Sale, order.Customer, data.settings.Shop}, kind, board);
             };
             board->openOrderChange = [board, &data](const StoredOrder &order) {
                 frmOrderChange dialog(data, order, board);
                 dialog.exec();
             };
             return board;
         },
         nullptr});
    RegisterCommand(Command::SetShop, {nullptr, [](AppData &data, frmMain &frame) {
                                           frmShop dialog(data.settings, &frame);
                                           dialog.exec();
                                       }});
}
