// The main window: menus, left panel, refusals, the "Close" button, refresh on activation,
// the edit menu and help.
#include <gtest/gtest.h>

#include "mock/waitfor.h"
#include "app/commands.h"
#include "app/commandtable.h"
#include "app/frmMain.h"
#include "app/leftpanel.h"
#include "mock/shellrecorder.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/ui/refreshable.h"
#include "store/appdata.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace
{

class CountingChild : public QWidget, public Refreshable
{
  public:
    explicit CountingChild(int *counter) : m_counter(counter) { setWindowTitle(QStringLiteral("テスト子")); }
    void Re_view() override { ++*m_counter; }

  private:
    int *m_counter;
};

struct MainWindowTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};

    void SetUp() override
    {
        data.records.OpenRecordFiles();
        data.records.BuildIndexes();
    }
    void TearDown() override
    {
        for (Command c :
             {Command::Jokyo, Command::CustView, Command::SalesView, Command::CustBunseki, Command::SetShien})
            UnregisterCommand(c);
    }
    QAction *action(frmMain &w, const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); }
};

QStringList menuTitles(QMenuBar *bar)
{
    QStringList titles;
    for (QAction *a : bar->actions())
        titles << a->text();
    return titles;
}

} // namespace

TEST_F(MainWindowTest, MenuBarHoldsEveryCommandWithItsCaption)
{
    frmMain w(data);
    EXPECT_EQ(menuTitles(w.menuBar()),
              (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾒﾆｭｰ(&M)", "ﾂｰﾙ(&T)", "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
    const std::pair<const char *, const char *> items[] = {
        {"mnuFileExit", "ソラノワの終了(&X)"},
        {"mnuEditCut", "切り取り(&T)"},
        {"mnuEditCopy", "コピー(&C)"},
        {"mnuEditPaste", "貼り付け(&P)"},
        {"mnuJokyo", "注文状況(&J)"},
        {"mnuUketsuke", "注文受付(&U)"},
        {"mnuCustNew", "新規登録(&N)"},
        {"mnuCustView", "検索・変更・削除(&S)"},
        {"mnuCustBunseki", "顧客分析(&B)"},
        {"mnuCustDM", "DM発行(&D)"},
        {"mnuCustTel", "電話帳データ(&T)"},
        {"mnuSalesView", "売上検索(&S)"},
        {"mnuSalesBunseki", "売上分析(&B)"},
        {"mnuSetMenu", "出前ﾒﾆｭｰ設定(&M)"},
        {"mnuSetShien", "入力支援(&H)"},
        {"mnuSetShop", "店舗設定(&S)"},
        {"mnuSetStaff", "ｽﾀｯﾌ設定(&F)"},
        {"mnuSetCti", "CTI設定(&C)"},
        {"mnuBackup", "ﾊﾞｯｸｱｯﾌﾟ(&B)"},
        {"mnuRestore", "ﾊﾞｯｸｱｯﾌﾟﾌｧｲﾙの復元(&R)"},
        {"mnuSettei", "詳細設定(&S)..."},
        {"mnuHelpContents", "目次(&C)"},
        {"mnuWebTop", "ソラノワ ﾄｯﾌﾟﾍﾟｰｼﾞ(&T)"},
        {"mnuWebProduct", "ソラノワ 製品情報(&P)"},
    };
    for (const auto &[name, caption] : items) {
        QAction *a = action(w, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
    }
    const QStringList submenus = {"ﾒｲﾝﾒﾆｭｰ(&M)", "顧客管理(&C)", "売上管理(&U)", "設定(&S)", "ﾒﾝﾃﾅﾝｽ(&T)"};
    QStringList found;
    for (QAction *a : w.findChild<QMenu *>("mnuMenu")->actions())
        found << a->text();
    EXPECT_EQ(found, submenus);
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowStayDisabled)
{
    RegisterCommand(Command::CustView, {[](AppData &, frmMain &) { return new QWidget; }, nullptr});
    frmMain w(data);
    EXPECT_TRUE(action(w, "mnuCustView")->isEnabled());
    EXPECT_FALSE(action(w, "mnuUketsuke")->isEnabled());
    EXPECT_FALSE(w.cmdUketsuke->isEnabled());
    // The panel button follows its menu command.
    auto *panelButton = w.findChild<QToolButton *>("pnl_mnuUketsuke");
    ASSERT_NE(panelButton, nullptr);
    EXPECT_FALSE(panelButton->isEnabled());
    EXPECT_TRUE(w.findChild<QToolButton *>("pnl_mnuCustView")->isEnabled());
    EXPECT_EQ(w.findChild<QToolButton *>("pnl_mnuCustView")->text(), QStringLiteral("検索・変更・削除"));
}

TEST_F(MainWindowTest, AnalysisAndMailingAreRefusedWithoutData)
{
    frmMain w(data);
    action(w, "mnuCustBunseki")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("顧客未登録"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客データが登録されていないため、表示できません。"));

    action(w, "mnuCustDM")->trigger();
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("顧客未登録"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客データが存在しないため、表示できません。"));

    action(w, "mnuSalesBunseki")->trigger();
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.last().title, QStringLiteral("売上未登録"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("売上データが存在しないため、表示できません。"));
}

TEST_F(MainWindowTest, AnalysisOpensWhenCustomersExist)
{
    CustomerRecord customer;
    customer.CustomerId = 1;
    customer.Tel = QStringLiteral("0312345678");
    ASSERT_TRUE(data.records.AddCustomer(customer));
    int refreshed = 0;
    RegisterCommand(Command::CustBunseki,
                    {[&refreshed](AppData &, frmMain &) { return new CountingChild(&refreshed); }, nullptr});
    frmMain w(data);
    action(w, "mnuCustBunseki")->trigger();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 1);
}

TEST_F(MainWindowTest, CloseButtonFollowsTheOpenChildWindows)
{
    int refreshed = 0;
    RegisterCommand(Command::CustView,
                    {[&refreshed](AppData &, frmMain &) { return new CountingChild(&refreshed); }, nullptr});
    RegisterCommand(Command::SalesView,
                    {[&refreshed](AppData &, frmMain &) { return new CountingChild(&refreshed); }, nullptr});
    frmMain w(data);
    w.show();
    EXPECT_FALSE(w.tlbClose->isEnabled());

    action(w, "mnuCustView")->trigger();
    action(w, "mnuSalesView")->trigger();
    EXPECT_TRUE(w.tlbClose->isEnabled());
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 2);
    // Asking again brings the open window forward instead of opening a second one.
    action(w, "mnuCustView")->trigger();
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 2);

    w.tlbClose->trigger();
    WAIT_UNTIL_EQ(w.mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(w.tlbClose->isEnabled());
    w.tlbClose->trigger();
    WAIT_UNTIL_EQ(w.mdiArea()->subWindowList().size(), 0);
    WAIT_UNTIL(!w.tlbClose->isEnabled());

    action(w, "mnuCustView")->trigger();
    EXPECT_TRUE(w.tlbClose->isEnabled());
}

TEST_F(MainWindowTest, ActivationRefreshesNoticeAndActiveChild)
{
    data.settings.Shop.NoticeLine = QStringLiteral("今日も1日頑張りましょう！");
    int refreshed = 0;
    RegisterCommand(Command::Jokyo,
                    {[&refreshed](AppData &, frmMain &) { return new CountingChild(&refreshed); }, nullptr});
    frmMain w(data);
    // The board-like first child opens with the frame.
    EXPECT_EQ(w.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(w.lblRenraku->text(), QStringLiteral("連絡事項：今日も1日頑張りましょう！"));

    data.settings.Shop.NoticeLine = QStringLiteral("本日は雨のため配達遅れ");
    const int before = refreshed;
    w.RefreshOnActivation();
    EXPECT_EQ(w.lblRenraku->text(), QStringLiteral("連絡事項：本日は雨のため配達遅れ"));
    EXPECT_EQ(refreshed, before + 1);
}

TEST_F(MainWindowTest, EditMenuFollowsTheFocusedTextBox)
{
    RegisterCommand(Command::CustView, {[](AppData &, frmMain &) {
                                            auto *e = new QLineEdit;
                                            e->setObjectName("txtProbe");
                                            return static_cast<QWidget *>(e);
                                        },
                                        nullptr});
    frmMain w(data);
    w.show();
    QApplication::setActiveWindow(&w);
    action(w, "mnuCustView")->trigger();
    auto *edit = w.findChild<QLineEdit *>("txtProbe");
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    WAIT_UNTIL_EQ(QApplication::focusWidget(), edit);

    QApplication::clipboard()->clear();
    edit->setText(QStringLiteral("ﾔﾏﾀﾞ"));
    edit->deselect();
    emit w.mnuEdit->aboutToShow();
    EXPECT_FALSE(w.mnuEditCut->isEnabled());
    EXPECT_FALSE(w.mnuEditCopy->isEnabled());
    EXPECT_FALSE(w.mnuEditPaste->isEnabled());

    edit->selectAll();
    emit w.mnuEdit->aboutToShow();
    EXPECT_TRUE(w.mnuEditCut->isEnabled());
    EXPECT_TRUE(w.mnuEditCopy->isEnabled());

    w.mnuEditCut->trigger();
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ﾔﾏﾀﾞ"));
    emit w.mnuEdit->aboutToShow();
    EXPECT_TRUE(w.mnuEditPaste->isEnabled());
    w.mnuEditPaste->trigger();
    EXPECT_EQ(edit->text(), QStringLiteral("ﾔﾏﾀﾞ"));

    // Focus outside a text box: everything off.
    w.lblRenraku->setFocusPolicy(Qt::StrongFocus);
    w.lblRenraku->setFocus();
    WAIT_UNTIL_EQ(QApplication::focusWidget(), static_cast<QWidget *>(w.lblRenraku));
    emit w.mnuEdit->aboutToShow();
    EXPECT_FALSE(w.mnuEditPaste->isEnabled());
}

TEST_F(MainWindowTest, LeftPanelSlidesTheChosenGroupOpen)
{
    frmMain w(data);
    w.resize(1280, 800);
    w.show();
    LeftPanel *panel = w.picLeftMenu;
    ASSERT_EQ(panel->groupCount(), 5);
    QStringList titles;
    for (int i = 0; i < 5; ++i)
        titles << panel->header(i)->text();
    EXPECT_EQ(titles, (QStringList{"メインメニュー", "顧客管理", "売上管理", "設定", "メンテナンス"}));

    const int h = LeftPanel::headerHeight();
    QTest::mouseClick(panel->header(2), Qt::LeftButton);
    EXPECT_EQ(panel->openGroupIndex(), 2);
    EXPECT_EQ(panel->header(0)->y(), 0);
    EXPECT_EQ(panel->header(2)->y(), 2 * h);
    EXPECT_EQ(panel->header(4)->y(), panel->height() - h);
    EXPECT_EQ(panel->header(3)->y(), panel->height() - 2 * h);
    EXPECT_TRUE(w.findChild<QToolButton *>("pnl_mnuSalesView")->isVisibleTo(panel));
    EXPECT_FALSE(w.findChild<QToolButton *>("pnl_mnuJokyo")->isVisibleTo(panel));
}

TEST_F(MainWindowTest, WindowMenuListsOpenChildren)
{
    int n = 0;
    RegisterCommand(Command::CustView, {[&n](AppData &, frmMain &) { return new CountingChild(&n); }, nullptr});
    frmMain w(data);
    action(w, "mnuCustView")->trigger();
    emit w.mnuWindow->aboutToShow();
    ASSERT_EQ(w.mnuWindow->actions().size(), 1);
    EXPECT_TRUE(w.mnuWindow->actions().first()->text().endsWith(QStringLiteral("テスト子")));
}

TEST_F(MainWindowTest, HelpAndWebPagesOpenInTheBrowser)
{
    ShellRecorder shell;
    frmMain w(data);
    w.mnuHelpContents->trigger();
    w.mnuWebTop->trigger();
    w.mnuWebProduct->trigger();
    ASSERT_EQ(shell.opened.size(), 3);
    EXPECT_TRUE(shell.opened[0].toLocalFile().endsWith(QStringLiteral("/help/index.html")));
    EXPECT_EQ(shell.opened[1], ProductTopPageUrl());
    EXPECT_EQ(shell.opened[2], ProductInfoPageUrl());
}

TEST(HelpPages, EveryPageIsReachableFromTheContents)
{
    // The pages travel beside the program; topic pages are opened by number from their windows.
    const QDir help(QFileInfo(QStringLiteral(SORANOWA_PROGRAM_PATH)).absolutePath() + QStringLiteral("/help"));
    QFile index(help.filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly)) << index.fileName().toStdString();
    const QString contents = QString::fromUtf8(index.readAll());
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_GT(pages.size(), 10);
    for (const QString &page : pages) {
        if (page == QLatin1String("index.html") || page.startsWith(QLatin1String("topic")))
            continue;
        EXPECT_TRUE(contents.contains(QStringLiteral("href=\"%1\"").arg(page))) << page.toStdString();
    }
}

TEST_F(MainWindowTest, CallerPanelsShowWhatTheyAreGiven)
{
    frmMain w(data);
    w.SetCallerPanels(QStringLiteral("0312345678 ﾔﾏﾀﾞ"), QStringLiteral("0399999999"));
    EXPECT_EQ(w.sbrCaller->text(), QStringLiteral("0312345678 ﾔﾏﾀﾞ"));
    EXPECT_EQ(w.sbrReplaced->text(), QStringLiteral("0399999999"));
}

TEST_F(MainWindowTest, ActiveChildRefreshesOnceForEachActivation)
{
    int cust = 0, sales = 0, dialogs = 0;
    RegisterCommand(Command::CustView, {[&cust](AppData &, frmMain &) { return new CountingChild(&cust); }, nullptr});
    RegisterCommand(Command::SalesView,
                    {[&sales](AppData &, frmMain &) { return new CountingChild(&sales); }, nullptr});
    RegisterCommand(Command::SetShien, {nullptr, [&dialogs](AppData &, frmMain &) { ++dialogs; }});
    frmMain w(data);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QApplication::processEvents();

    action(w, "mnuCustView")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(cust, 1);
    QMdiSubWindow *custSub = w.mdiArea()->activeSubWindow();
    action(w, "mnuSalesView")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(sales, 1);
    EXPECT_EQ(cust, 1);
    w.mdiArea()->setActiveSubWindow(custSub);
    QApplication::processEvents();
    EXPECT_EQ(cust, 2);
    EXPECT_EQ(sales, 1);

    // Another window takes the activation and gives it back: the frame and the area both say
    // so, the active child refreshes once.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    EXPECT_EQ(cust, 3);
    // What an X server delivers when another program hands the focus back: the area
    // activates its child again and the frame is activated, in one go.
    emit w.mdiArea()->subWindowActivated(custSub);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activate);
    QApplication::processEvents();
    EXPECT_EQ(cust, 4);

    // A dialog of the frame closing refreshes it too, even where the frame is not activated again.
    action(w, "mnuSetShien")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(cust, 5);
    EXPECT_EQ(sales, 1);
    UnregisterCommand(Command::SetShien);
}

TEST_F(MainWindowTest, EveryCommandRowIsInItsMenuAndPanelGroup)
{
    frmMain w(data);
    int panelButtons = 0;
    for (const CommandRow &row : CommandTable()) {
        const std::string name = row.objectName.toStdString();
        QAction *a = w.commandAction(row.command);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->objectName(), row.objectName);
        EXPECT_EQ(a->text(), row.caption);
        EXPECT_FALSE(a->icon().isNull()) << name;
        const auto group = std::find_if(CommandGroups().begin(), CommandGroups().end(),
                                        [&](const CommandGroupInfo &g) { return g.group == row.group; });
        ASSERT_NE(group, CommandGroups().end()) << name;
        auto *menu = w.findChild<QMenu *>(group->menuName);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_TRUE(menu->actions().contains(a)) << name;
        auto *button = w.findChild<QToolButton *>(QStringLiteral("pnl_") + row.objectName);
        if (group->panelTitle.isEmpty()) {
            EXPECT_EQ(button, nullptr) << name;
            continue;
        }
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->parentWidget()->objectName(), group->panelName + QStringLiteral("Items")) << name;
        ++panelButtons;
    }
    EXPECT_EQ(panelButtons, 16);

    // A window registered for a row is what the row opens.
    int opened = 0;
    RegisterCommand(Command::SetShien, {nullptr, [&opened](AppData &, frmMain &) { ++opened; }});
    w.RefreshOnActivation();
    ASSERT_TRUE(w.findChild<QToolButton *>("pnl_mnuSetShien")->isEnabled());
    QTest::mouseClick(w.findChild<QToolButton *>("pnl_mnuSetShien"), Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}
