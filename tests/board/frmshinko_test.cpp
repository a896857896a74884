// The delivery progress dialog, driven offscreen by objectName; the stored records are checked
// through a fresh record store.
#include "board/ui/frmShinko.h"
#include "board/ui/progressindicator.h"
#include "shinkofixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{

const QString kName = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");

class ShinkoWindow : public ShinkoFixture
{
  protected:
    void SetUp() override
    {
        ShinkoFixture::SetUp();
        // Entries after the first empty name are not offered.
        data->settings.StaffList = {
            QString(), QStringLiteral("受付子"), QStringLiteral("配達一"), QStringLiteral("回収二"),
            QString(), QStringLiteral("幽霊")};
    }

    // Opens the dialog as the order board does, for the order at `salePos`.
    frmShinko &open(int salePos)
    {
        const StoredOrder order = select(salePos);
        dlg = std::make_unique<frmShinko>(*data, order.Sale, order.SalePos, kName, order.Sale.OrderStaff);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return *dlg;
    }
    void click(QPushButton *button)
    {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void choose(QComboBox *box, const QString &name)
    {
        const int i = box->findText(name);
        ASSERT_GE(i, 0) << name.toStdString();
        box->setCurrentIndex(i);
    }
    // Which of step 1, 2, 3, "all" and "back" are enabled, as "110 11".
    QString enabledSteps() const
    {
        auto bit = [](QWidget *w) { return w->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'); };
        return QString() + bit(dlg->cmdStep1) + bit(dlg->cmdStep2) + bit(dlg->cmdStep3) + ' ' + bit(dlg->cmdAll) +
               bit(dlg->cmdBack);
    }
    // The indicator's bar as a fraction of the inside of its box.
    double barShare() const { return double(dlg->picProgress->barHeight()) / (dlg->picProgress->height() - 4); }

    std::unique_ptr<frmShinko> dlg;
};

} // namespace

TEST_F(ShinkoWindow, OpensOnTheOrdersStepWithItsStaffAndLayout)
{
    const int received = addSale(1, 1);
    frmShinko &d = open(received);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("出前状況入力 - [ ﾔﾏﾀﾞ ﾀﾛｳ 様]"));
    EXPECT_EQ(d.lblTaker->text(), QStringLiteral("受付子"));
    const QStringList captions = {"注文受付", "出前出発", "出前完了", "容器回収完了"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.fraStep[size_t(i)]->title(), captions[i]);
        if (i > 0) // stacked one above the other, the indicator beside them
            EXPECT_GE(d.fraStep[size_t(i)]->y(), d.fraStep[size_t(i - 1)]->geometry().bottom());
        EXPECT_GT(d.picProgress->x(), d.fraStep[size_t(i)]->geometry().right());
    }
    EXPECT_LE(d.picProgress->y(), d.fraStep[0]->y() + 10);
    EXPECT_GE(d.picProgress->geometry().bottom(), d.fraStep[3]->geometry().bottom() - 10);
    EXPECT_EQ(d.cmdStep1->text(), QStringLiteral("出前出発(&S)"));
    EXPECT_EQ(d.cmdStep2->text(), QStringLiteral("出前完了(&E)"));
    EXPECT_EQ(d.cmdStep3->text(), QStringLiteral("回収完了(&K)"));
    EXPECT_EQ(d.cmdAll->text(), QStringLiteral("すべて完了にする(&A)"));
    EXPECT_EQ(d.cmdBack->text(), QStringLiteral("状況を一つ前に戻す(&R)"));
    EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));

    QStringList offered;
    for (int i = 0; i < d.cboStaff1->count(); ++i)
        offered << d.cboStaff1->itemText(i);
    EXPECT_EQ(offered, QStringList({"受付子", "配達一", "回収二"}));
    EXPECT_EQ(d.cboStaff3->count(), 3);
    EXPECT_EQ(d.cboStaff1->currentText(), QStringLiteral("受付子"));
    EXPECT_EQ(d.cboStaff3->currentText(), QStringLiteral("受付子"));
    EXPECT_EQ(enabledSteps(), QStringLiteral("100 10"));
    EXPECT_TRUE(d.cboStaff1->isEnabled());
    EXPECT_FALSE(d.cboStaff3->isEnabled());
    EXPECT_NEAR(barShare(), 800.0 / 3400, 0.01);
    choose(d.cboStaff1, QStringLiteral("回収二"));
    EXPECT_EQ(d.lblStaff2->text(), QStringLiteral("回収二"));
    // Choosing a name is no change of progress: closing asks nothing.
    d.close();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(d.isVisible());

    // An order at status 3 shows its own staff, ahead of the remembered names.
    SavePref("STAFF", "NAME1", QStringLiteral("回収二"));
    SavePref("STAFF", "NAME3", QStringLiteral("配達一"));
    open(addSale(2, 3));
    EXPECT_EQ(dlg->cboStaff1->currentText(), QStringLiteral("配達一"));
    EXPECT_EQ(dlg->lblStaff2->text(), QStringLiteral("配達一"));
    EXPECT_EQ(dlg->cboStaff3->currentText(), QStringLiteral("配達一")); // none stored yet: NAME3
    EXPECT_EQ(enabledSteps(), QStringLiteral("001 11"));
    EXPECT_TRUE(dlg->cboStaff3->isEnabled());
    EXPECT_FALSE(dlg->cboStaff1->isEnabled());
    EXPECT_NEAR(barShare(), 2600.0 / 3400, 0.01);

    // A complete order: nothing left to step or complete, only stepping back; the bar is full.
    open(addSale(3, 0));
    EXPECT_EQ(dlg->cboStaff3->currentText(), QStringLiteral("回収二"));
    EXPECT_EQ(enabledSteps(), QStringLiteral("000 01"));
    EXPECT_EQ(dlg->picProgress->barHeight(), dlg->picProgress->height() - 4);
}

TEST_F(ShinkoWindow, NormalModeTakesAnOrderThroughEveryStepAndCountsItAtOk)
{
    setMode("0");
    const int pos = addSale(1, 1);
    frmShinko &d = open(pos);
    choose(d.cboStaff1, QStringLiteral("配達一"));
    pin(QTime(12, 10));
    click(d.cmdStep1);
    EXPECT_EQ(d.EditedStatus(), 2);
    EXPECT_EQ(enabledSteps(), QStringLiteral("010 11"));
    EXPECT_NEAR(barShare(), 1600.0 / 3400, 0.01);
    EXPECT_EQ(GetPref("STAFF", "NAME1"), QStringLiteral("配達一"));
    pin(QTime(12, 20));
    click(d.cmdStep2);
    EXPECT_EQ(d.EditedStatus(), 3);
    choose(d.cboStaff3, QStringLiteral("回収二"));
    pin(QTime(12, 30));
    click(d.cmdStep3);
    EXPECT_EQ(d.EditedStatus(), 0);
    EXPECT_EQ(GetPref("STAFF", "NAME3"), QStringLiteral("回収二"));
    EXPECT_EQ(storedSale(pos).Status, 1); // nothing stored before OK
    EXPECT_EQ(storedCustomer().UseCount, 0);

    pin(QTime(12, 40));
    click(d.cmdOK);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const SalesRecord s = storedSale(pos);
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.DepartTime, at(QTime(12, 10)));
    EXPECT_EQ(s.DoneTime, at(QTime(12, 20)));
    EXPECT_EQ(s.CollectTime, at(QTime(12, 30)));
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));
    EXPECT_EQ(s.CollectStaff, QStringLiteral("回収二"));
    EXPECT_EQ(s.ItemName[1], QStringLiteral("かけそば"));
    const CustomerRecord c = storedCustomer();
    EXPECT_EQ(c.UseCount, 1);
    EXPECT_EQ(c.FirstUseDate, at(QTime(12, 40)));
    EXPECT_EQ(c.LastUseDate, at(QTime(12, 40)));
    EXPECT_EQ(prompt.count(), 0);

    // The remembered departure staff is preselected for the next order without one.
    open(addSale(2, 1));
    EXPECT_EQ(dlg->cboStaff1->currentText(), QStringLiteral("配達一"));
    EXPECT_EQ(dlg->cboStaff3->currentText(), QStringLiteral("回収二"));
}

TEST_F(ShinkoWindow, WithoutCollectionDeliveryCompletesAndStepsBackToDeparted)
{
    setMode("1");
    const int pos = addSale(1, 1);
    frmShinko &d = open(pos);
    choose(d.cboStaff1, QStringLiteral("配達一"));
    pin(QTime(12, 10));
    click(d.cmdStep1);
    pin(QTime(12, 20));
    click(d.cmdStep2);
    EXPECT_EQ(d.EditedStatus(), 0);
    EXPECT_EQ(enabledSteps(), QStringLiteral("000 01"));
    click(d.cmdBack);
    EXPECT_EQ(d.EditedStatus(), 2);
    EXPECT_EQ(enabledSteps(), QStringLiteral("010 11"));
    EXPECT_EQ(d.EditedSale().DoneTime, kUnsetTime);
    pin(QTime(12, 25));
    click(d.cmdStep2);
    click(d.cmdOK);
    const SalesRecord s = storedSale(pos);
    EXPECT_EQ(s.Status, 0);
    EXPECT_EQ(s.DepartTime, at(QTime(12, 10)));
    EXPECT_EQ(s.DoneTime, at(QTime(12, 25)));
    EXPECT_EQ(s.CollectTime, kUnsetTime);
    EXPECT_EQ(s.DeliveryStaff, QStringLiteral("配達一"));
    EXPECT_TRUE(s.CollectStaff.isEmpty());
    EXPECT_EQ(storedCustomer().UseCount, 1);

    // Stepping the stored complete order back takes the use back.
    open(pos);
    click(dlg->cmdBack);
    click(dlg->cmdOK);
    EXPECT_EQ(storedSale(pos).Status, 2);
    EXPECT_EQ(storedSale(pos).DeliveryStaff, QStringLiteral("配達一"));
    EXPECT_EQ(storedCustomer().UseCount, 0);
}

TEST_F(ShinkoWindow, CompletingAtOnceAndSteppingBackKeepTheCountEqualToCompleteOrders)
{
    const int pos = addSale(1, 2);
    frmShinko &d = open(pos);
    EXPECT_EQ(d.cboStaff1->currentText(), QStringLiteral("配達一"));
    pin(QTime(12, 0));
    click(d.cmdAll);
    EXPECT_EQ(d.EditedStatus(), 0);
    EXPECT_EQ(d.EditedSale().DepartTime, at(QTime(12, 0))); // re-stamped
    // Completed, stepped back and completed again before OK: one use.
    click(d.cmdBack);
    EXPECT_EQ(d.EditedStatus(), 3);
    click(d.cmdAll);
    click(d.cmdOK);
    EXPECT_EQ(storedSale(pos).Status, 0);
    EXPECT_EQ(storedSale(pos).CollectStaff, QStringLiteral("受付子"));
    EXPECT_EQ(storedCustomer().UseCount, 1);

    // OK on the complete order changes nothing.
    open(pos);
    click(dlg->cmdOK);
    EXPECT_EQ(storedCustomer().UseCount, 1);

    // Stepped back to 3 and saved, then reopened, completed and saved.
    open(pos);
    click(dlg->cmdBack);
    click(dlg->cmdOK);
    EXPECT_EQ(storedSale(pos).Status, 3);
    EXPECT_EQ(storedCustomer().UseCount, 0);
    EXPECT_EQ(storedCompleteOrders(), 0);
    open(pos);
    click(dlg->cmdStep3);
    click(dlg->cmdOK);
    EXPECT_EQ(storedCustomer().UseCount, 1);
    EXPECT_EQ(storedCompleteOrders(), 1);

    // A complete order whose use was never counted: taking it back does not go below 0.
    setUseCount(0);
    open(addSale(2, 0));
    click(dlg->cmdBack);
    click(dlg->cmdOK);
    EXPECT_EQ(storedCustomer().UseCount, 0);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(ShinkoWindow, CancellingAChangeAsksToSave)
{
    const int pos = addSale(1, 1);
    const QByteArray before = folder.read(RecordStore::kSalesFile);
    frmShinko &d = open(pos);
    click(d.cmdStep1);
    prompt.answerNext(PromptAnswer::No);
    click(d.cmdCancel);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("保存確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("出前状況が変更されています。保存しますか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), before);

    // Cancel stays; closing the window asks again and Yes saves.
    open(pos);
    click(dlg->cmdStep1);
    prompt.answerNext(PromptAnswer::Cancel);
    click(dlg->cmdCancel);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->EditedStatus(), 2);
    prompt.answerNext(PromptAnswer::Yes);
    dlg->close();
    EXPECT_EQ(prompt.count(), 3);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(storedSale(pos).Status, 2);
    EXPECT_EQ(storedSale(pos).DeliveryStaff, QStringLiteral("受付子"));
    EXPECT_EQ(storedCustomer().UseCount, 0);
}
