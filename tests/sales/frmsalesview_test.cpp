#include "salestest.h"

#include "mock/modal.h"
#include "mock/waitfor.h"
#include "sales/ui/frmSalesM.h"
#include "sales/ui/frmSalesStaff.h"
#include "sales/ui/frmSalesView.h"
#include "sales/ui/salesrowmodel.h"
#include "store/preferences.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace
{

QStringList rowTexts(const QTreeWidget *list, int row)
{
    QStringList out;
    for (int c = 0; c < list->columnCount(); ++c)
        out << list->topLevelItem(row)->text(c);
    return out;
}

void sendMouse(QWidget *target, QEvent::Type type, QWidget *over)
{
    const QPoint local = target->mapFromGlobal(over->mapToGlobal(over->rect().center()));
    QMouseEvent e(type, QPointF(local), QPointF(over->mapToGlobal(over->rect().center())), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// Saves what a window looks like, for the developer to look at.
void picture(QWidget *w, const QString &name)
{
    for (QSize size : {QSize(1366, 768), QSize(1024, 768)}) {
        w->resize(size.width() - 40, size.height() - 120);
        QApplication::processEvents();
        w->grab().save(QStringLiteral("/tmp/sales-%1-%2.png").arg(name).arg(size.width()));
    }
}

} // namespace

TEST_F(SalesTest, SalesView_SearchDetailDeleteAndTotals)
{
    addSale("20240510", 1, 2, {{"ラーメン", 2, 650, "大盛り"}, {"餃子", 1, 300}}, QTime(12, 30), "佐藤",
            [](SalesRecord &s) { s.ServiceDiscount = -100; });
    addSale("20240510", 2, 1, {{"炒飯", 1, 700}}, QTime(13, 0), "");
    addSale("20240510", 3, 99, {{"餃子", 3, 300}}, QTime(18, 0), "鈴木");

    frmSalesView w(data);
    w.show();
    EXPECT_EQ(w.cboYear->itemText(0), "2024年度");
    EXPECT_EQ(w.cboYear->itemText(w.cboYear->count() - 1), "2001年度");
    EXPECT_FALSE(w.cmdDel->isEnabled());

    // Months: a press starts a new choice, a drag across the boxes adds each one passed.
    sendMouse(w.chkMonth[2], QEvent::MouseButtonPress, w.chkMonth[2]);
    sendMouse(w.chkMonth[2], QEvent::MouseMove, w.chkMonth[4]);
    sendMouse(w.chkMonth[2], QEvent::MouseButtonRelease, w.chkMonth[4]);
    QStringList ticked;
    for (QCheckBox *c : w.chkMonth)
        if (c->isChecked())
            ticked << c->text();
    EXPECT_EQ(ticked, QStringList({"3", "4", "5"}));
    QTest::mouseClick(w.cmdAll, Qt::LeftButton);
    for (QCheckBox *c : w.chkMonth)
        EXPECT_TRUE(c->isChecked());

    // Only the chosen slot's pickers are on; a start past the end pulls the end along.
    EXPECT_FALSE(w.dtpTimeS[1]->isEnabled());
    w.optTime[1]->setChecked(true);
    EXPECT_TRUE(w.dtpTimeS[1]->isEnabled());
    EXPECT_FALSE(w.dtpTimeS[2]->isEnabled());
    w.dtpTimeS[1]->setTime(QTime(12, 0));
    w.dtpTimeE[1]->setTime(QTime(11, 0)); // pulls the start back
    EXPECT_EQ(w.dtpTimeS[1]->time(), QTime(11, 0));
    w.dtpTimeS[1]->setTime(QTime(12, 0));
    EXPECT_EQ(w.dtpTimeE[1]->time(), QTime(12, 0));
    w.dtpTimeE[1]->setTime(QTime(14, 0));

    // One day, slot 12:00-14:00.
    w.sstSeach->setCurrentIndex(2);
    w.dtpDate[2]->setDate(QDate(2024, 5, 10));
    QTest::mouseClick(w.cmdGo, Qt::LeftButton);
    ASSERT_EQ(w.Model()->rowCount(), 2);
    EXPECT_EQ(w.lblStart->text() + w.lblEnd->text() + w.lblStartT->text() + w.lblEndT->text(),
              "2024051020240510120000140000");
    EXPECT_TRUE(w.cmdSales->isEnabled());

    w.SelectRow(0);
    EXPECT_EQ(rowTexts(w.lsvOrder, 0), QStringList({"ラーメン（大盛り）", "2", "¥650"}));
    EXPECT_EQ(rowTexts(w.lsvOrder, 2), QStringList({"サービス割引", "1", "-¥100"}));
    EXPECT_EQ(w.lblTotal->text(), "合計：¥1,600");
    EXPECT_EQ(rowTexts(w.lsvStaff, 1), QStringList({"出前完了", "05/10 12:30", "佐藤"}));

    // The totals windows total exactly the listed orders.
    {
        frmSalesM totals(data, w.Criteria(), w.ListedPositions(), &w);
        EXPECT_EQ(totals.windowTitle(), "売上集計 [ 2024/05/10 12:00-14:00 ]");
        EXPECT_EQ(rowTexts(totals.lsvTotal, 3),
                  QStringList({"合計", "2件", "4", "¥2,300", "¥115", "¥2,415", "¥1,150", "¥1,208"}));
        EXPECT_EQ(totals.lsvM->topLevelItemCount(), 5);
        prompt.fileNext(folder.file("items.csv"));
        totals.ex->trigger();
        EXPECT_TRUE(
            folder.read("items.csv").startsWith("\"\x83\x89\x81[\x83\x81\x83\x93\",\"2\",\"650\",\"1,300\"\r\n"));
        picture(&totals, "salesm");
    }
    {
        frmSalesStaff staff(data, w.Criteria(), w.ListedPositions(), &w);
        EXPECT_EQ(rowTexts(staff.lsvStaff, 1), QStringList({"佐藤", "1", "¥1,680", "-¥100", "¥1,580"}));
        EXPECT_EQ(staff.lblKen->text(), "1件");
        picture(&staff, "salesstaff");
    }
    picture(&w, "salesview");

    // Deleting the selected order; the search runs again and lists the other one.
    prompt.clear();
    w.lsvSales->setCurrentIndex(w.Model()->index(0, 0));
    QTest::mouseClick(w.cmdDel, Qt::LeftButton);
    EXPECT_EQ(prompt.asked.first().title, "削除確認");
    EXPECT_EQ(data.records.SalesCount(), 2);
    ASSERT_EQ(w.Model()->rowCount(), 1);
    EXPECT_EQ(w.Model()->rowAt(0)->Name, "");
    EXPECT_EQ(w.lsvOrder->topLevelItemCount(), 0);

    // Nothing found: the box, the result buttons off.
    w.dtpDate[2]->setDate(QDate(2024, 6, 1));
    QTest::mouseClick(w.cmdGo, Qt::LeftButton);
    EXPECT_EQ(prompt.last().text, "該当する売上はございません。");
    EXPECT_FALSE(w.cmdCust->isEnabled());
    EXPECT_FALSE(w.cmdStaff->isEnabled());
    EXPECT_TRUE(w.lblTotal->text().isEmpty());

    // Slot times are kept for the next opening.
    w.close();
    EXPECT_EQ(Prefs::BandStart1.get(), "12:00:00");
    frmSalesView again(data);
    EXPECT_EQ(again.dtpTimeE[1]->time(), QTime(14, 0));
}

TEST_F(SalesTest, SalesView_DeletedCustomerDetailIsRefused)
{
    addSale("20240510", 1, 99, {{"餃子", 3, 300}}, QTime(18, 0), "鈴木");
    frmSalesView w(data);
    w.sstSeach->setCurrentIndex(1);
    w.dtpDate[0]->setDate(QDate(2024, 5, 1));
    w.dtpDate[1]->setDate(QDate(2024, 5, 31));
    w.cmdGo_Click();
    ASSERT_EQ(w.Model()->rowCount(), 1);
    EXPECT_EQ(w.Model()->rowAt(0)->Name, "削除");
    w.SelectRow(0);
    w.cmdCust_Click();
    EXPECT_EQ(prompt.last().title, "表示できません");
    EXPECT_EQ(prompt.last().text, "顧客データが削除されています。");
}
