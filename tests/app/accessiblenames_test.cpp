// Screen readers read a control by its accessible name: every input control of every window
// must carry one (its caption, or a Japanese name where it has no caption).
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmCompact.h"
#include "app/frmExit.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "backup/ui/frmBackup.h"
#include "backup/ui/frmRestore.h"
#include "board/ui/frmShinko.h"
#include "customers/ui/CustomerImportTab.h"
#include "callerid/ui/frmDispSet.h"
#include "callerid/ui/frmTelIn.h"
#include "customers/ui/frmBuildingIn.h"
#include "customers/ui/frmCust.h"
#include "customers/ui/frmCustNew.h"
#include "customers/ui/frmTelDataIn.h"
#include "customers/ui/frmCustView.h"
#include "customers/ui/frmPost.h"
#include "customers/ui/frmPostPA.h"
#include "directmail/ui/frmDM.h"
#include "directmail/ui/frmDMPaper.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/frmMenuIn.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/frmOrderChange.h"
#include "orders/ui/frmOrderSub.h"
#include "orders/ui/frmRegi.h"
#include "printing/printdocument.h"
#include "printing/ui/frmPreview.h"
#include "printing/ui/frmPrinterBox.h"
#include "sales/ui/frmChCust.h"
#include "sales/ui/frmChSales.h"
#include "sales/ui/frmSalesM.h"
#include "sales/ui/frmSalesStaff.h"
#include "sales/ui/frmSalesView.h"
#include "settings/ui/frmSettei.h"
#include "settings/ui/frmMenuBCheck.h"
#include "settings/ui/frmMenuBoard.h"
#include "settings/ui/frmMenuBoardK.h"
#include "settings/ui/frmMenuBuilding.h"
#include "settings/ui/frmMenuImport.h"
#include "settings/ui/frmMenuSiteiName.h"
#include "settings/ui/frmShienSet.h"
#include "settings/ui/frmShop.h"
#include "settings/ui/frmMenuGroup.h"
#include "settings/ui/frmMenuName.h"
#include "settings/ui/frmMenuSet.h"
#include "settings/ui/frmMenuSubName.h"
#include "settings/ui/frmStaffName.h"
#include "settings/ui/frmStaffSet.h"
#include "store/appdata.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabBar>

#include <functional>

namespace
{

// Controls the staff operate. Parts that Qt builds inside a control (a combo box's line edit and
// pop-up list, a spin box's line edit, a list's header, a tab bar's scroll buttons, the tool bar
// extension) are read through the control itself.
bool isInputControl(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QTabBar *>(p))
            return false;
    if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QHeaderView *>(w))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QAbstractButton *>(w);
}

// A button's own text is its name; every other control needs an accessible name of its own (a
// combo box would otherwise be read by its current value, a field by nothing at all).
QString spokenName(QWidget *w)
{
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    if (qobject_cast<QAbstractButton *>(w)) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        return iface ? iface->text(QAccessible::Name).trimmed() : QString();
    }
    return {};
}

QStringList unnamedControls(QWidget *window)
{
    QStringList missing;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (isInputControl(w) && spokenName(w).isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                     QString::fromLatin1(w->metaObject()->className()));
    }
    return missing;
}

class AccessibleNames : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        RegisterProgramWindows();
        data.LoadAll();
        data.settings.StaffList = QStringList{QString(), QStringLiteral("佐藤"), QStringLiteral("鈴木")};
        sale.OrderDate = QStringLiteral("20240510");
        sale.OrderNo = 1;
        sale.Status = 1;
        sale.ItemName[1] = QStringLiteral("天丼");
        sale.ItemQty[1] = 1;
        sale.ItemPrice[1] = YenToCurrency(1100);
        sale.ItemOption[1] = QStringLiteral("（なし）");
        doc.PrintKind = PrintKind::Nohin;
        doc.Note = DeliveryNoteInput{sale, CustomerRecord(), data.settings.Shop};
    }
    // The windows registered here must not outlive the test in the program's command table.
    void TearDown() override
    {
        for (Command c : {Command::Uketsuke, Command::Jokyo, Command::SetShop, Command::SetShien})
            UnregisterCommand(c);
    }
    // Builds the window, then lists its controls without a name under the window's name.
    void check(const char *window, const std::function<QWidget *()> &make)
    {
        std::unique_ptr<QWidget> w(make());
        w->show();
        const QStringList missing = unnamedControls(w.get());
        EXPECT_TRUE(missing.isEmpty()) << window << ": " << missing.join(QStringLiteral(", ")).toStdString();
    }

    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};
    SalesRecord sale;
    PrintDocument doc;
};

} // namespace

TEST_F(AccessibleNames, EveryInputControlOfEveryWindowHasOne)
{
    // The main window holds the order board (frmJokyo) as its first child window.
    check("frmMain", [&] { return new frmMain(data); });
    check("frmShinko", [&] { return new frmShinko(data, sale, 1, QStringLiteral("ﾔﾏﾀﾞ"), QStringLiteral("佐藤")); });
    check("frmOrder", [&] { return new frmOrder(data); });
    check("frmTelDataIn", [&] { return new frmTelDataIn(data); });
    check("CustomerImportTab", [&] { return new CustomerImportTab(data); });
    check("frmOrderChange", [&] { return new frmOrderChange(data, StoredOrder{sale, 1, CustomerRecord(), -1}); });
    check("frmOrderSub", [&] { return new frmOrderSub(data.records); });
    frmOrder host(data);
    check("frmMenuIn", [&] { return new frmMenuIn(data.settings, host, frmMenuIn::Mode::Add); });
    check("frmRegi", [&] { return new frmRegi(QStringLiteral("¥1,280")); });
    check("frmShop", [&] { return new frmShop(data.settings); });
    check("frmStaffSet", [&] { return new frmStaffSet(data.settings); });
    check("frmStaffName", [] { return new frmStaffName(frmStaffName::Mode::Add, {}); });
    check("frmMenuSet", [&] { return new frmMenuSet(data.settings); });
    check("frmMenuGroup", [] { return new frmMenuGroup(frmMenuGroup::Mode::Add, {}); });
    const MenuCatalogue::Group noodles{QStringLiteral("麺類"), {{QStringLiteral("かけそば"), "500", "ｶｹｿﾊﾞ"}}};
    check("frmMenuName", [&] { return new frmMenuName(frmMenuName::Mode::Change, noodles, 0); });
    check("frmMenuSubName", [] { return new frmMenuSubName(frmMenuSubName::Mode::Add, {}); });
    check("frmSettei", [] { return new frmSettei; });
    check("frmDispSet", [&] { return new frmDispSet(data.settings); });
    check("frmTelIn", [] {
        return new frmTelIn({CallEntry{QStringLiteral("0312345678"), QDateTime(), QStringLiteral("ﾔﾏﾀﾞ")}});
    });
    check("frmSalesView", [&] { return new frmSalesView(data); });
    check("frmSalesM", [&] { return new frmSalesM(data, SearchCriteria{}, {}); });
    check("frmSalesStaff", [&] { return new frmSalesStaff(data, SearchCriteria{}, {}); });
    data.settings.BuildingList << QStringLiteral("サンハイツ\t西新宿2-8");
    data.settings.DeliverToList << QStringLiteral("市役所");
    check("frmShienSet", [&] { return new frmShienSet(data.settings); });
    check("frmMenuImport", [&] { return new frmMenuImport(data.settings); });
    const std::vector<InputSupport::Building> buildings{{QStringLiteral("サンハイツ"), QStringLiteral("西新宿2-8")}};
    check("frmMenuBuilding",
          [&] { return new frmMenuBuilding(frmMenuBuilding::Mode::Change, buildings, buildings.front()); });
    check("frmMenuSiteiName",
          [] { return new frmMenuSiteiName(frmMenuSiteiName::Mode::Add, {QStringLiteral("市役所")}); });
    data.settings.MenuTable.push_back({QStringLiteral("麺"), QStringLiteral("天ざる"), 1100 * 10000, QString()});
    check("frmMenuBoard", [&] { return new frmMenuBoard(data.settings); });
    MenuBoardLayout::Slots board = data.settings.MenuBoard;
    board[1] = {QStringLiteral("天ざる"), 1100 * 10000, QStringLiteral("天ざる")};
    check("frmMenuBoardK", [&] {
        return new frmMenuBoardK(board, 1, {QStringLiteral("天ざる"), QStringLiteral("1100")});
    });
    check("frmMenuBCheck", [&] { return new frmMenuBCheck(board, 1); });
    QLineEdit building;
    check("frmCustView", [&] { return new frmCustView(data); });
    check("frmDM", [&] { return new frmDM(data); });
    check("frmDMPaper", [&] { return new frmDMPaper; });
    check("frmBuildingIn",
          [&] { return new frmBuildingIn(data.settings.BuildingList, QStringLiteral("西新宿2-8-1"), &building); });
    check("frmCustNew", [&] { return new frmCustNew(data); });
    CustomerRecord customer;
    customer.CustomerId = 1;
    customer.Tel = QStringLiteral("0312345678");
    customer.NameKana = QStringLiteral("ﾔﾏﾀﾞ");
    ASSERT_TRUE(data.records.AddCustomer(customer));
    check("frmCust", [&] { return new frmCust(data, data.records.CustomerCount()); });
    check("frmPostPA", [&] { return new frmPostPA; });
    check("frmPost", [&] { return new frmPost(ZipDirection::ZipToAddress, &building, &building); });
    check("frmPreview", [&] { return new frmPreview(doc); });
    check("frmPrinterBox", [&] { return new frmPrinterBox(doc); });
    check("frmExit",
          [&] { return new frmExit(QStringLiteral("/backup/月"), QStringLiteral("Soranowa_bak_24_05_10_18.snb")); });
    check("frmCompact", [] { return new frmCompact; });
    check("frmChSales", [&] { return new frmChSales(data); });
    check("frmChCust", [&] { return new frmChCust(data); });
    check("frmBackup", [&] { return new frmBackup(data.records); });
    check("frmRestore", [&] { return new frmRestore(data.records); });
    check("frmSplash", [] { return new frmSplash; });
}

TEST_F(AccessibleNames, FieldsAreReadByTheirCaptionsWithoutMnemonicOrColon)
{
    // Fields inside a row of their own, away from their caption.
    frmShop shop(data.settings);
    EXPECT_EQ(shop.txtZip->accessibleName(), QStringLiteral("郵便番号"));
    frmBackup backup(data.records);
    EXPECT_EQ(backup.txtFileName->accessibleName(), QStringLiteral("ﾌｧｲﾙ名"));
    EXPECT_EQ(shop.txtZip->accessibleDescription(), QStringLiteral("（ハイホンなしで入力）"));
    EXPECT_EQ(shop.txtTel[0]->accessibleName(), QStringLiteral("電話番号"));
    EXPECT_EQ(shop.txtTel[2]->accessibleName(), QStringLiteral("電話番号（3番目）"));
    EXPECT_EQ(shop.txtTax->accessibleName(), QStringLiteral("消費税"));
    // A combo box is read by its caption, not by the value it holds.
    frmOrder host(data);
    frmMenuIn line(data.settings, host, frmMenuIn::Mode::Add);
    EXPECT_EQ(line.cboNum->accessibleName(), QStringLiteral("数量"));
    EXPECT_EQ(host.txtTel->accessibleName(), QStringLiteral("注文者電話番号"));
    EXPECT_EQ(host.chkCoo->accessibleName(), QStringLiteral("ｻｰﾋﾞｽ割引"));
    frmPrinterBox box(doc);
    EXPECT_EQ(box.cboPrinter->accessibleName(), QStringLiteral("プリンター"));
    EXPECT_EQ(box.txtCopy->accessibleName(), QStringLiteral("部数"));
    frmMenuBuilding building(frmMenuBuilding::Mode::Add, {});
    EXPECT_EQ(building.txtAddress->accessibleName(), QStringLiteral("マンション所在地"));
    frmMenuSiteiName place(frmMenuSiteiName::Mode::Add, {});
    EXPECT_EQ(place.txtSiteiName->accessibleName(), QStringLiteral("特定配達先"));
}
