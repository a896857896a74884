// The change calculator: the digit-entry rules on their own, then the window by keys and clicks.
#include <gtest/gtest.h>

#include "mock/modal.h"
#include "orders/changecalculator.h"
#include "orders/ui/frmRegi.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{

ChangeCalculator keyed(const QString &price, const QList<int> &digits)
{
    ChangeCalculator c(price);
    for (int d : digits)
        c.Digit(d);
    return c;
}

} // namespace

TEST(ChangeCalculator, DigitsAreGroupedAndStopAtFiveDigits)
{
    ChangeCalculator c = keyed("1,280", {5, 0, 0, 0});
    EXPECT_EQ(c.Tendered(), "5,000");
    c.Compute();
    EXPECT_EQ(c.Change(), "3,720");

    c = keyed("", {1, 2, 3, 4, 5});
    EXPECT_EQ(c.Tendered(), "12,345");
    c.Digit(6);
    EXPECT_EQ(c.Tendered(), "12,345");
    c.Back();
    EXPECT_EQ(c.Tendered(), "1,234");
    c.Back();
    EXPECT_EQ(c.Tendered(), "123");
    c.Back();
    c.Back();
    EXPECT_EQ(c.Tendered(), "1");
    c.Back();
    EXPECT_EQ(c.Tendered(), "");
    c.Back();
    EXPECT_EQ(c.Tendered(), "");
}

TEST(ChangeCalculator, LeadingZerosVanish)
{
    ChangeCalculator c = keyed("", {0});
    EXPECT_EQ(c.Tendered(), "");
    c.Digit(0);
    c.Digit(7);
    EXPECT_EQ(c.Tendered(), "7");
    c.Clear();
    c.DoubleZero();
    EXPECT_EQ(c.Tendered(), "");
}

TEST(ChangeCalculator, DoubleZeroNeverPassesFiveDigits)
{
    ChangeCalculator c = keyed("", {1, 2, 3, 4});
    c.DoubleZero();
    EXPECT_EQ(c.Tendered(), "12,340");
    c.DoubleZero();
    EXPECT_EQ(c.Tendered(), "12,340");

    c = keyed("", {1, 2, 3});
    c.DoubleZero();
    EXPECT_EQ(c.Tendered(), "12,300");

    c = keyed("", {1});
    c.DoubleZero();
    c.DoubleZero();
    EXPECT_EQ(c.Tendered(), "10,000");
}

TEST(ChangeCalculator, ChangeIsEmptyWhenShortAndZeroWhenExact)
{
    ChangeCalculator c = keyed("1,280", {1, 0, 0, 0});
    c.Compute();
    EXPECT_EQ(c.Change(), "");
    c = keyed("1,280", {1, 2, 8, 0});
    c.Compute();
    EXPECT_EQ(c.Change(), "0");
    // Nothing tendered against nothing to pay is an exact payment as well.
    c = ChangeCalculator("");
    c.Compute();
    EXPECT_EQ(c.Change(), "0");
    // Every entry empties the change shown.
    c = keyed("1,280", {5, 0, 0, 0});
    c.Compute();
    c.Digit(0);
    EXPECT_EQ(c.Change(), "");
    c.Compute();
    EXPECT_EQ(c.Change(), "48,720");
    c.Back();
    EXPECT_EQ(c.Change(), "");
    c.Compute();
    c.Clear();
    EXPECT_EQ(c.Tendered(), "");
    EXPECT_EQ(c.Change(), "");
}

class RegiWindow : public ::testing::Test
{
  protected:
    QPushButton *button(const char *name) { return dlg->findChild<QPushButton *>(QLatin1String(name)); }
    QString shown(const char *name) { return dlg->findChild<QLabel *>(QLatin1String(name))->text(); }
    void open(const QString &total)
    {
        dlg = std::make_unique<frmRegi>(total);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    std::unique_ptr<frmRegi> dlg;
};

TEST_F(RegiWindow, OpensWithTheTotalWithoutItsYenSign)
{
    open(QStringLiteral("¥1,280"));
    EXPECT_EQ(dlg->windowTitle(), "お釣り計算機");
    EXPECT_EQ(shown("lblDai"), "1,280");
    EXPECT_EQ(shown("lblIn"), "");
    EXPECT_EQ(shown("lblBack"), "");
    const QStringList captions{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "00"};
    for (int i = 0; i <= 10; ++i) {
        QPushButton *b = button(QStringLiteral("cmdNum%1").arg(i).toLatin1().constData());
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_EQ(b, dlg->cmdNum[size_t(i)]);
    }
    EXPECT_EQ(button("cmdBack")->text(), "Back");
    EXPECT_EQ(button("cmdClear")->text(), "Clear");
    EXPECT_EQ(button("cmdGo")->text(), "＝");
    EXPECT_EQ(button("cmdCancel")->text(), "閉じる");
}

TEST_F(RegiWindow, KeyboardDigitsAndEnterGiveTheChange)
{
    open(QStringLiteral("¥1,280"));
    QTest::keyClick(dlg.get(), Qt::Key_5);
    QTest::keyClick(dlg.get(), Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(dlg.get(), Qt::Key_0);
    QTest::keyClick(dlg.get(), Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(shown("lblIn"), "5,000");
    QTest::keyClick(dlg.get(), Qt::Key_Return);
    EXPECT_EQ(shown("lblBack"), "3,720");
    EXPECT_TRUE(button("cmdCancel")->hasFocus());
    // Keys keep working while "閉じる" has the focus.
    QTest::keyClick(button("cmdCancel"), Qt::Key_Backspace);
    EXPECT_EQ(shown("lblIn"), "500");
    EXPECT_EQ(shown("lblBack"), "");
    EXPECT_TRUE(dlg->isVisible());
    QTest::keyClick(button("cmdCancel"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(shown("lblBack"), "");
    QTest::keyClick(button("cmdCancel"), Qt::Key_Delete);
    EXPECT_EQ(shown("lblIn"), "");
}

TEST_F(RegiWindow, KeypadSeparatorGivesTheChangeLikeEnter)
{
    open(QStringLiteral("¥1,280"));
    for (Qt::Key digit : {Qt::Key_2, Qt::Key_0, Qt::Key_0, Qt::Key_0})
        QTest::keyClick(dlg.get(), digit, Qt::KeypadModifier);
    // The main keyboard's comma and full stop do nothing.
    QTest::keyClick(dlg.get(), Qt::Key_Comma);
    QTest::keyClick(dlg.get(), Qt::Key_Period);
    EXPECT_EQ(shown("lblIn"), "2,000");
    EXPECT_EQ(shown("lblBack"), "");
    QTest::keyClick(dlg.get(), Qt::Key_Comma, Qt::KeypadModifier);
    EXPECT_EQ(shown("lblBack"), "720");
    EXPECT_TRUE(button("cmdCancel")->hasFocus());
    // Also while "閉じる" has the focus, and from the keypad's decimal key.
    QTest::keyClick(button("cmdCancel"), Qt::Key_Backspace);
    EXPECT_EQ(shown("lblBack"), "");
    QTest::keyClick(button("cmdCancel"), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(button("cmdCancel"), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(shown("lblIn"), "2,005");
    EXPECT_EQ(shown("lblBack"), "725");
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(RegiWindow, ButtonsFollowTheEntryRules)
{
    open(QStringLiteral("¥980"));
    for (const char *name : {"cmdNum1", "cmdNum2", "cmdNum3", "cmdNum4", "cmdNum5", "cmdNum6"})
        QTest::mouseClick(button(name), Qt::LeftButton);
    EXPECT_EQ(shown("lblIn"), "12,345");
    QTest::mouseClick(button("cmdBack"), Qt::LeftButton);
    EXPECT_EQ(shown("lblIn"), "1,234");
    QTest::mouseClick(button("cmdNum10"), Qt::LeftButton);
    EXPECT_EQ(shown("lblIn"), "12,340");
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(shown("lblBack"), "11,360");
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(shown("lblIn"), "");
    EXPECT_EQ(shown("lblBack"), "");
    QTest::mouseClick(button("cmdNum0"), Qt::LeftButton);
    EXPECT_EQ(shown("lblIn"), "");
    QTest::mouseClick(button("cmdNum5"), Qt::LeftButton);
    QTest::mouseClick(button("cmdNum0"), Qt::LeftButton);
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(shown("lblBack"), "");
}

TEST(RegiModal, ClosesWithItsCloseButton)
{
    frmRegi dlg(QStringLiteral("¥500"));
    ModalHandler handler([](QWidget *w) {
        QTest::keyClick(w, Qt::Key_1);
        QTest::keyClick(w, Qt::Key_0);
        QTest::keyClick(w, Qt::Key_0);
        QTest::keyClick(w, Qt::Key_0);
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_EQ(w->findChild<QLabel *>("lblBack")->text(), "500");
        QTest::mouseClick(w->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    });
    dlg.exec();
    EXPECT_TRUE(handler.done());
    EXPECT_FALSE(dlg.isVisible());
}
