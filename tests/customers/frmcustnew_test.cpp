// Registering a customer by hand: the window, its checks and the record it stores.
#include "custfixture.h"

#include "customers/ui/CustomerImportTab.h"
#include "customers/ui/frmCustNew.h"
#include "store/cp932.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace
{

using NewCustomerWindow = CustomerWindowTest;

void fill(frmCustNew &w, const QString &tel, const QString &name)
{
    w.txtTel->setText(tel);
    w.txtNameKana->setText(name);
}

} // namespace

TEST_F(NewCustomerWindow, OpensOnTheShopAreaCodeAndStoresTheFirstCustomerAsNumberOne)
{
    frmCustNew w(*data);
    showActive(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("顧客新規登録"));
    ASSERT_EQ(w.tabMain->count(), 2);
    EXPECT_EQ(w.tabMain->tabText(0), QStringLiteral("新規入力"));
    EXPECT_EQ(w.tabMain->tabText(1), QStringLiteral("外部データのインポート"));
    EXPECT_EQ(w.txtTel->text(), QStringLiteral("03"));
    EXPECT_EQ(w.txtTel->selectedText(), QStringLiteral("03"));
    EXPECT_TRUE(w.optDM[0]->isChecked());
    EXPECT_EQ(w.cboDouki->count(), 7);
    EXPECT_EQ(w.cboDouki->currentIndex(), -1);
    EXPECT_EQ(w.cmdOk->text(), QStringLiteral("新規登録(&N)"));
    EXPECT_EQ(w.cmdCancel->text(), QStringLiteral("閉じる"));
    EXPECT_FALSE(w.IsChanged());
    // The postal-code lookup needs something to look up.
    EXPECT_FALSE(w.cmdZip->isEnabled());
    w.txtShiku->setText(QStringLiteral("新宿区"));
    EXPECT_TRUE(w.cmdZip->isEnabled());
    w.txtShiku->clear();
    w.txtZip->setText("1");
    EXPECT_TRUE(w.cmdZip->isEnabled());

    // Typing replaces the selected area code.
    QTest::keyClicks(w.txtTel, "0312345678");
    EXPECT_EQ(w.txtTel->text(), QStringLiteral("0312345678"));
    w.txtNameKana->setText(QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ　"));
    w.txtZip->setText(QStringLiteral("160-0023"));
    w.txtShiku->setText(QStringLiteral("新宿区"));
    w.txtBanchi->setText(QStringLiteral("西新宿2-8-1"));
    w.txtBuilding->setText(QStringLiteral("ソラノ館"));
    w.cboDouki->setCurrentIndex(4);
    emit w.cboDouki->activated(4);
    QTest::mouseClick(w.optDM[1], Qt::LeftButton);
    w.txtEtc->setText(QStringLiteral("夜のみ"));
    shoot(w, "frmCustNew");
    QTest::mouseClick(w.cmdOk, Qt::LeftButton);

    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    EXPECT_EQ(prompt.last().title, QStringLiteral("登録完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客登録が完了しました。"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.RegisteredPos(), std::optional<int>(1));

    // The bytes on file, field by field.
    const QByteArray rec = storedRecord(1);
    ASSERT_EQ(rec.size(), kCustomerRecordLength);
    const char *p = rec.constData();
    EXPECT_EQ(RecordBytes::GetInt32(p + CustomerOffsets::CustomerId), 1);
    EXPECT_EQ(rec.mid(CustomerOffsets::Tel, 14), QByteArray("0312345678    "));
    EXPECT_EQ(rec.mid(CustomerOffsets::NameKana, 30), Cp932Field(QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"), 30));
    EXPECT_EQ(rec.mid(CustomerOffsets::Zip, 8), QByteArray("1600023 "));
    EXPECT_EQ(rec.mid(CustomerOffsets::City, 50), Cp932Field(QStringLiteral("新宿区"), 50));
    EXPECT_EQ(rec.mid(CustomerOffsets::Banchi, 46), Cp932Field(QStringLiteral("西新宿2-8-1"), 46));
    EXPECT_EQ(rec.mid(CustomerOffsets::Building, 40), Cp932Field(QStringLiteral("ソラノ館"), 40));
    EXPECT_EQ(RecordBytes::GetInt32(p + CustomerOffsets::Points), 0);
    EXPECT_EQ(RecordBytes::GetDouble(p + CustomerOffsets::FirstUseDate), 0.0);
    EXPECT_EQ(RecordBytes::GetDouble(p + CustomerOffsets::LastUseDate), 0.0);
    EXPECT_EQ(RecordBytes::GetInt16(p + CustomerOffsets::UseCount), 0);
    EXPECT_EQ(RecordBytes::GetInt16(p + CustomerOffsets::Motive), 4);
    EXPECT_DOUBLE_EQ(RecordBytes::GetDouble(p + CustomerOffsets::LastEditDate), ToOleDate(kNow));
    EXPECT_EQ(rec.mid(CustomerOffsets::Remarks, 50), Cp932Field(QStringLiteral("夜のみ"), 50));
    EXPECT_EQ(RecordBytes::GetInt16(p + CustomerOffsets::DmFlag), 1);
    // The index holds the cleaned-up keys.
    EXPECT_EQ(records().CustomerIndex[1].NameKana, QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
}

TEST_F(NewCustomerWindow, RefusesMissingAndDuplicateNumbersAndReusesTheLargestFreedNumber)
{
    addCustomer("0311111111", QStringLiteral("ｱｵｷ"));
    addCustomer("0322222222", QStringLiteral("ｲﾄｳ"));
    // The customer with the largest number leaves: its number is given out again.
    ASSERT_TRUE(records().DeleteCustomer(2));

    frmCustNew w(*data);
    showActive(w);
    const auto refusedWith = [&](const char *title, const char *text) {
        prompt.clear();
        QTest::mouseClick(w.cmdOk, Qt::LeftButton);
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(prompt.last().title, QString::fromUtf8(title));
        EXPECT_EQ(prompt.last().text, QString::fromUtf8(text));
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(records().CustomerCount(), 1);
    };
    fill(w, "", QStringLiteral("ｳｴﾀﾞ"));
    refusedWith("電話番号が入力されていません", "電話番号を入力して下さい。");
    fill(w, "0333333333", "");
    refusedWith("ﾅﾏｴが入力されていません", "ﾅﾏｴを入力して下さい。");
    fill(w, "0311111111", QStringLiteral("ｳｴﾀﾞ"));
    refusedWith("電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    // Blanks are dropped on the way to the file, so they cannot hide a duplicate either.
    fill(w, " 0311111111", QStringLiteral("ｳｴﾀﾞ"));
    refusedWith("電話番号の重複エラー", "電話番号が重複しているため、新規登録できません。");
    EXPECT_EQ(w.txtNameKana->text(), QStringLiteral("ｳｴﾀﾞ"));

    fill(w, "0333333333", QStringLiteral("ｳｴﾀﾞ"));
    prompt.clear();
    QTest::mouseClick(w.cmdOk, Qt::LeftButton);
    EXPECT_EQ(prompt.last().title, QStringLiteral("登録完了"));
    EXPECT_EQ(stored(3).CustomerId, 2);
    EXPECT_EQ(records().CustomerIndex[2].CustomerId, 2);
    EXPECT_EQ(w.RegisteredPos(), std::optional<int>(2));
}

TEST_F(NewCustomerWindow, AHyphenatedNumberIsRefusedOnLeavingTheField)
{
    frmCustNew w(*data);
    showActive(w);
    w.txtTel->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.txtTel->hasFocus(); }));
    w.txtTel->setText(QStringLiteral("0312-345678"));
    w.txtNameKana->setFocus();
    ASSERT_GE(prompt.count(), 1);
    EXPECT_EQ(prompt.asked.first().title, QStringLiteral("数字以外が入力されました"));
    EXPECT_EQ(prompt.asked.first().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.txtTel->hasFocus(); }));
    // An empty number passes the field and is refused only when registering.
    prompt.clear();
    w.txtTel->clear();
    w.txtNameKana->setFocus();
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(NewCustomerWindow, ClosingWithChangesAsksWhetherToRegister)
{
    {
        // Nothing typed: no question. The close button serves the import tab as well, and
        // closing clears the import's progress.
        frmCustNew w(*data);
        showActive(w);
        w.tabMain->setCurrentIndex(1);
        EXPECT_TRUE(w.cmdCancel->isVisible());
        w.tabImport->lblSin->setText(QStringLiteral("3/3"));
        QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
        EXPECT_EQ(prompt.count(), 0);
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(w.tabImport->lblSin->text().isEmpty());
    }
    frmCustNew w(*data);
    showActive(w);
    fill(w, "0344444444", QStringLiteral("ｴﾉﾓﾄ"));
    const auto closeAnswering = [&](PromptAnswer answer) {
        prompt.clear();
        prompt.answerNext(answer);
        QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
        ASSERT_GE(prompt.count(), 1);
        EXPECT_EQ(prompt.asked.first().title, QStringLiteral("保存確認"));
        EXPECT_EQ(prompt.asked.first().text, QStringLiteral("顧客情報が変更されています。保存しますか？"));
        EXPECT_EQ(prompt.asked.first().buttons, PromptButtons::YesNoCancel);
    };
    closeAnswering(PromptAnswer::Cancel);
    EXPECT_TRUE(w.isVisible());
    // Yes with a refused entry keeps the window and what was typed.
    w.txtNameKana->clear();
    closeAnswering(PromptAnswer::Yes);
    EXPECT_EQ(prompt.last().title, QStringLiteral("ﾅﾏｴが入力されていません"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(records().CustomerCount(), 0);
    w.txtNameKana->setText(QStringLiteral("ｴﾉﾓﾄ"));
    closeAnswering(PromptAnswer::Yes);
    EXPECT_EQ(prompt.last().title, QStringLiteral("登録完了"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(records().CustomerCount(), 1);

    frmCustNew again(*data);
    showActive(again);
    fill(again, "0355555555", QStringLiteral("ｵｶﾀﾞ"));
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    QTest::mouseClick(again.cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(records().CustomerCount(), 1);
    EXPECT_FALSE(again.RegisteredPos().has_value());
}
