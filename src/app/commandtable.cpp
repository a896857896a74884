#include "app/commandtable.h"

#include "app/calleridwiring.h"
#include "app/frmMain.h"
#include "backup/ui/frmBackup.h"
#include "backup/ui/frmRestore.h"
#include "board/ui/frmJokyo.h"
#include "board/ui/frmShinko.h"
#include "callerid/callerid.h"
#include "callerid/ui/frmDispSet.h"
#include "customers/ui/frmCust.h"
#include "customers/ui/frmCustNew.h"
#include "customers/ui/frmTelDataIn.h"
#include "customers/ui/frmCustView.h"
#include "directmail/ui/frmDM.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/frmOrderChange.h"
#include "platform/prompt.h"
#include "printing/ui/deliverynoteprint.h"
#include "sales/ui/frmChCust.h"
#include "sales/ui/frmChSales.h"
#include "sales/ui/frmSalesView.h"
#include "settings/ui/frmMenuSet.h"
#include "settings/ui/frmSettei.h"
#include "settings/ui/frmShienSet.h"
#include "settings/ui/frmShop.h"
#include "settings/ui/frmStaffSet.h"
#include "store/appdata.h"

#include <QLabel>
#include <QCoreApplication>
#include <QMdiArea>
#include <QProgressBar>
#include <QMdiSubWindow>

#include <algorithm>

namespace
{

const QColor kOrderColor(0xd0, 0x5a, 0x2c);
const QColor kCustomerColor(0x2f, 0x7d, 0xc2);
const QColor kSalesColor(0x3a, 0x9a, 0x5b);
const QColor kSettingsColor(0x8a, 0x5c, 0xb8);
const QColor kMaintenanceColor(0x6b, 0x73, 0x80);

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

// A detail window opened anywhere tells an open direct-mail window of a customer declining mail.
void connectToDirectMail(frmCust &dialog, frmMain &frame)
{
    for (QMdiSubWindow *sub : frame.mdiArea()->subWindowList()) {
        if (auto *dm = qobject_cast<frmDM *>(sub->widget()))
            QObject::connect(&dialog, &frmCust::directMailDeclined, dm, &frmDM::DirectMailDeclined);
    }
}

void showCustomer(AppData &data, frmMain &frame, int customerPos, QWidget *parent)
{
    frmCust dialog(data, customerPos, parent);
    connectToDirectMail(dialog, frame);
    dialog.exec();
}

QWidget *openBoard(AppData &data, frmMain &frame)
{
    auto *board = new frmJokyo(data);
    board->openProgress = [board, &data](const StoredOrder &order) {
        frmShinko dialog(data, order.Sale, order.SalePos, board->SelectedCustomerName(), board->SelectedOrderStaff(),
                         board);
        dialog.exec();
    };
    board->preview = [board, &data](const StoredOrder &order, PrintKind kind) {
        PreviewDeliveryNote(DeliveryNoteInput{order.Sale, order.Customer, data.settings.Shop}, kind, board);
    };
    board->print = [board, &data](const StoredOrder &order, PrintKind kind) {
        PrintDeliveryNote(DeliveryNoteInput{order.Sale, order.Customer, data.settings.Shop}, kind, board);
    };
    board->openCustomer = [board, &data, &frame](const StoredOrder &order) {
        if (order.HasCustomer())
            showCustomer(data, frame, order.CustomerPos, board);
    };
    board->openOrderChange = [board, &data, &frame](const StoredOrder &order) {
        frmOrderChange dialog(data, order, board);
        QObject::connect(&dialog, &frmOrderChange::menuSettingsRequested, &frame,
                         [&frame] { frame.RunCommand(Command::SetMenu); });
        dialog.exec();
    };
    return board;
}

QWidget *openOrderEntry(AppData &data, frmMain &frame)
{
    auto *order = new frmOrder(data);
    QObject::connect(order, &frmOrder::orderStored, &frame,
                     [&frame](const QString &key) { showOrderOnBoard(frame, key); });
    QObject::connect(order, &frmOrder::menuSettingsRequested, &frame, [&frame] { frame.RunCommand(Command::SetMenu); });
    CallerPanelHooks panels;
    panels.replaced = [&frame](const QString &text) { frame.sbrReplaced->setText(text); };
    ConnectCallerId(order, frame.callerId(), panels);
    return order;
}

QWidget *openSalesView(AppData &data, frmMain &)
{
    return new frmSalesView(data);
}

void runCustNew(AppData &data, frmMain &frame)
{
    frmCustNew dialog(data, &frame);
    dialog.exec();
}

void runPhoneBookImport(AppData &data, frmMain &frame)
{
    frmTelDataIn dialog(data, &frame);
    dialog.exec();
}

QWidget *openCustomerSearch(AppData &data, frmMain &frame)
{
    auto *view = new frmCustView(data);
    view->openDetail = [view, &data, &frame](int customerPos) { showCustomer(data, frame, customerPos, view); };
    return view;
}

// The frame's progress bar follows a window's loading of its copy; the events are let through so
// that the bar is painted while the loading holds the thread.
ProgressFn frameProgress(frmMain &frame)
{
    return [&frame](qint64 value, qint64 maximum) {
        QProgressBar *bar = frame.progressBar();
        // A bar with no maximum would turn into the endless busy animation: nothing to show is
        // an empty bar.
        bar->setMaximum(int(std::clamp<qint64>(maximum, 1, INT_MAX)));
        bar->setValue(int(std::clamp<qint64>(value, 0, INT_MAX)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

QWidget *openSalesCharts(AppData &data, frmMain &frame)
{
    auto *charts = new frmChSales(data);
    charts->progress = frameProgress(frame);
    charts->LoadCopy();
    return charts;
}

QWidget *openCustomerCharts(AppData &data, frmMain &frame)
{
    auto *charts = new frmChCust(data);
    charts->progress = frameProgress(frame);
    charts->LoadCopy();
    return charts;
}

QWidget *openDirectMail(AppData &data, frmMain &frame)
{
    // The snapshot of the customer file shows on the frame's progress bar, then the bar empties.
    return new frmDM(data, frameProgress(frame));
}

void runShienSettings(AppData &data, frmMain &frame)
{
    frmShienSet dialog(data.settings, &frame);
    dialog.exec();
}

void runShopSettings(AppData &data, frmMain &frame)
{
    frmShop dialog(data.settings, &frame);
    dialog.exec();
}

void runMenuSettings(AppData &data, frmMain &frame)
{
    frmMenuSet dialog(data.settings, &frame);
    dialog.exec();
}

void runStaffSettings(AppData &data, frmMain &frame)
{
    frmStaffSet dialog(data.settings, &frame);
    dialog.exec();
}

void runCtiSettings(AppData &data, frmMain &frame)
{
    frmDispSet dialog(data.settings, &frame);
    dialog.exec();
}

void runBackup(AppData &data, frmMain &frame)
{
    frmBackup dialog(data.records, &frame);
    dialog.exec();
}

void runRestore(AppData &data, frmMain &frame)
{
    frmRestore dialog(data.records, &frame);
    dialog.exec();
    // The restored files are loaded at the next start, never mixed with what is in memory now.
    if (dialog.restored())
        frame.EndAtOnce();
}

void runDetailSettings(AppData &, frmMain &frame)
{
    frmSettei dialog(&frame);
    dialog.exec();
}

CommandHandler child(QWidget *(*open)(AppData &, frmMain &))
{
    return {open, nullptr};
}

CommandHandler dialog(void (*run)(AppData &, frmMain &))
{
    return {nullptr, run};
}

using G = CommandGroup;
using R = CommandRefusal;
using C = Command;

} // namespace

const std::vector<CommandGroupInfo> &CommandGroups()
{
    static const std::vector<CommandGroupInfo> groups = {
        {G::Main, QStringLiteral("ﾒｲﾝﾒﾆｭｰ(&M)"), QStringLiteral("mnuMainMenu"), QStringLiteral("メインメニュー"),
         QStringLiteral("cmdGroupMain")},
        {G::Customers, QStringLiteral("顧客管理(&C)"), QStringLiteral("mnuCust"), QStringLiteral("顧客管理"),
         QStringLiteral("cmdGroupCust")},
        {G::Sales, QStringLiteral("売上管理(&U)"), QStringLiteral("mnuSales"), QStringLiteral("売上管理"),
         QStringLiteral("cmdGroupSales")},
        {G::Settings, QStringLiteral("設定(&S)"), QStringLiteral("mnuSet"), QStringLiteral("設定"),
         QStringLiteral("cmdGroupSet")},
        {G::Maintenance, QStringLiteral("ﾒﾝﾃﾅﾝｽ(&T)"), QStringLiteral("mnuMaint"), QStringLiteral("メンテナンス"),
         QStringLiteral("cmdGroupMaint")},
        {G::Tools, QStringLiteral("ﾂｰﾙ(&T)"), QStringLiteral("mnuTools"), QString(), QString()},
    };
    return groups;
}

const std::vector<CommandRow> &CommandTable()
{
    // clang-format off
    static const std::vector<CommandRow> rows = {
        {C::Jokyo,        QStringLiteral("注文状況(&J)"),          QStringLiteral("mnuJokyo"),        QChar(0x72B6), kOrderColor,       G::Main,        R::None,                 child(openBoard)},
        {C::Uketsuke,     QStringLiteral("注文受付(&U)"),          QStringLiteral("mnuUketsuke"),     QChar(0x53D7), kOrderColor,       G::Main,        R::None,                 child(openOrderEntry)},
        {C::CustNew,      QStringLiteral("新規登録(&N)"),          QStringLiteral("mnuCustNew"),      QChar(0x65B0), kCustomerColor,    G::Customers,   R::None,                 dialog(runCustNew)},
        {C::CustView,     QStringLiteral("検索・変更・削除(&S)"),  QStringLiteral("mnuCustView"),     QChar(0x691C), kCustomerColor,    G::Customers,   R::None,                 child(openCustomerSearch)},
        {C::CustBunseki,  QStringLiteral("顧客分析(&B)"),          QStringLiteral("mnuCustBunseki"),  QChar(0x5206), kCustomerColor,    G::Customers,   R::NoCustomersToAnalyse, child(openCustomerCharts)},
        {C::CustDM,       QStringLiteral("DM発行(&D)"),            QStringLiteral("mnuCustDM"),       QChar('D'),    kCustomerColor,    G::Customers,   R::NoCustomersToMail,    child(openDirectMail)},
        {C::CustTel,      QStringLiteral("電話帳データ(&T)"),      QStringLiteral("mnuCustTel"),      QChar(0x96FB), kCustomerColor,    G::Customers,   R::None,                 dialog(runPhoneBookImport)},
        {C::SalesView,    QStringLiteral("売上検索(&S)"),          QStringLiteral("mnuSalesView"),    QChar(0x58F2), kSalesColor,       G::Sales,       R::None,                 child(openSalesView)},
        {C::SalesBunseki, QStringLiteral("売上分析(&B)"),          QStringLiteral("mnuSalesBunseki"), QChar(0x6790), kSalesColor,       G::Sales,       R::NoSales,              child(openSalesCharts)},
        {C::SetMenu,      QStringLiteral("出前ﾒﾆｭｰ設定(&M)"),      QStringLiteral("mnuSetMenu"),      QChar(0x81B3), kSettingsColor,    G::Settings,    R::None,                 dialog(runMenuSettings)},
        {C::SetShien,     QStringLiteral("入力支援(&H)"),          QStringLiteral("mnuSetShien"),     QChar(0x652F), kSettingsColor,    G::Settings,    R::None,                 dialog(runShienSettings)},
        {C::SetShop,      QStringLiteral("店舗設定(&S)"),          QStringLiteral("mnuSetShop"),      QChar(0x5E97), kSettingsColor,    G::Settings,    R::None,                 dialog(runShopSettings)},
        {C::SetStaff,     QStringLiteral("ｽﾀｯﾌ設定(&F)"),          QStringLiteral("mnuSetStaff"),     QChar(0x4EBA), kSettingsColor,    G::Settings,    R::None,                 dialog(runStaffSettings)},
        {C::SetCti,       QStringLiteral("CTI設定(&C)"),           QStringLiteral("mnuSetCti"),       QChar(0x260E), kSettingsColor,    G::Settings,    R::None,                 dialog(runCtiSettings)},
        {C::Backup,       QStringLiteral("ﾊﾞｯｸｱｯﾌﾟ(&B)"),          QStringLiteral("mnuBackup"),       QChar(0x4FDD), kMaintenanceColor, G::Maintenance, R::None,                 dialog(runBackup)},
        {C::Restore,      QStringLiteral("ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの復元(&R)"), QStringLiteral("mnuRestore"),      QChar(0x5FA9), kMaintenanceColor, G::Maintenance, R::None,                 dialog(runRestore)},
        {C::Settei,       QStringLiteral("詳細設定(&S)..."),       QStringLiteral("mnuSettei"),       QChar(0x8A73), kSettingsColor,    G::Tools,       R::None,                 dialog(runDetailSettings)},
    };
    // clang-format on
    return rows;
}

const CommandRow &CommandRowOf(Command command)
{
    const std::vector<CommandRow> &rows = CommandTable();
    const auto it =
        std::find_if(rows.begin(), rows.end(), [command](const CommandRow &r) { return r.command == command; });
    Q_ASSERT(it != rows.end());
    return *it;
}

bool RefusalApplies(CommandRefusal refusal, const AppData &data)
{
    switch (refusal) {
    case CommandRefusal::None:
        return false;
    case CommandRefusal::NoCustomersToAnalyse:
    case CommandRefusal::NoCustomersToMail:
        return data.records.CustomerCount() == 0;
    case CommandRefusal::NoSales:
        return data.records.SalesCount() == 0;
    }
    return false;
}

bool RefuseCommand(const CommandRow &row, const AppData &data)
{
    if (!RefusalApplies(row.refusal, data))
        return false;
    switch (row.refusal) {
    case CommandRefusal::None:
        break;
    case CommandRefusal::NoCustomersToAnalyse:
        ShowWarning(QStringLiteral("顧客未登録"), QStringLiteral("顧客データが登録されていないため、表示できません。"));
        break;
    case CommandRefusal::NoCustomersToMail:
        ShowWarning(QStringLiteral("顧客未登録"), QStringLiteral("顧客データが存在しないため、表示できません。"));
        break;
    case CommandRefusal::NoSales:
        ShowWarning(QStringLiteral("売上未登録"), QStringLiteral("売上データが存在しないため、表示できません。"));
        break;
    }
    return true;
}
