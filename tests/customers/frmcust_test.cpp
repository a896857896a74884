// The customer detail window: loading, saving with its duplicate rule, the closing question and
// the order history.
#include "custfixture.h"

#include "customers/customerform.h"
#include "customers/ui/frmCust.h"
#include "mock/modal.h"
#include "orders/ui/frmOrder.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace
{

using DetailWindow = CustomerWindowTest;

QStringList rowTexts(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
}

QStringList column(QTreeWidget *list, int col)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(col);
    return out;
}

SalesRecord sale(const char *date, qint16 no, qint32 customer, QDateTime when, qint16 status)
{
    SalesRecord s;
    s.OrderDate = QString::fromLatin1(date);
    s.OrderNo = no;
    s.CustomerId = customer;
    s.OrderTime = ToOleDate(when);
    s.Status = status;
    for (double *t : {&s.DesignatedTime, &s.DepartTime, &s.DoneTime, &s.CollectTime})
        *t = kUnsetTime;
    return s;
}

void line(SalesRecord &s, int slot, const QString &name, qint16 qty, qint64 yen, const QString &option = "（なし）")
{
    s.ItemName[size_t(slot)] = name;
    s.ItemQty[size_t(slot)] = qty;
    s.ItemPrice[size_t(slot)] = YenToCurrency(yen);
    s.ItemOption[size_t(slot)] = option;
}

} // namespace

TEST(CustomerDisplays, DatesAndStampsShowAsTheWindowWritesThem)
{
    EXPECT_EQ(LastEditText(ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(18, 45)))),
              QStringLiteral("2024/05/10 PM 6:45 "));
    EXPECT_EQ(LastEditText(ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(0, 5)))),
              QStringLiteral("2024/05/10 AM 12:05 "));
    EXPECT_EQ(LastEditText(ToOleDate(QDateTime(QDate(2024, 5, 10), QTime(12, 0)))),
              QStringLiteral("2024/05/10 PM 12:00 "));
    EXPECT_EQ(UseDateText(0), QStringLiteral("------------"));
    EXPECT_EQ(UseDateText(ToOleDate(QDate(1949, 12, 31))), QStringLiteral("------------"));
    EXPECT_EQ(UseDateText(ToOleDate(QDate(1950, 1, 1))), QStringLiteral("1950/01/01"));
    EXPECT_EQ(PointsOfText(""), 0);
    EXPECT_EQ(PointsOfText("1,200"), 1200);
    EXPECT_EQ(PointsOfText("abc"), 0);
}

TEST_F(DetailWindow, OpensWithLapsedPointsExpiredAndAppliesAndSavesEdits)
{
    pointServiceOn();
    const double eightMonthsAgo = ToOleDate(QDateTime(QDate(2023, 9, 1), QTime(12, 0)));
    addCustomer("0311111111", QStringLiteral("ﾔﾏﾀﾞ"), 500, eightMonthsAgo);
    addCustomer("0322222222", QStringLiteral("ｲﾄｳ"), 300, 0);

    frmCust w(*data, 1);
    showActive(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("顧客情報 - [ ﾔﾏﾀﾞ 様]"));
    EXPECT_EQ(w.tabMain->tabText(0), QStringLiteral("顧客情報"));
    EXPECT_EQ(w.tabMain->tabText(1), QStringLiteral("注文履歴"));
    EXPECT_EQ(w.lblID->text(), QStringLiteral("00001"));
    EXPECT_EQ(w.txtTel->text(), QStringLiteral("0311111111"));
    EXPECT_EQ(w.txtShiku->text(), QStringLiteral("新宿区"));
    EXPECT_EQ(w.cboDouki->currentText(), QStringLiteral("店舗利用経験有り"));
    EXPECT_TRUE(w.optDM[0]->isChecked());
    EXPECT_EQ(w.txtPoint->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Customer().Points, 0);
    EXPECT_EQ(w.lblFirstDay->text(), QStringLiteral("2023/09/01"));
    EXPECT_EQ(w.lblKinyu->text(), QStringLiteral("2024/01/15 AM 9:05 "));
    EXPECT_EQ(w.cmdOk[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(w.cmdOk[1]->text(), QStringLiteral("適用(&A)"));
    EXPECT_FALSE(w.cmdOk[1]->isEnabled());
    EXPECT_TRUE(w.cmdZip->isEnabled());
    EXPECT_EQ(w.cmdZip->text(), QStringLiteral("参照(&S)..."));

    // Points and the name changed; the name loses its blank, the postal code its hyphen.
    w.txtNameKana->setText(QStringLiteral("ﾔﾏﾀﾞ ﾊﾅｺ"));
    EXPECT_TRUE(w.cmdOk[1]->isEnabled());
    w.txtPoint->setText("120");
    w.txtZip->setText("160-0023");
    QTest::mouseClick(w.cmdOk[1], Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.cmdOk[1]->isEnabled());
    EXPECT_EQ(prompt.count(), 0);
    CustomerRecord c = stored(1);
    EXPECT_EQ(c.CustomerId, 1);
    EXPECT_EQ(c.NameKana, QStringLiteral("ﾔﾏﾀﾞﾊﾅｺ"));
    EXPECT_EQ(c.Zip, QStringLiteral("1600023"));
    EXPECT_EQ(c.Points, 120);
    EXPECT_DOUBLE_EQ(c.LastEditDate, ToOleDate(kNow));
    EXPECT_DOUBLE_EQ(c.LastUseDate, eightMonthsAgo);
    EXPECT_EQ(records().CustomerIndex[1].NameKana, QStringLiteral("ﾔﾏﾀﾞﾊﾅｺ"));
    EXPECT_EQ(w.lblKinyu->text(), QStringLiteral("2024/05/10 PM 6:45 "));

    QTest::mouseClick(w.cmdOk[0], Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Customer().Points, 120);

    // Never used: hyphens for the dates, and no points left to keep.
    frmCust unused(*data, 2);
    EXPECT_EQ(unused.lblLastDay->text(), QStringLiteral("------------"));
    EXPECT_EQ(unused.lblFirstDay->text(), QStringLiteral("------------"));
    EXPECT_EQ(unused.txtPoint->text(), QStringLiteral("0"));
    EXPECT_EQ(unused.lblCount->text(), QStringLiteral("0"));
}

TEST_F(DetailWindow, ANumberOfAnotherCustomerIsRefusedButTheLoadedOneIsKept)
{
    addCustomer("0311111111", QStringLiteral("ｱｵｷ"));
    addCustomer("0322222222", QStringLiteral("ｲﾄｳ"));
    addCustomer("0311111111", QStringLiteral("ｱｵｷ ｼﾞﾛｳ")); // shares the first number

    frmCust w(*data, 1);
    showActive(w);
    w.txtTel->setText("0322222222");
    QTest::mouseClick(w.cmdOk[0], Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("電話番号の重複エラー"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("重複しているため、電話番号の変更はできません。"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.txtTel->selectedText(), QStringLiteral("0322222222"));
    EXPECT_EQ(stored(1).Tel, QStringLiteral("0311111111"));

    // Back to the number it was opened with: the customer sharing it does not block the save.
    prompt.clear();
    w.txtTel->setText("0311111111");
    w.txtEtc->setText(QStringLiteral("裏口"));
    QTest::mouseClick(w.cmdOk[1], Qt::LeftButton);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(stored(1).Remarks, QStringLiteral("裏口"));

    // A new number applied, then applied again: the customer never blocks itself.
    w.txtTel->setText("0399999999");
    QTest::mouseClick(w.cmdOk[1], Qt::LeftButton);
    w.txtEtc->setText(QStringLiteral("表口"));
    QTest::mouseClick(w.cmdOk[1], Qt::LeftButton);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(stored(1).Tel, QStringLiteral("0399999999"));
    EXPECT_EQ(stored(1).Remarks, QStringLiteral("表口"));
}

TEST_F(DetailWindow, ADirectMailChoiceAloneAsksNothingAndTheQuestionAnswersAreKept)
{
    addCustomer("0311111111", QStringLiteral("ｱｵｷ"));
    {
        frmCust w(*data, 1);
        showActive(w);
        QTest::mouseClick(w.optDM[1], Qt::LeftButton);
        EXPECT_FALSE(w.cmdOk[1]->isEnabled());
        QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
        EXPECT_EQ(prompt.count(), 0);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(stored(1).DmFlag, 0);
    }
    {
        frmCust w(*data, 1);
        QSignalSpy declined(&w, &frmCust::directMailDeclined);
        showActive(w);
        QTest::mouseClick(w.optDM[1], Qt::LeftButton);
        QTest::mouseClick(w.cmdOk[0], Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(stored(1).DmFlag, 1);
        ASSERT_EQ(declined.count(), 1);
        EXPECT_EQ(declined.first().first().toString(), QStringLiteral("1"));
    }
    frmCust w(*data, 1);
    showActive(w);
    EXPECT_TRUE(w.optDM[1]->isChecked());
    w.txtBanchi->setText(QStringLiteral("西新宿3-1"));
    const auto cancelAnswering = [&](PromptAnswer answer) {
        prompt.clear();
        prompt.answerNext(answer);
        QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(prompt.last().title, QStringLiteral("保存確認"));
        EXPECT_EQ(prompt.last().text, QStringLiteral("顧客情報が変更されています。保存しますか？"));
    };
    cancelAnswering(PromptAnswer::Cancel);
    EXPECT_TRUE(w.isVisible());
    cancelAnswering(PromptAnswer::Yes);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(stored(1).Banchi, QStringLiteral("西新宿3-1"));

    frmCust again(*data, 1);
    showActive(again);
    again.txtBanchi->setText(QStringLiteral("捨てる"));
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    QTest::mouseClick(again.cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(stored(1).Banchi, QStringLiteral("西新宿3-1"));
}

TEST_F(DetailWindow, OrderHistoryListsOnlyCompletedOrdersWithTheirLinesAndSorts)
{
    addCustomer("0311111111", QStringLiteral("ｱｵｷ"));
    addCustomer("0322222222", QStringLiteral("ｲﾄｳ"));
    SalesRecord big = sale("20240501", 1, 1, QDateTime(QDate(2024, 5, 1), QTime(12, 30)), 0);
    line(big, 1, QStringLiteral("ラーメン"), 2, 650, QStringLiteral("大盛り"));
    line(big, 2, QStringLiteral("餃子"), 1, 300);
    big.ServiceDiscount = -50;
    big.PointDiscount = -100;
    SalesRecord small = sale("20240508", 2, 1, QDateTime(QDate(2024, 5, 8), QTime(19, 5)), 0);
    line(small, 1, QStringLiteral("かけそば"), 1, 500);
    line(small, 3, QStringLiteral("空き枠の後"), 9, 9999); // after the first empty slot: not a line
    SalesRecord free = sale("20240509", 1, 1, QDateTime(QDate(2024, 5, 9), QTime(11, 0)), 0);
    line(free, 1, QStringLiteral("お冷"), 1, 0);
    SalesRecord running = sale("20240510", 1, 1, QDateTime(QDate(2024, 5, 10), QTime(18, 0)), 1);
    line(running, 1, QStringLiteral("天丼"), 1, 1100);
    SalesRecord cancelled = sale("20240510", 2, 1, QDateTime(QDate(2024, 5, 10), QTime(18, 10)), 0);
    line(cancelled, 1, QStringLiteral("天丼"), 1, 1100);
    SalesRecord other = sale("20240510", 3, 2, QDateTime(QDate(2024, 5, 10), QTime(18, 20)), 0);
    line(other, 1, QStringLiteral("天丼"), 1, 1100);
    // Newest first on file, so the list's own order is visible.
    for (const SalesRecord *s : {&free, &small, &running, &cancelled, &big, &other})
        ASSERT_TRUE(records().AddSale(*s));
    ASSERT_TRUE(records().DeleteSale(records().FindSalePosByKey(QStringLiteral("202405102"))));

    frmCust w(*data, 1);
    showActive(w);
    EXPECT_EQ(w.lsvSales->topLevelItemCount(), 0);
    shoot(w, "frmCust_info");
    w.tabMain->setCurrentIndex(1);
    ASSERT_EQ(w.lsvSales->topLevelItemCount(), 3);
    EXPECT_EQ(w.lsvSales->headerItem()->text(0), QStringLiteral("注文受付日時"));
    EXPECT_EQ(rowTexts(w.lsvSales, 0),
              (QStringList{QStringLiteral("2024/05/01 12:30 （水）"), "3", QStringLiteral("¥1,600")}));
    EXPECT_EQ(rowTexts(w.lsvSales, 1),
              (QStringList{QStringLiteral("2024/05/08 19:05 （水）"), "1", QStringLiteral("¥500")}));
    EXPECT_EQ(rowTexts(w.lsvSales, 2),
              (QStringList{QStringLiteral("2024/05/09 11:00 （木）"), "1", QStringLiteral("¥")}));

    // Amounts sort as numbers; the same header again turns the order round.
    w.lsvSales->header()->sectionClicked(2);
    EXPECT_EQ(column(w.lsvSales, 2),
              (QStringList{QStringLiteral("¥"), QStringLiteral("¥500"), QStringLiteral("¥1,600")}));
    w.lsvSales->header()->sectionClicked(2);
    EXPECT_EQ(column(w.lsvSales, 2),
              (QStringList{QStringLiteral("¥1,600"), QStringLiteral("¥500"), QStringLiteral("¥")}));
    w.lsvSales->header()->sectionClicked(0);
    EXPECT_EQ(column(w.lsvSales, 1), (QStringList{"3", "1", "1"}));

    // Once built, the list is not built again.
    w.tabMain->setCurrentIndex(0);
    w.tabMain->setCurrentIndex(1);
    EXPECT_EQ(w.lsvSales->topLevelItemCount(), 3);

    const QRect first = w.lsvSales->visualItemRect(w.lsvSales->topLevelItem(0));
    QTest::mouseClick(w.lsvSales->viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_EQ(w.lsvGoods->topLevelItemCount(), 4);
    EXPECT_EQ(rowTexts(w.lsvGoods, 0),
              (QStringList{QStringLiteral("ラーメン（大盛り）"), "2", QStringLiteral("¥650")}));
    EXPECT_EQ(rowTexts(w.lsvGoods, 1), (QStringList{QStringLiteral("餃子"), "1", QStringLiteral("¥300")}));
    EXPECT_EQ(rowTexts(w.lsvGoods, 2), (QStringList{QStringLiteral("サービス割引"), "1", QStringLiteral("-¥50")}));
    EXPECT_EQ(rowTexts(w.lsvGoods, 3), (QStringList{QStringLiteral("ポイント割引"), "1", QStringLiteral("-¥100")}));
    shoot(w, "frmCust_history");
    EXPECT_NE(w.lsvGoods->topLevelItem(0)->icon(0).cacheKey(), w.lsvGoods->topLevelItem(2)->icon(0).cacheKey());
    w.lsvGoods->header()->sectionClicked(2);
    EXPECT_EQ(column(w.lsvGoods, 2), (QStringList{QStringLiteral("-¥100"), QStringLiteral("-¥50"),
                                                  QStringLiteral("¥300"), QStringLiteral("¥650")}));

    w.lsvSales->setCurrentItem(w.lsvSales->topLevelItem(2));
    ASSERT_EQ(w.lsvGoods->topLevelItemCount(), 1);
    EXPECT_EQ(rowTexts(w.lsvGoods, 0), (QStringList{QStringLiteral("お冷"), "1", QStringLiteral("¥0")}));
}

TEST_F(DetailWindow, OrderEntryOpensItOnItsCustomerAndShowsWhatCameBack)
{
    addCustomer("0300000000", QStringLiteral("ｻｷ"));
    addCustomer("0311111111", QStringLiteral("ｱｵｷ"));
    frmOrder order(*data);
    showActive(order);
    order.txtTel->setText("0311111111");
    order.cmdCheck_Click();
    ASSERT_TRUE(order.cmdCust->isEnabled());
    // Another customer leaves meanwhile: the held position is out of date.
    ASSERT_TRUE(records().DeleteCustomer(1));

    QString opened;
    ModalHandler handler([&](QWidget *w) {
        auto *cust = qobject_cast<frmCust *>(w);
        ASSERT_NE(cust, nullptr);
        opened = cust->txtNameKana->text();
        cust->txtNameKana->setText(QStringLiteral("ｱｵｷ ﾀﾛｳ"));
        cust->txtBuilding->setText(QStringLiteral("ソラノ館"));
        QTest::mouseClick(cust->cmdOk[0], Qt::LeftButton);
    });
    QTest::mouseClick(order.cmdCust, Qt::LeftButton);
    EXPECT_TRUE(handler.done());
    EXPECT_EQ(opened, QStringLiteral("ｱｵｷ"));
    EXPECT_EQ(order.txtNameKana->text(), QStringLiteral("ｱｵｷﾀﾛｳ"));
    EXPECT_EQ(order.txtBuilding->text(), QStringLiteral("ソラノ館"));
    EXPECT_EQ(order.Customer().Pos, 1);
    EXPECT_EQ(stored(2).NameKana, QStringLiteral("ｱｵｷﾀﾛｳ"));
}
