// The order window's automatic customer check on a real desktop: another program taking the
// focus and giving it back is not a switch between the program's own windows.
#include "desktop/desktopfixture.h"
#include "desktop/xsession.h"

#include "mock/modal.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/menuboardpanel.h"
#include "store/prefs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

namespace
{

// Another X client takes the focus, then the frame gets it back, as with a window manager's
// task switch.
class FocusThief
{
  public:
    FocusThief()
    {
        m_client.start(QStringLiteral("xmessage"),
                       {QStringLiteral("-title"), QStringLiteral("FocusThief"), QStringLiteral("別のプログラム")});
    }
    ~FocusThief()
    {
        m_client.kill();
        m_client.waitForFinished(3000);
    }
    // True once the program has lost the activation to the other client.
    bool takeFocus()
    {
        RunXTool(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                  QStringLiteral("FocusThief"), QStringLiteral("windowactivate"), QStringLiteral("--sync")});
        return QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }, 5000);
    }
    // True once `window` is the active window again.
    static bool giveBack(QWidget *window)
    {
        RunXTool(QStringLiteral("xdotool"),
                 {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window->winId())});
        const bool back = QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000);
        QTest::qWait(100); // whatever the activation queued has run
        return back;
    }

  private:
    QProcess m_client;
};

using DesktopActivation = DesktopTest;

} // namespace

TEST(OrderWindowOnADesktop, AnotherProgramTakingTheFocusLeavesTypedCallerAlone)
{
    XSession session(QSize(1366, 768));
    if (!session.ok())
        GTEST_SKIP() << session.error().toStdString();
    const XSession::Run run = session.runBody(QStringLiteral("DesktopActivation.TypedCallerSurvivesAProgramSwitch"));
    EXPECT_TRUE(run.passed) << run.output.toStdString();
}

TEST_F(DesktopActivation, TypedCallerSurvivesAProgramSwitch)
{
    if (!InsideXSession())
        GTEST_SKIP() << "runs inside the X session OrderWindowOnADesktop starts";
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    SavePref("SET", "MENU", "1");
    openFrame();
    QMdiSubWindow *boardSub = mdi()->activeSubWindow();
    ASSERT_NE(boardSub, nullptr);
    QMdiSubWindow *orderSub = nullptr;
    frmOrder *order = openChild<frmOrder>(Command::Uketsuke, &orderSub);
    ASSERT_NE(order, nullptr);

    // A new caller, typed in.
    QTest::keyClicks(order->txtTel, QStringLiteral("98765432"));
    ASSERT_EQ(order->txtTel->text(), QStringLiteral("0398765432"));
    QTest::mouseClick(order->cmdCheck, Qt::LeftButton);
    ASSERT_EQ(order->lblMsg->text(), QStringLiteral("新規客です"));
    order->txtNameKana->setText(QStringLiteral("ﾀﾅｶ"));
    order->txtShiku->setFocus();
    QTest::keyClicks(order->txtShiku, QStringLiteral("Minato 1-2"));

    FocusThief thief;
    ASSERT_TRUE(thief.takeFocus());
    ASSERT_TRUE(FocusThief::giveBack(frame.get()));
    EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ﾀﾅｶ"));
    EXPECT_EQ(order->txtShiku->text(), QStringLiteral("Minato 1-2"));
    EXPECT_EQ(order->lblMsg->text(), QStringLiteral("新規客です"));
    EXPECT_EQ(prompt.count(), 0);

    // The order window's own dialog closing.
    ModalHandler search([](QWidget *dlg) { dlg->close(); });
    order->txtTel->setFocus();
    QTest::keyClick(order->txtTel, Qt::Key_F10);
    EXPECT_TRUE(search.done());
    QTest::qWait(100);
    EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ﾀﾅｶ"));
    EXPECT_EQ(prompt.count(), 0);

    // A known caller with a line: no pending-order question on the way back either.
    order->txtTel->setText(QStringLiteral("0311112222"));
    QTest::mouseClick(order->cmdCheck, Qt::LeftButton);
    ASSERT_EQ(order->lblMsg->text(), QStringLiteral("顧客です"));
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    QTest::mouseClick(order->picFrame->cmdMenu[1], Qt::LeftButton);
    ASSERT_EQ(order->lsvMenu->topLevelItemCount(), 1);
    ASSERT_TRUE(thief.takeFocus());
    ASSERT_TRUE(FocusThief::giveBack(frame.get()));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(order->lsvMenu->topLevelItemCount(), 1);

    // Switching to the board and back is what runs the check.
    mdi()->setActiveSubWindow(boardSub);
    QTest::qWait(50);
    EXPECT_EQ(prompt.count(), 0);
    prompt.answerNext(PromptAnswer::Cancel);
    mdi()->setActiveSubWindow(orderSub);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.count() == 1; }, 3000));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("注文未確定商品の確認"));
    EXPECT_EQ(order->lsvMenu->topLevelItemCount(), 1);
}
