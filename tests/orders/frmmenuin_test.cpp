// The order-line dialog, driven offscreen by objectName against a stand-in order window.
#include <gtest/gtest.h>

#include "mock/waitfor.h"
#include "fakehost.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/frmMenuIn.h"
#include "store/prefs.h"
#include "store/records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace
{

class MenuInDialog : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        frmMenuIn::SetResetCandidatesChoice(false);
        tables.MenuOptionList = QStringList{QString(), QStringLiteral("大盛り"), QString(), QStringLiteral("ネギ抜き")};
        host.hasPick = true;
        host.pickName = QStringLiteral("天丼");
        host.pickPrice = 950;
    }

    frmMenuIn &open(frmMenuIn::Mode mode)
    {
        dlg = std::make_unique<frmMenuIn>(tables, host, mode);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        return *dlg;
    }
    template <class T> T *field(const char *name) { return dlg->findChild<T *>(QLatin1String(name)); }
    void setQty(const QString &text) { field<QComboBox>("cboNum")->setEditText(text); }
    void setSub(const QString &text) { field<QComboBox>("cboSub")->setEditText(text); }
    void clickOk() { QTest::mouseClick(field<QPushButton>("cmdOk"), Qt::LeftButton); }

    // One whole pass through the dialog in Add mode.
    void add(const QString &qty, const QString &sub = QStringLiteral("（なし）"))
    {
        open(frmMenuIn::Mode::Add);
        setQty(qty);
        setSub(sub);
        clickOk();
        EXPECT_FALSE(dlg->isVisible());
    }

    // The refusal box, and the dialog still open with the offending field's text selected.
    void expectRefused(const char *fieldName, const QString &text)
    {
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().title, "不正な入力");
        EXPECT_EQ(prompt.last().text, text);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), 0);
        QWidget *w = field<QWidget>(fieldName);
        EXPECT_TRUE(w->hasFocus()) << fieldName;
        QLineEdit *edit = qobject_cast<QLineEdit *>(w);
        if (!edit)
            edit = qobject_cast<QComboBox *>(w)->lineEdit();
        EXPECT_EQ(edit->selectedText(), edit->text());
        EXPECT_EQ(host.lines.topLevelItemCount(), 0);
        EXPECT_EQ(host.linesChanged, 0);
        prompt.clear();
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
    FakeOrderWindow host;
    std::unique_ptr<frmMenuIn> dlg;
};

} // namespace

TEST_F(MenuInDialog, AddModeOpensWithThePickedCandidate)
{
    open(frmMenuIn::Mode::Add);
    EXPECT_EQ(dlg->windowTitle(), "注文品目の追加");
    EXPECT_EQ(field<QLineEdit>("txtName")->text(), "天丼");
    EXPECT_EQ(field<QLineEdit>("txtMoney")->text(), "950");
    auto *num = field<QComboBox>("cboNum");
    EXPECT_EQ(num->currentText(), "1");
    EXPECT_TRUE(num->isEditable());
    ASSERT_EQ(num->count(), 10);
    EXPECT_EQ(num->itemText(0), "1");
    EXPECT_EQ(num->itemText(9), "10");
    auto *sub = field<QComboBox>("cboSub");
    EXPECT_TRUE(sub->isEditable());
    EXPECT_EQ(sub->currentText(), "（なし）");
    ASSERT_EQ(sub->count(), 3);
    EXPECT_EQ(sub->itemText(1), "大盛り");
    EXPECT_EQ(sub->itemText(2), "ネギ抜き");
    EXPECT_EQ(field<QPushButton>("cmdOk")->text(), "OK");
    EXPECT_EQ(field<QPushButton>("cmdCancel")->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(field<QCheckBox>("chkReset")->text(), "メニュー候補をリセット");
    // The quantity is ready to be typed over.
    WAIT_UNTIL(num->hasFocus());
    EXPECT_EQ(num->lineEdit()->selectedText(), "1");
}

TEST_F(MenuInDialog, AddModeOnTheBoardTakesTheBoardCell)
{
    SavePref("SET", "SEARCH", "2");
    tables.MenuBoard[7] = {QStringLiteral("特上カツ丼セット"), YenToCurrency(1480), QStringLiteral("特上カ")};
    host.boardCellNo = 7;
    open(frmMenuIn::Mode::Add);
    EXPECT_EQ(field<QLineEdit>("txtName")->text(), "特上カツ丼セット");
    EXPECT_EQ(field<QLineEdit>("txtMoney")->text(), "1480");
    EXPECT_TRUE(field<QCheckBox>("chkReset")->isHidden());
    clickOk();
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(0), "特上カツ丼セット");
    EXPECT_EQ(host.lines.topLevelItem(0)->text(2), "¥1,480");
}

TEST_F(MenuInDialog, SameItemMergesAndAnotherSubItemMakesASecondLine)
{
    add("2");
    add("3");
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(1), "5");
    EXPECT_EQ(host.line(0).Qty, 5);
    // The merge takes the price entered last.
    host.pickPrice = 1000;
    add("1");
    EXPECT_EQ(host.lines.topLevelItem(0)->text(1), "6");
    EXPECT_EQ(host.lines.topLevelItem(0)->text(2), "¥1,000");

    add("1", QStringLiteral("大盛り"));
    ASSERT_EQ(host.lines.topLevelItemCount(), 2);
    QTreeWidgetItem *second = host.lines.topLevelItem(1);
    EXPECT_EQ(second->text(0), "天丼（大盛り）");
    EXPECT_EQ(second->data(0, Qt::UserRole).toString(), "天丼\t大盛り\t1000\t1");
    EXPECT_TRUE(second->isSelected());
    EXPECT_EQ(host.linesChanged, 4);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(tables.MenuOptionList.size(), 4); // nothing new to remember
}

TEST_F(MenuInDialog, QuantityOutsideOneToNinetyNineIsRefused)
{
    open(frmMenuIn::Mode::Add);
    setQty("0");
    clickOk();
    expectRefused("cboNum", "1～99の範囲で入力して下さい。");
    setQty("100");
    clickOk();
    expectRefused("cboNum", "1～99の範囲で入力して下さい。");
    setQty("-3");
    clickOk();
    expectRefused("cboNum", "1～99の範囲で入力して下さい。");
    setQty("abc");
    clickOk();
    expectRefused("cboNum", "数字以外は入力できません。");
    setQty("");
    clickOk();
    expectRefused("cboNum", "数字以外は入力できません。");
    // Lines hold whole quantities; a fraction is not rounded into the order.
    setQty("1.5");
    clickOk();
    expectRefused("cboNum", "1～99の範囲で入力して下さい。");
}

TEST_F(MenuInDialog, PriceMustBeAWholeNumber)
{
    open(frmMenuIn::Mode::Add);
    field<QLineEdit>("txtMoney")->setText("九百");
    clickOk();
    expectRefused("txtMoney", "数字以外は入力できません。");
    field<QLineEdit>("txtMoney")->setText("");
    clickOk();
    expectRefused("txtMoney", "数字以外は入力できません。");
    field<QLineEdit>("txtMoney")->setText("950.5");
    clickOk();
    expectRefused("txtMoney", "数字以外は入力できません。");
    // The quantity is checked first.
    setQty("x");
    clickOk();
    expectRefused("cboNum", "数字以外は入力できません。");
    setQty("2");
    field<QLineEdit>("txtMoney")->setText("1,200");
    clickOk();
    EXPECT_EQ(prompt.count(), 0);
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.line(0).UnitPrice, 1200);
    EXPECT_EQ(host.line(0).Qty, 2);
}

TEST_F(MenuInDialog, NinetyNineIsAcceptedAndMergesPassIt)
{
    add("99");
    add("99");
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(1), "198");
    EXPECT_EQ(host.line(0).Qty, 198);
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(MenuInDialog, NewSubItemIsRememberedAndOfferedNextTime)
{
    add("1", QStringLiteral("わさび抜き"));
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(0), "天丼（わさび抜き）");
    EXPECT_EQ(host.line(0).Option, "わさび抜き");
    ASSERT_EQ(tables.MenuOptionList.size(), 5);
    EXPECT_EQ(tables.MenuOptionList.last(), "わさび抜き");

    open(frmMenuIn::Mode::Add);
    auto *sub = field<QComboBox>("cboSub");
    ASSERT_EQ(sub->count(), 4);
    EXPECT_EQ(sub->itemText(3), "わさび抜き");
    sub->setCurrentIndex(3);
    clickOk();
    EXPECT_EQ(host.line(0).Qty, 2);
    EXPECT_EQ(tables.MenuOptionList.size(), 5); // not remembered twice

    // A cleared sub-item means none, and nothing empty is remembered.
    add("1", QString());
    ASSERT_EQ(host.lines.topLevelItemCount(), 2);
    EXPECT_EQ(host.lines.topLevelItem(1)->text(0), "天丼");
    EXPECT_EQ(host.line(1).Option, "（なし）");
    EXPECT_EQ(tables.MenuOptionList.size(), 5);
}

TEST_F(MenuInDialog, ChangeModeRewritesTheSelectedLineWithoutMerging)
{
    OrderLineList::Append(&host.lines, {QStringLiteral("天丼"), QStringLiteral("大盛り"), 1000, 1});
    OrderLineList::Append(&host.lines, {QStringLiteral("天丼"), QStringLiteral("（なし）"), 950, 2});
    host.selectLine(1);
    host.hasPick = false;

    open(frmMenuIn::Mode::Change);
    EXPECT_EQ(dlg->windowTitle(), "注文品目の変更");
    EXPECT_EQ(field<QLineEdit>("txtName")->text(), "天丼");
    EXPECT_EQ(field<QComboBox>("cboNum")->currentText(), "2");
    EXPECT_EQ(field<QComboBox>("cboSub")->currentText(), "（なし）");
    EXPECT_EQ(field<QLineEdit>("txtMoney")->text(), "950");

    // The new text equals the first line's, yet the two stay apart.
    setSub(QStringLiteral("大盛り"));
    setQty("4");
    field<QLineEdit>("txtMoney")->setText("1050");
    clickOk();
    ASSERT_EQ(host.lines.topLevelItemCount(), 2);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(1), "1");
    QTreeWidgetItem *changed = host.lines.topLevelItem(1);
    EXPECT_EQ(changed->text(0), "天丼（大盛り）");
    EXPECT_EQ(changed->text(1), "4");
    EXPECT_EQ(changed->text(2), "¥1,050");
    EXPECT_EQ(changed->data(0, Qt::UserRole).toString(), "天丼\t大盛り\t1050\t4");
    EXPECT_TRUE(changed->isSelected());
    EXPECT_EQ(host.linesChanged, 1);

    // Change mode also accepts a free sub-item.
    host.selectLine(0);
    open(frmMenuIn::Mode::Change);
    EXPECT_EQ(field<QComboBox>("cboSub")->currentText(), "大盛り");
    setSub(QStringLiteral("特盛"));
    clickOk();
    EXPECT_EQ(host.lines.topLevelItem(0)->text(0), "天丼（特盛）");
    EXPECT_EQ(tables.MenuOptionList.last(), "特盛");
}

TEST_F(MenuInDialog, CancelChangesNothing)
{
    OrderLineList::Append(&host.lines, {QStringLiteral("天丼"), QStringLiteral("（なし）"), 950, 2});
    host.selectLine(0);
    open(frmMenuIn::Mode::Change);
    setQty("7");
    setSub(QStringLiteral("新しい項目"));
    QTest::mouseClick(field<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(host.line(0).Qty, 2);
    EXPECT_EQ(host.linesChanged, 0);
    EXPECT_EQ(tables.MenuOptionList.size(), 4);
}

TEST_F(MenuInDialog, ResetChoiceShowsOnlyWithKanaSearchAndLastsTheRun)
{
    SavePref("SET", "SEARCH", "1");
    open(frmMenuIn::Mode::Add);
    EXPECT_TRUE(field<QCheckBox>("chkReset")->isHidden());

    SavePref("SET", "SEARCH", "0");
    open(frmMenuIn::Mode::Add);
    auto *reset = field<QCheckBox>("chkReset");
    EXPECT_FALSE(reset->isHidden());
    EXPECT_FALSE(reset->isChecked());
    reset->click();
    clickOk();
    EXPECT_EQ(host.readingCleared, 1);

    // The next dialog comes back ticked, even after a cancel.
    open(frmMenuIn::Mode::Add);
    EXPECT_TRUE(field<QCheckBox>("chkReset")->isChecked());
    QTest::mouseClick(field<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(host.readingCleared, 1);
    open(frmMenuIn::Mode::Add);
    EXPECT_TRUE(field<QCheckBox>("chkReset")->isChecked());
    field<QCheckBox>("chkReset")->click();
    clickOk();
    EXPECT_EQ(host.readingCleared, 1);
    open(frmMenuIn::Mode::Add);
    EXPECT_FALSE(field<QCheckBox>("chkReset")->isChecked());

    // An unset preference is the kana search as well.
    SavePref("SET", "SEARCH", "");
    open(frmMenuIn::Mode::Add);
    EXPECT_FALSE(field<QCheckBox>("chkReset")->isHidden());
}

TEST_F(MenuInDialog, RunsModallyAndRefusesBeforeClosing)
{
    frmMenuIn modal(tables, host, frmMenuIn::Mode::Add);
    int step = 0;
    QTimer timer;
    // First a refused quantity, then a good one.
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (step == 0) {
            w->findChild<QComboBox *>("cboNum")->setEditText("0");
            QTest::mouseClick(w->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
            step = 1;
        } else if (step == 1) {
            EXPECT_EQ(prompt.count(), 1);
            w->findChild<QComboBox *>("cboNum")->setEditText("3");
            QTest::mouseClick(w->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
            step = 2;
            timer.stop();
        }
    });
    timer.start(10);
    EXPECT_EQ(modal.exec(), QDialog::Accepted);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(prompt.asked.at(0).text, "1～99の範囲で入力して下さい。");
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    EXPECT_EQ(host.line(0).Qty, 3);
    EXPECT_EQ(host.line(0).MenuName, "天丼");
}
