#pragma once
// The commands of the main window and the windows that carry them out at run time. Every command
// is a row of the command table (commandtable.h); the program registers the windows of its rows
// at start-up, a test may put its own window in place of one. A command without a registered
// window stays disabled in the menu bar and the left panel.
#include <QString>

#include <functional>

class QWidget;
class frmMain;
struct AppData;

enum class Command {
    Jokyo,        // 注文状況
    Uketsuke,     // 注文受付
    CustNew,      // 新規登録
    CustView,     // 検索・変更・削除
    CustBunseki,  // 顧客分析
    CustDM,       // DM発行
    CustTel,      // 電話帳データ
    SalesView,    // 売上検索
    SalesBunseki, // 売上分析
    SetMenu,      // 出前ﾒﾆｭｰ設定
    SetShien,     // 入力支援
    SetShop,      // 店舗設定
    SetStaff,     // ｽﾀｯﾌ設定
    SetCti,       // CTI設定
    Backup,       // ﾊﾞｯｸｱｯﾌﾟ
    Restore,      // ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの復元
    Settei,       // 詳細設定
};

struct CommandHandler {
    // A child window: created by `createChild` and shown inside the frame (one per command;
    // asking again brings the open one to the front).
    std::function<QWidget *(AppData &, frmMain &)> createChild;
    // A modal dialog: run by `runDialog` over the frame.
    std::function<void(AppData &, frmMain &)> runDialog;
};

void RegisterCommand(Command command, const CommandHandler &handler);
void UnregisterCommand(Command command);
const CommandHandler *FindCommand(Command command);
// Registers the window of every command table row that has one; the reverse forgets every
// registered window.
void RegisterProgramWindows();
void UnregisterProgramWindows();
