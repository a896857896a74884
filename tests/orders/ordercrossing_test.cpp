// The order window and the board in one frame: looking at another customer's order on the board
// while a call is being taken must not move the call's order, points or dates to that customer.
#include "mock/waitfor.h"
#include "orderdata.h"

#include "app/commands.h"
#include "app/frmMain.h"
#include "board/ui/frmJokyo.h"
#include "orders/pricing.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/menuboardpanel.h"
#include "store/prefs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace
{

enum class ConfirmWay { AnswerYesToThePendingQuestion, CancelThenConfirmButton };

class OrderCrossing : public OrderDataTest, public ::testing::WithParamInterface<ConfirmWay>
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        pointServiceOn();
        SettingTables &t = data->settings;
        t.Shop.ShopTel = {"03", "1234", "5678"};
        t.Shop.TaxRate = "8";
        t.StaffList = {QString(), QStringLiteral("山田")};
        for (auto &slot : t.MenuBoard)
            slot = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
        t.MenuBoard[1] = {QStringLiteral("カツ丼"), YenToCurrency(800), QStringLiteral("カツ丼")};
        SavePref("SET", "MENU", "1");
        const double lastWeek = ToOleDate(kNow.addDays(-7));
        caller = addCustomer("0311112222", QStringLiteral("ｻﾄｳ"), 100, lastWeek, 2);
        other = addCustomer("0322223333", QStringLiteral("ｽｽﾞｷ"), 500, lastWeek, 9);
        // The other customer's order of today is on the board.
        SalesRecord s;
        s.OrderDate = "20240510";
        s.OrderNo = 1;
        s.CustomerId = records().CustomerIndex[size_t(other)].CustomerId;
        s.OrderTime = ToOleDate(kNow.addSecs(-600));
        s.DepartTime = s.DoneTime = s.CollectTime = s.DesignatedTime = kUnsetTime;
        s.Status = 1;
        s.OrderStaff = QStringLiteral("山田");
        s.ItemName[1] = QStringLiteral("ざるそば");
        s.ItemOption[1] = kNoOption;
        s.ItemPrice[1] = YenToCurrency(600);
        s.ItemQty[1] = 1;
        ASSERT_TRUE(records().AddSale(s));
        RegisterProgramWindows();
    }
    void TearDown() override
    {
        UnregisterCommand(Command::Uketsuke);
        UnregisterCommand(Command::Jokyo);
        OrderDataTest::TearDown();
    }

    int caller = 0;
    int other = 0;
};

} // namespace

TEST_P(OrderCrossing, TheOrderGoesToTheCallerShownNotToTheCustomerLookedAtOnTheBoard)
{
    const QByteArray otherBefore =
        folder.read(RecordStore::kCustomerFile).mid((other - 1) * kCustomerRecordLength, kCustomerRecordLength);
    frmMain frame(*data);
    frame.resize(1280, 800);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    // A call: the caller is found and one dish is added.
    frame.RunCommand(Command::Uketsuke);
    QPointer<QMdiSubWindow> orderSub = frame.mdiArea()->activeSubWindow();
    auto *order = qobject_cast<frmOrder *>(orderSub->widget());
    ASSERT_NE(order, nullptr);
    order->txtTel->setText("0311112222");
    order->cmdCheck_Click();
    ASSERT_EQ(order->txtNameKana->text(), QStringLiteral("ｻﾄｳ"));
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    order->picFrame->cmdMenu[1]->click();
    ASSERT_EQ(order->lsvMenu->topLevelItemCount(), 1);

    // Meanwhile the other customer's order is looked at on the board.
    frame.RunCommand(Command::Jokyo);
    auto *board = qobject_cast<frmJokyo *>(frame.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(board, nullptr);
    ASSERT_EQ(board->lsvMain->topLevelItemCount(), 1);
    board->lsvMain->setCurrentItem(board->lsvMain->topLevelItem(0));
    ASSERT_EQ(board->SelectedCustomerName(), QStringLiteral("ｽｽﾞｷ"));

    // Back to the call, which is then confirmed.
    prompt.clear();
    const bool yes = GetParam() == ConfirmWay::AnswerYesToThePendingQuestion;
    prompt.answerNext(yes ? PromptAnswer::Yes : PromptAnswer::Cancel);
    frame.mdiArea()->setActiveSubWindow(orderSub);
    WAIT_UNTIL_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("注文が確定していない入力が存在します。注文登録しますか？"));
    if (!yes) {
        ASSERT_FALSE(orderSub.isNull());
        EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ｻﾄｳ"));
        order->tlbGoConfirm->trigger();
    }
    WAIT_UNTIL_EQ(records().SalesCount(), 2);
    EXPECT_EQ(prompt.count(), 1);

    const auto stored = reopened();
    const SalesRecord sale = stored->ReadSale(2).value();
    EXPECT_EQ(sale.CustomerId, stored->CustomerIndex[size_t(caller)].CustomerId);
    EXPECT_EQ(sale.ItemName[1], QStringLiteral("カツ丼"));
    // 800 yen earns 8 points for the caller; the caller's use date is today.
    const CustomerRecord c = stored->ReadCustomer(caller).value();
    EXPECT_EQ(c.Points, 108);
    EXPECT_DOUBLE_EQ(c.LastUseDate, ToOleDate(kNow));
    // The customer looked at on the board is untouched, byte for byte.
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile).mid((other - 1) * kCustomerRecordLength, kCustomerRecordLength),
              otherBefore);
}

INSTANTIATE_TEST_SUITE_P(BothWaysOfConfirming, OrderCrossing,
                         ::testing::Values(ConfirmWay::AnswerYesToThePendingQuestion,
                                           ConfirmWay::CancelThenConfirmButton));
