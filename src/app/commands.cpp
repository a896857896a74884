#include "app/commands.h"

#include "app/frmMain.h"
#include "board/ui/frmJokyo.h"
#include "board/ui/frmShinko.h"
#include "printing/ui/deliverynoteprint.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/frmOrderChange.h"
#include "settings/ui/frmShop.h"
#include "store/appdata.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <map>

namespace
{
std::map<Command, CommandHandler> &handlers()
{
    static std::map<Command, CommandHandler> table;
    return table;
}

// After an order is confirmed the board comes up (opening when closed) with that order selected.
void showOrderOnBoard(frmMain &frame, const QString &orderKey)
{
    frame.RunCommand(Command::Jokyo);
    for (QMdiSubWindow *sub : frame.mdiArea()->subWindowList()) {
        if (auto *board = qobject_cast<frmJokyo *>(sub->widget())) {
            board->SetSelectedOrderKey(orderKey);
            board->Re_view();
            frame.mdiArea()->setActiveSubWindow(sub);
            return;
        }
    }
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
                    {[](AppData &data, frmMain &frame) -> QWidget * {
                         auto *order = new frmOrder(data);
                         QObject::connect(order, &frmOrder::orderStored, &frame,
                                          [&frame](const QString &key) { showOrderOnBoard(frame, key); });
                         return order;
                     },
                     nullptr});
    RegisterCommand(Command::Jokyo,
                    {[](AppData &data, frmMain &) -> QWidget * {
                         auto *board = new frmJokyo(data);
                         board->openProgress = [board, &data] {
                             frmShinko dialog(data, board->SelectedCustomerName(), board->SelectedOrderStaff(), board);
                             dialog.exec();
                         };
                         board->preview = [board, &data](const QString &kind) {
                             PreviewDeliveryNote(data, kind, board);
                         };
                         board->print = [board, &data](const QString &kind) { PrintDeliveryNote(data, kind, board); };
                         board->openOrderChange = [board, &data] {
                             frmOrderChange dialog(data, board);
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
