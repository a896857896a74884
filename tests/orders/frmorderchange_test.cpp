// The order change window on a stored order, driven offscreen by objectName; what reaches the
// files is read back through a fresh store on the data folder.
#include "orderdata.h"

#include "board/orderdetail.h"
#include "orders/pricing.h"
#include "orders/ui/frmOrderChange.h"
#include "store/prefs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace
{

const QString kSaveTitle = QStringLiteral("保存確認");
const QString kSaveText = QStringLiteral("注文品目が変更されています。保存しますか？");

class OrderChangeWindow : public OrderDataTest
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        data->settings.Shop.TaxRate = "8";
        data->settings.StaffList = {QString(), QStringLiteral("山田"), QStringLiteral("佐藤")};
        data->settings.DeliverToList = {QString(), QStringLiteral("裏口")};
        SavePref(QStringLiteral("SET"), QStringLiteral("SEARCH"), QStringLiteral("0"));
        pointServiceOn();
    }

    // A stored order of `lines` (name, price) for customer `customerId`, selected as on the
    // order board.
    void storeSale(qint32 customerId, const std::vector<std::pair<QString, qint64>> &lines, qint32 pointDiscount = 0,
                   qint16 serviceDiscount = 0)
    {
        SalesRecord s;
        s.OrderDate = QStringLiteral("20240510");
        s.OrderNo = 7;
        s.CustomerId = customerId;
        s.OrderTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(18, 5)));
        s.DepartTime = ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(18, 30)));
        s.DoneTime = s.CollectTime = kUnsetTime;
        s.DeliveryStaff = QStringLiteral("佐藤");
        s.Status = 2;
        s.OrderStaff = QStringLiteral("佐藤");
        s.DeliverTo = QStringLiteral("裏口");
        s.DesignatedTime = kUnsetTime;
        s.PointDiscount = pointDiscount;
        s.ServiceDiscount = serviceDiscount;
        for (size_t i = 0; i < lines.size(); ++i) {
            s.ItemName[i + 1] = lines[i].first;
            s.ItemOption[i + 1] = kNoOption;
            s.ItemPrice[i + 1] = YenToCurrency(lines[i].second);
            s.ItemQty[i + 1] = 1;
        }
        ASSERT_TRUE(records().AddSale(s));
        ASSERT_TRUE(ShowOrderDetail(records(), s.OrderKey()).Order);
        selectedKey = s.OrderKey();
    }

    // Opens on the selected order, read as the board hands it over.
    std::unique_ptr<frmOrderChange> open()
    {
        const std::optional<StoredOrder> order = ReadStoredOrderByKey(records(), selectedKey);
        EXPECT_TRUE(order);
        auto w = std::make_unique<frmOrderChange>(*data, order.value_or(StoredOrder()));
        w->show();
        return w;
    }
    qint32 lastCustomerId() { return records().CustomerIndex.back().CustomerId; }

    QByteArray storedSaleBytes()
    {
        auto r = reopened();
        QByteArray b(kSalesRecordLength, '\0');
        r->ReadSale(1).value_or(SalesRecord()).toBytes(b.data());
        return b;
    }
    SalesRecord storedSale()
    {
        auto r = reopened();
        return r->ReadSale(1).value_or(SalesRecord());
    }
    qint32 storedPoints(int pos)
    {
        auto r = reopened();
        return r->ReadCustomer(pos).value_or(CustomerRecord()).Points;
    }
    static void click(QWidget *w, const char *name)
    {
        auto *b = w->findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }

    QString selectedKey;
};

TEST_F(OrderChangeWindow, OpeningAndClosingUnchangedKeepsOrderAndPoints)
{
    // 1,000 yen earned 10 points; the balance on file is what that order left.
    const int pos = addCustomer("0311112222", QStringLiteral("ﾔﾏﾀﾞ"), 310);
    storeSale(lastCustomerId(), {{QStringLiteral("カツ丼"), 800}, {QStringLiteral("配達料"), 200}});
    const QByteArray before = storedSaleBytes();
    {
        auto w = open();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("注文品目の変更"));
        EXPECT_EQ(w->lsvMenu->topLevelItemCount(), 2);
        EXPECT_EQ(w->lsvMenu->topLevelItem(1)->text(2), QStringLiteral("¥200"));
        EXPECT_EQ(w->lblTotal->text(), QStringLiteral("¥1,080"));
        EXPECT_EQ(w->cboStaff->currentText(), QStringLiteral("佐藤"));
        EXPECT_EQ(w->cboSitei->currentText(), QStringLiteral("裏口"));
        EXPECT_FALSE(w->chkTime->isChecked());
        EXPECT_FALSE(w->dtpTime->isEnabled());
        EXPECT_EQ(w->WorkingPoints(), 300);
        EXPECT_TRUE(w->cmdPoi->isEnabled());
        EXPECT_FALSE(w->IsChanged());
        w->close();
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(storedSaleBytes(), before);
    EXPECT_EQ(storedPoints(pos), 310);

    // A balance lower than the points the order earned: the reversal stops at 0.
    CustomerRecord low = records().ReadCustomer(pos).value();
    low.Points = 4;
    ASSERT_TRUE(records().UpdateCustomer(pos, low));
    open()->close();
    EXPECT_EQ(storedPoints(pos), 10);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(OrderChangeWindow, PointDiscountShownAsStoredAndRecomputedAtOk)
{
    // 950 yen with -200 points: 7 earned, 200 spent.
    const int pos = addCustomer("0311112222", QStringLiteral("ﾔﾏﾀﾞ"), 500);
    storeSale(lastCustomerId(), {{QStringLiteral("カツ丼"), 800}, {QStringLiteral("サラダ"), 150}}, -200);
    const SalesRecord before = storedSale();
    auto w = open();
    EXPECT_EQ(w->lblPoi[0]->text(), QStringLiteral("-200円"));
    EXPECT_EQ(w->lblPoi[1]->text(), QStringLiteral("-200P"));
    EXPECT_EQ(w->cmdPoi->text(), QStringLiteral("取消(&P)"));
    EXPECT_EQ(w->WorkingPoints(), 693);

    w->lsvMenu->setCurrentItem(w->lsvMenu->topLevelItem(0));
    click(w.get(), "cmdDel");
    EXPECT_EQ(w->lblpreTotal->text(), QStringLiteral("¥150"));
    EXPECT_EQ(w->lblPoi[0]->text(), QStringLiteral("-200円")); // not recomputed on a line change
    EXPECT_TRUE(w->IsChanged());
    click(w.get(), "cmdGo");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(prompt.count(), 0);

    const SalesRecord after = storedSale();
    EXPECT_EQ(after.PointDiscount, -100);
    EXPECT_EQ(after.LineCount(), 1);
    EXPECT_EQ(after.ItemName[1], QStringLiteral("サラダ"));
    EXPECT_EQ(after.ItemName[2], QString());
    EXPECT_EQ(after.ItemQty[2], 0);
    EXPECT_EQ(after.OrderTime, before.OrderTime);
    EXPECT_EQ(after.OrderNo, before.OrderNo);
    EXPECT_EQ(after.OrderDate, before.OrderDate);
    EXPECT_EQ(after.Status, before.Status);
    EXPECT_EQ(after.DepartTime, before.DepartTime);
    EXPECT_EQ(after.DoneTime, before.DoneTime);
    EXPECT_EQ(after.DeliveryStaff, before.DeliveryStaff);
    // 150 - 100 earns nothing; 100 points spent from the 693 held before the order.
    EXPECT_EQ(storedPoints(pos), 593);
}

TEST_F(OrderChangeWindow, TypedServiceDiscountIsStoredOnlyByOk)
{
    addCustomer("0311112222", QStringLiteral("ﾔﾏﾀﾞ"), 0);
    storeSale(lastCustomerId(), {{QStringLiteral("カツ丼"), 800}}, 0, -100);
    const QByteArray before = storedSaleBytes();
    {
        auto w = open();
        EXPECT_TRUE(w->chkCoo->isChecked());
        EXPECT_EQ(w->cboCoo->currentText(), QStringLiteral("-100"));
        w->cboCoo->setEditText(QStringLiteral("-300"));
        EXPECT_FALSE(w->IsChanged());
        w->close();
    }
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(storedSaleBytes(), before);

    ASSERT_TRUE(ShowOrderDetail(records(), QStringLiteral("202405107")).Order);
    auto w = open();
    w->cboCoo->setEditText(QStringLiteral("-300"));
    click(w.get(), "cmdGo");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(storedSale().ServiceDiscount, -300);
    // The window gives back the order as it now stands on file.
    QByteArray given(kSalesRecordLength, '\0');
    w->Sale().toBytes(given.data());
    EXPECT_EQ(given, storedSaleBytes());
}

TEST_F(OrderChangeWindow, SaveQuestionAndLineButtons)
{
    addCustomer("0311112222", QStringLiteral("ﾔﾏﾀﾞ"), 0);
    storeSale(lastCustomerId(), {{QStringLiteral("カツ丼"), 800}});
    const QByteArray before = storedSaleBytes();
    auto w = open();
    click(w.get(), "cmdReset");
    EXPECT_FALSE(w->cmdGo->isEnabled());
    EXPECT_FALSE(w->cmdDel->isEnabled());
    w->txtHai->setText(QStringLiteral("300"));
    click(w.get(), "cmdHai");
    EXPECT_TRUE(w->cmdGo->isEnabled());

    prompt.answerNext(PromptAnswer::Cancel);
    w->close();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kSaveTitle);
    EXPECT_EQ(prompt.last().text, kSaveText);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(storedSaleBytes(), before);

    prompt.answerNext(PromptAnswer::Yes);
    w->close();
    EXPECT_FALSE(w->isVisible());
    const SalesRecord after = storedSale();
    EXPECT_EQ(after.LineCount(), 1);
    EXPECT_EQ(after.ItemName[1], QStringLiteral("配達料"));
    EXPECT_EQ(CurrencyToYen(after.ItemPrice[1]), 300);
}

TEST_F(OrderChangeWindow, TwentyLinesRefuseTheFee)
{
    addCustomer("0311112222", QStringLiteral("ﾔﾏﾀﾞ"), 0);
    std::vector<std::pair<QString, qint64>> lines;
    for (int i = 1; i <= 20; ++i)
        lines.push_back({QStringLiteral("小鉢%1").arg(i), 100});
    storeSale(lastCustomerId(), lines);
    auto w = open();
    ASSERT_EQ(w->lsvMenu->topLevelItemCount(), 20);
    click(w.get(), "cmdHai");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("注文商品の上限に達しています"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("20品目以上は登録できません。"));
    EXPECT_EQ(w->lsvMenu->topLevelItemCount(), 20);
    EXPECT_FALSE(w->IsChanged());
}

TEST_F(OrderChangeWindow, DeletedCustomerStillStoresTheOrder)
{
    const int other = addCustomer("0399998888", QStringLiteral("ﾀﾅｶ"), 50);
    storeSale(999, {{QStringLiteral("カツ丼"), 800}});
    ASSERT_EQ(records().FindCustomerPos(999), -1);
    auto w = open();
    EXPECT_FALSE(w->cmdPoi->isEnabled());
    click(w.get(), "cmdHai");
    click(w.get(), "cmdGo");
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 11\r\r顧客データの更新エラー"));
    EXPECT_EQ(storedSale().LineCount(), 2);
    EXPECT_EQ(storedPoints(other), 50);
}

} // namespace
