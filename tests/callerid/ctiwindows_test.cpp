// The order window driven through caller ID against a scripted adapter on a pty pair: the
// automatic entry, the caller card and "前回と同じ", the history list, and the settings window.
#include <gtest/gtest.h>

#include "ptyadapter.h"

#include "app/calleridwiring.h"
#include "callerid/callerid.h"
#include "callerid/ctiport.h"
#include "callerid/ui/frmDispSet.h"
#include "callerid/ui/frmTelIn.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "mock/waitfor.h"
#include "orders/ui/callercardpanel.h"
#include "orders/ui/frmOrder.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"
#include "store/saleamounts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace
{

const QString kTel = QStringLiteral("0312345678");

class CtiOrderWindow : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2026, 5, 10), QTime(18, 45)};

    void SetUp() override
    {
        if (!PtyAdapter::SocatAvailable())
            GTEST_SKIP() << "socat is not installed";
        adapter = std::make_unique<PtyAdapter>();
        ASSERT_TRUE(adapter->ready());
        SetCtiPortDevice(1, adapter->programEnd());

        Clock::Pin(kNow);
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        SettingTables &t = data->settings;
        t.MotiveList = BuildMotiveList();
        t.Shop.TaxRate = QStringLiteral("10");
        t.Shop.PointService = QStringLiteral("0");
        t.Cti = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("AT\\L1"), QString()};
        t.MenuTable.push_back(
            {QStringLiteral("丼"), QStringLiteral("カツ丼"), YenToCurrency(800), QStringLiteral("ｶﾂﾄﾞﾝ")});
        t.MenuTable.push_back(
            {QStringLiteral("麺"), QStringLiteral("ざるそば"), YenToCurrency(600), QStringLiteral("ｻﾞﾙｿﾊﾞ")});
        t.StaffList = QStringList{QString(), QStringLiteral("山田")};

        CustomerRecord c;
        c.CustomerId = 1;
        c.Tel = kTel;
        c.NameKana = QStringLiteral("ﾔﾏﾀﾞ");
        c.City = QStringLiteral("新宿区");
        ASSERT_TRUE(data->records.AddCustomer(c));
        c.CustomerId = 2;
        c.Tel = QStringLiteral("0399999999");
        ASSERT_TRUE(data->records.AddCustomer(c));

        addSale("20260401", 1, 1, 0, {{"ざるそば", 550, 1}});
        addSale("20260402", 1, 1, 0, {{"ざるそば", 550, 2}});
        // The last completed order: one item still on the menu (now dearer), one gone, the fee.
        addSale("20260420", 1, 1, 0, {{"カツ丼", 750, 2}, {"冷やし中華", 650, 1}, {"配達料", 300, 1}});
        addSale("20260421", 1, 2, 0, {{"ざるそば", 600, 5}}); // another customer
        addSale("20260509", 1, 1, 1, {{"カツ丼", 800, 9}});   // not complete yet
    }
    void TearDown() override
    {
        delete w;
        cti.reset();
        data.reset();
        adapter.reset();
        Clock::Unpin();
    }

    struct Line {
        const char *name;
        qint64 yen;
        qint16 qty;
    };
    void addSale(const char *date, qint16 no, qint32 customer, qint16 status, std::initializer_list<Line> lines)
    {
        SalesRecord s;
        s.OrderDate = QString::fromLatin1(date);
        s.OrderNo = no;
        s.CustomerId = customer;
        s.Status = status;
        s.OrderTime = s.DoneTime = s.DepartTime = s.CollectTime = s.DesignatedTime = 1.0;
        int i = 1;
        for (const Line &l : lines) {
            s.ItemName[i] = QString::fromUtf8(l.name);
            s.ItemOption[i] = kNoOption;
            s.ItemPrice[i] = YenToCurrency(l.yen);
            s.ItemQty[i] = l.qty;
            ++i;
        }
        ASSERT_TRUE(data->records.AddSale(s));
    }

    void open()
    {
        cti = std::make_unique<CallerId>(*data);
        cti->callerPanelChanged = [this](const QString &t) { callerPanel = t; };
        w = new frmOrder(*data);
        CallerPanelHooks hooks;
        hooks.replaced = [this](const QString &t) { replacedPanel = t; };
        ConnectCallerId(w, *cti, hooks);
        w->resize(1100, 700);
        w->show();
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<PtyAdapter> adapter;
    std::unique_ptr<AppData> data;
    std::unique_ptr<CallerId> cti;
    frmOrder *w = nullptr;
    QString callerPanel;
    QString replacedPanel;
};

TEST_F(CtiOrderWindow, AutomaticEntryChecksTheCallerAndFillsTheCard)
{
    adapter->answerWith({"RECEIVE CALLING PARTY = " + kTel.toLatin1() + "\r\nOK\r\n"});
    data->settings.Shop.ShopTel[0] = QStringLiteral("03");
    open();
    ASSERT_TRUE(w->cmdCTI->isEnabled());
    EXPECT_FALSE(w->fraCard->cmdRepeat->isEnabled());
    w->cmdCTI->click();
    WAIT_UNTIL(w->lblMsg->text() == QStringLiteral("顧客です"));

    EXPECT_EQ(w->txtTel->text(), kTel);
    EXPECT_TRUE(w->isEnabled()) << "the window is given back after the query";
    EXPECT_EQ(adapter->received(), QByteArray("AT\\L1\r\n"));
    EXPECT_EQ(w->txtNameKana->text(), QStringLiteral("ﾔﾏﾀﾞ"));
    EXPECT_EQ(callerPanel, QStringLiteral("最新着信番号：0312345678 ﾔﾏﾀﾞ"));
    EXPECT_EQ(replacedPanel, QStringLiteral("直前入力番号：03"));

    // The last three completed orders of this customer, newest first.
    QTreeWidget *card = w->fraCard->lsvCard;
    ASSERT_EQ(card->topLevelItemCount(), 3);
    EXPECT_EQ(card->topLevelItem(0)->text(0), QStringLiteral("2026/04/20"));
    EXPECT_EQ(card->topLevelItem(0)->text(1), QStringLiteral("カツ丼×2、冷やし中華、配達料"));
    // (1500 + 650 + 300) + 10 % tax
    EXPECT_EQ(card->topLevelItem(0)->text(2), QStringLiteral("¥2,695"));
    EXPECT_EQ(card->topLevelItem(1)->text(0), QStringLiteral("2026/04/02"));
    EXPECT_EQ(card->topLevelItem(2)->text(0), QStringLiteral("2026/04/01"));
    EXPECT_TRUE(w->fraCard->cmdRepeat->isEnabled());
    EXPECT_EQ(prompt.count(), 0);

    // Take-out shows no card.
    w->cmdOut->click();
    EXPECT_EQ(w->fraCard->lsvCard->topLevelItemCount(), 0);
    EXPECT_FALSE(w->fraCard->cmdRepeat->isEnabled());
}

TEST_F(CtiOrderWindow, SameAsLastTimeTakesTheLinesAtTodaysPricesAndIsStored)
{
    adapter->answerWith({"RECEIVE CALLING PARTY = " + kTel.toLatin1() + "\r\nOK\r\n"});
    open();
    w->cmdCTI->click();
    WAIT_UNTIL(w->lblMsg->text() == QStringLiteral("顧客です"));
    w->fraCard->cmdRepeat->click();

    QTreeWidget *lines = w->lsvMenu;
    ASSERT_EQ(lines->topLevelItemCount(), 3);
    EXPECT_EQ(lines->topLevelItem(0)->text(2), QStringLiteral("¥800")) << "today's catalogue price";
    EXPECT_EQ(lines->topLevelItem(1)->text(0), QStringLiteral("冷やし中華"));
    EXPECT_EQ(lines->topLevelItem(1)->text(2), QStringLiteral("¥650")) << "gone from the menu: the old price";
    EXPECT_FALSE(lines->topLevelItem(1)->toolTip(0).isEmpty()) << "a gone item is marked";
    EXPECT_TRUE(lines->topLevelItem(0)->toolTip(0).isEmpty());
    EXPECT_EQ(lines->topLevelItem(2)->text(2), QStringLiteral("¥300"));
    EXPECT_TRUE(w->tlbGoConfirm->isEnabled());

    // Still editable: one line dropped before confirming.
    lines->setCurrentItem(lines->topLevelItem(2));
    w->cmdDel->click();
    ASSERT_EQ(lines->topLevelItemCount(), 2);
    const int before = data->records.SalesCount();
    w->tlbGoConfirm->trigger();
    QApplication::processEvents();
    ASSERT_EQ(data->records.SalesCount(), before + 1);
    const auto stored = data->records.ReadSale(data->records.SalesCount());
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->CustomerId, 1);
    EXPECT_EQ(stored->OrderDate, QStringLiteral("20260510"));
    EXPECT_EQ(stored->LineCount(), 2);
    EXPECT_EQ(stored->ItemName[1], QStringLiteral("カツ丼"));
    EXPECT_EQ(stored->ItemQty[1], 2);
    EXPECT_EQ(stored->ItemPrice[1], YenToCurrency(800));
    EXPECT_EQ(stored->ItemName[2], QStringLiteral("冷やし中華"));
    EXPECT_EQ(stored->ItemPrice[2], YenToCurrency(650));
    EXPECT_EQ(stored->ItemOption[2], kNoOption);
}

TEST_F(CtiOrderWindow, RepeatStopsAtTwentyLines)
{
    adapter->answerWith({"RECEIVE CALLING PARTY = " + kTel.toLatin1() + "\r\nOK\r\n"});
    open();
    w->cmdCTI->click();
    WAIT_UNTIL(w->lblMsg->text() == QStringLiteral("顧客です"));
    // Items merge into their lines, the fee never does: one more line a time until the limit,
    // which is then shown once and kept.
    for (int i = 0; i < 19; ++i)
        w->fraCard->cmdRepeat->click();
    EXPECT_EQ(w->lsvMenu->topLevelItemCount(), 20);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("注文商品の上限に達しています"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("20品目以上は登録できません。"));
}

TEST_F(CtiOrderWindow, WithheldNumberResetsForTypingAndHistoryGivesNumbersBack)
{
    adapter->answerWith({"RECEIVE CALLING PARTY = " + kTel.toLatin1() + "\r\nOK\r\n"});
    open();
    w->cmdTel->click(); // fetch and record only
    QApplication::processEvents();
    EXPECT_EQ(cti->History().Entries().size(), 1u);
    EXPECT_NE(w->txtTel->text(), kTel) << "saving the number leaves the phone field alone";

    adapter->answerWith({"RECEIVE CALLING PARTY = BUFFER EMPTY\r\nOK\r\n"});
    w->cmdCTI->click();
    WAIT_UNTIL(w->txtTel->text() == QStringLiteral("番号非通知"));
    EXPECT_EQ(w->txtTel->selectedText(), QStringLiteral("番号非通知"));
    EXPECT_EQ(w->txtNameKana->text(), QStringLiteral("ｳｴ"));
    EXPECT_FALSE(w->fraCust->isEnabled());
    EXPECT_FALSE(w->cmdNew->isEnabled());
    EXPECT_TRUE(w->lblMsg->text().isEmpty());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(cti->History().Entries().size(), 2u);

    // The history: "▼" opens it and stays off while it is open; the older number is taken.
    w->cmdRireki->click();
    frmTelIn *popup = w->findChild<frmTelIn *>(QStringLiteral("frmTelIn"));
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(w->cmdRireki->isEnabled());
    ASSERT_EQ(popup->lsvTel->topLevelItemCount(), 2);
    EXPECT_EQ(popup->lsvTel->topLevelItem(0)->text(1), QStringLiteral("番号非通知"));
    EXPECT_EQ(popup->lsvTel->topLevelItem(0)->text(2), QStringLiteral("???"));
    EXPECT_EQ(popup->lsvTel->topLevelItem(1)->text(0), QStringLiteral("18:45"));
    EXPECT_EQ(popup->lsvTel->topLevelItem(1)->text(2), QStringLiteral("ﾔﾏﾀﾞ"));
    popup->lsvTel->setCurrentItem(popup->lsvTel->topLevelItem(1));
    popup->cmdGo->click();
    WAIT_UNTIL(w->lblMsg->text() == QStringLiteral("顧客です"));
    EXPECT_EQ(w->txtTel->text(), kTel);
    EXPECT_EQ(w->fraCard->lsvCard->topLevelItemCount(), 3);
    WAIT_UNTIL(w->cmdRireki->isEnabled());
}

TEST_F(CtiOrderWindow, CallerIdButtonsFollowTheMode)
{
    data->settings.Cti.CtiMode = QStringLiteral("0");
    open();
    for (QWidget *b : {static_cast<QWidget *>(w->cmdCTI), static_cast<QWidget *>(w->cmdTel),
                       static_cast<QWidget *>(w->cmdRireki), static_cast<QWidget *>(w->lblRireki)})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    data->settings.Cti.CtiMode = QStringLiteral("2");
    w->Re_view();
    EXPECT_TRUE(w->cmdCTI->isEnabled());
    EXPECT_TRUE(w->cmdRireki->isEnabled());
}

TEST_F(CtiOrderWindow, SettingsWindowTestsSavesAndAsksBeforeLosingChanges)
{
    data->settings.Cti = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("AT\\L1"), QStringLiteral("/srv")};
    {
        frmDispSet dlg(data->settings);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("CTI（ナンバーディスプレイ機能）設定"));
        EXPECT_TRUE(dlg.optCti1->isChecked());
        EXPECT_EQ(dlg.cboPort->currentText(), QStringLiteral("COM2"));
        EXPECT_TRUE(dlg.fraPort->isVisible());
        EXPECT_FALSE(dlg.fraFolder->isVisible());
        EXPECT_FALSE(dlg.cmdApply->isEnabled());

        // The test on COM1, pointed at the adapter.
        dlg.cboPort->setCurrentIndex(0);
        EXPECT_TRUE(dlg.cmdApply->isEnabled());
        adapter->answerWith({"RECEIVE CALLING PARTY = 0312345678\r\nOK\r\n"});
        dlg.cmdTest->click();
        EXPECT_EQ(dlg.txtResult->text(), QStringLiteral("0312345678"));
        adapter->answerWith({});
        dlg.cmdTest->click();
        EXPECT_EQ(dlg.txtResult->text(), QStringLiteral("TAと通信できません"));
        EXPECT_TRUE(dlg.isEnabled());

        // Only the port changed: closing asks; Cancel stays, Yes saves.
        prompt.answerNext(PromptAnswer::Cancel);
        dlg.reject();
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().title, QStringLiteral("保存確認"));
        EXPECT_EQ(prompt.last().text, QStringLiteral("CTI設定が変更されています。保存しますか？"));
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_TRUE(dlg.isVisible());
        prompt.answerNext(PromptAnswer::Yes);
        dlg.reject();
        EXPECT_FALSE(dlg.isVisible());
    }
    EXPECT_EQ(data->settings.Cti.CtiPort, QStringLiteral("1"));
    EXPECT_EQ(folder.read(QStringLiteral("Cti.snw")), QByteArray("1\r\n1\r\nAT\\L1\r\n/srv\r\n"));

    // The shared-folder choice, the folder from the chooser, and a device for COM3.
    frmDispSet dlg(data->settings);
    dlg.show();
    dlg.optCti2->setChecked(true);
    EXPECT_FALSE(dlg.fraPort->isVisible());
    EXPECT_TRUE(dlg.fraFolder->isVisible());
    prompt.fileNext(QStringLiteral("/mnt/cti"));
    dlg.cmdBrowse->click();
    EXPECT_EQ(prompt.fileDialogTitles.last(), QStringLiteral("着信番号読込フォルダの指定"));
    dlg.cboPort->setCurrentIndex(2);
    dlg.cboDevice->setEditText(QStringLiteral("/dev/ttyUSB0"));
    dlg.cmdOK->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Cti.snw")), QByteArray("2\r\n3\r\nAT\\L1\r\n/mnt/cti\r\n"));
    EXPECT_EQ(CtiPortDevice(3), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(CtiPortDevice(1), adapter->programEnd());

    // A file that cannot be written: the error box, and the window stays.
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("Cti.snw"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Cti.snw")));
    frmDispSet failing(data->settings);
    failing.show();
    failing.optCti0->setChecked(true);
    const int boxes = prompt.count();
    failing.cmdOK->click();
    ASSERT_EQ(prompt.count(), boxes + 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 15\r\rCTIファイル書き込みエラー"));
    EXPECT_TRUE(failing.isVisible());
}

} // namespace
