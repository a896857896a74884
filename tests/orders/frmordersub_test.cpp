// The customer search by name (F10 of the order window), driven offscreen by objectName.
#include "orderdata.h"

#include "orders/kanasearch.h"
#include "orders/ui/frmOrderSub.h"
#include "orders/ui/kanakeyboard.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class CustomerSearchDialog : public OrderDataTest
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        addCustomer("0311111111", QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"));
        addCustomer("0322222222", QStringLiteral("ｽｽﾞｷ"));
        addCustomer("0333333333", QStringLiteral("ﾔﾏﾓﾄﾊﾅｺ"));
        dlg = std::make_unique<frmOrderSub>(records());
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    void TearDown() override
    {
        dlg.reset();
        OrderDataTest::TearDown();
    }

    template <typename W> W *find(const QString &name)
    {
        W *w = dlg->findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPushButton *key(QChar ch) { return find<QPushButton>(QStringLiteral("cmdMoji%1").arg(KanaKeyCode(ch))); }
    QTreeWidget *list() { return find<QTreeWidget>("lsvCust"); }
    QStringList rows()
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(0) + "/" + list()->topLevelItem(i)->text(1);
        return out;
    }
    void press(QChar ch)
    {
        QPushButton *k = key(ch);
        ASSERT_TRUE(k->isEnabled()) << QString(ch).toStdString();
        QTest::mouseClick(k, Qt::LeftButton);
    }

    std::unique_ptr<frmOrderSub> dlg;
};

TEST_F(CustomerSearchDialog, KeysNarrowTheCustomersWithoutCompletingTheName)
{
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("顧客検索"));
    EXPECT_EQ(list()->headerItem()->text(0), QStringLiteral("名前"));
    EXPECT_EQ(list()->headerItem()->text(1), QStringLiteral("電話番号"));
    auto *search = find<QLineEdit>("txtMojiSearch");
    auto *clear = find<QPushButton>("cmdMojiClear");
    auto *go = find<QPushButton>("cmdGo");
    EXPECT_EQ(clear->text(), QStringLiteral("1文字クリア(&M)"));
    EXPECT_EQ(go->text(), QStringLiteral("顧客入力"));
    EXPECT_EQ(find<QPushButton>("cmdCancel")->text(), QStringLiteral("ｷｬﾝｾﾙ"));

    // Empty text: only the first characters of the names are offered, nobody is listed.
    auto *keyboard = dlg->findChild<KanaKeyboard *>();
    ASSERT_NE(keyboard, nullptr);
    for (int code = kFirstKanaKey; code <= kLastKanaKey; ++code) {
        const bool first = code == KanaKeyCode(u'ﾔ') || code == KanaKeyCode(u'ｽ');
        EXPECT_EQ(keyboard->key(code)->isEnabled(), first) << code;
        EXPECT_EQ(keyboard->isHighlighted(code), first) << code;
    }
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(go->isEnabled());
    EXPECT_FALSE(clear->isEnabled());

    press(u'ﾔ');
    EXPECT_EQ(search->text(), QStringLiteral("ﾔ")); // both continue with ﾏ, still no completion
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ/0311111111"), QStringLiteral("ﾔﾏﾓﾄﾊﾅｺ/0333333333")}));
    EXPECT_TRUE(go->isEnabled());
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_TRUE(keyboard->isHighlighted(KanaKeyCode(u'ﾏ')));
    EXPECT_FALSE(keyboard->key(KanaKeyCode(u'ｽ'))->isEnabled());

    press(u'ﾏ');
    press(u'ﾓ');
    EXPECT_EQ(rows(), QStringList{QStringLiteral("ﾔﾏﾓﾄﾊﾅｺ/0333333333")});
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_EQ(search->text(), QStringLiteral("ﾔﾏ"));
    EXPECT_EQ(rows().size(), 2);

    // A name typed into the field directly searches too; no match disables the button.
    search->setText(QStringLiteral("ｱ"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(go->isEnabled());
}

TEST_F(CustomerSearchDialog, ChosenCustomerGivesItsPhoneNumber)
{
    press(u'ﾔ');
    list()->setCurrentItem(list()->topLevelItem(1));
    QTest::mouseClick(find<QPushButton>("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->chosenTel(), "0333333333");
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(CustomerSearchDialog, DoubleClickChoosesAndCancelChoosesNothing)
{
    press(u'ｽ');
    QTreeWidgetItem *item = list()->topLevelItem(0);
    ASSERT_NE(item, nullptr);
    const QRect rect = list()->visualItemRect(item);
    // The first click of a double click arrives as an ordinary click.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->chosenTel(), "0322222222");

    frmOrderSub other(records());
    other.show();
    QTest::mouseClick(other.findChild<QPushButton *>("cmdMoji" + QString::number(KanaKeyCode(u'ｽ'))), Qt::LeftButton);
    QTest::mouseClick(other.findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_TRUE(other.chosenTel().isEmpty());
}
