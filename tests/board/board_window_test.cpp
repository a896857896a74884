// The order board window, driven by objectName offscreen.
#include "boardtest.h"

#include "app/commands.h"
#include "app/frmMain.h"
#include "board/ui/frmJokyo.h"
#include "mock/modal.h"
#include "mock/shellrecorder.h"
#include "store/prefs.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace
{

struct BoardWindowTest : BoardTest {
    template <typename T> static T *child(QWidget &w, const char *name)
    {
        T *found = w.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString label(QWidget &w, const char *name) { return child<QLabel>(w, name)->text(); }
    static QStringList column(QTreeWidget *list, int c)
    {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(c);
        return out;
    }
    static void clickHeader(QTreeWidget *list, int section)
    {
        QHeaderView *h = list->header();
        const int x = h->sectionViewportPosition(section) + h->sectionSize(section) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
    }
    static void setAllHooks(frmJokyo &w, int *calls)
    {
        w.openProgress = w.openOrderChange = w.openCustomer = [calls](const StoredOrder &) { ++*calls; };
        w.preview = w.print = [calls](const StoredOrder &, PrintKind) { ++*calls; };
    }
};

const char *const kCommands[] = {"mnuShinko", "mnuTorikeshi", "mnuKokyaku", "mnuChizu", "mnuPreview",
                                 "mnuPrint",  "mnuHenko",     "tlbPreview", "tlbPrint", "tlbHenko"};

} // namespace

TEST_F(BoardWindowTest, EmptyBoardDisablesEveryCommand)
{
    frmJokyo w(data);
    int calls = 0;
    setAllHooks(w, &calls);
    w.Re_view();
    for (const char *name : kCommands)
        EXPECT_FALSE(child<QAction>(w, name)->isEnabled()) << name;
    for (const char *name : {"cmdShinko", "cmdKokyaku", "cmdChizu"})
        EXPECT_FALSE(child<QPushButton>(w, name)->isEnabled()) << name;
    EXPECT_FALSE(w.lsvMain->isEnabled());
    EXPECT_FALSE(w.lsvOrder->isEnabled());
    EXPECT_TRUE(label(w, "lblName").isEmpty() && label(w, "lblTotal").isEmpty());
    EXPECT_EQ(w.SelectedCustomerName(), "");
    EXPECT_EQ(w.findChild<QMenu *>("mnuOrder")->title(), "注文操作(&T)");
    EXPECT_EQ(w.cmdShinko->text(), "出前進行状態入力(&J)");
    EXPECT_EQ(w.mnuShinko->text(), "出前進行状況入力(&J)");
}

TEST_F(BoardWindowTest, RowsSelectionHooksAndCancel)
{
    addCustomer(1, "ﾔﾏﾀﾞ");
    addCustomer(2, "ｽｽﾞｷ", "0000000");
    addSale(today, 1, 1, 1, [](SalesRecord &s) { s.ServiceDiscount = -100; });
    addSale(today, 2, 2, 2);
    addSale(today, 3, 1, 3);
    frmJokyo w(data);
    w.resize(1100, 650);
    w.show();
    QTreeWidget *list = w.lsvMain;
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(column(list, 0), (QStringList{"1:注文受付", "2:出前出発", "3:容器未回収"}));
    EXPECT_EQ(list->topLevelItem(1)->foreground(3).color(), QColor(255, 255, 0));
    EXPECT_EQ(list->columnWidth(0), 125);
    EXPECT_EQ(list->columnWidth(6), 68);
    EXPECT_EQ(list->headerItem()->text(6), "容器回収");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_EQ(column(w.lsvOrder, 0), (QStringList{"ラーメン（大盛り）", "餃子", "サービス割引"}));
    EXPECT_EQ(label(w, "lblTotal"), "¥1,600");
    EXPECT_TRUE(w.cmdChizu->isEnabled());
    EXPECT_FALSE(w.cmdShinko->isEnabled()); // no progress window yet
    EXPECT_TRUE(w.mnuTorikeshi->isEnabled());

    // Order entry hands over a new order; a refresh shows it selected with its detail.
    w.SetSelectedOrderKey("202405102");
    w.Re_view();
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_EQ(label(w, "lblName"), "ｽｽﾞｷ");
    EXPECT_EQ(w.SelectedOrderStaff(), "田中");
    EXPECT_FALSE(w.cmdChizu->isEnabled()); // "0000000"
    EXPECT_EQ(w.lsvOrder->topLevelItemCount(), 2);

    // A click selects; the progress window sees that order and the board refreshes afterwards.
    QString seenKey;
    int seenCustomer = 0;
    w.openProgress = [&](const StoredOrder &order) {
        seenKey = order.Sale.OrderKey();
        seenCustomer = order.CustomerPos;
        SalesRecord done = order.Sale;
        done.Status = 0;
        data.records.UpdateSale(order.SalePos, done);
    };
    w.Re_view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(2)).center());
    EXPECT_EQ(w.SelectedOrderKey(), "202405103");
    ASSERT_TRUE(w.cmdShinko->isEnabled());
    QTest::mouseClick(w.cmdShinko, Qt::LeftButton);
    EXPECT_EQ(seenKey, "202405103");
    EXPECT_EQ(seenCustomer, 1);
    EXPECT_EQ(list->topLevelItem(2)->text(0), "4:完了!");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    // A double-click makes the row the remembered one before the progress window opens.
    const QPoint second = list->visualItemRect(list->topLevelItem(1)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(seenKey, "202405102");
    EXPECT_EQ(w.SelectedOrderKey(), "202405102");

    // Cancelling from the menu asks with the row's name and removes the row.
    prompt.answerNext(PromptAnswer::Yes);
    w.mnuTorikeshi->trigger();
    EXPECT_EQ(prompt.last().text, "「ｽｽﾞｷ」様の注文を取り消しますか？");
    EXPECT_EQ(column(list, 0), (QStringList{"1:注文受付", "4:完了!"}));
    EXPECT_EQ(w.SelectedOrderKey(), "202405101");
}

TEST_F(BoardWindowTest, DeletedCustomerRowStaysWorkable)
{
    ShellRecorder shell;
    addCustomer(1, "ﾔﾏﾀﾞ");
    addSale(today, 1, 1, 1);
    addSale(today, 2, 5, 1);
    frmJokyo w(data);
    w.show();
    int calls = 0;
    setAllHooks(w, &calls);
    w.SetSelectedOrderKey("202405102");
    w.Re_view();
    EXPECT_EQ(w.lsvMain->currentItem()->text(1), "削除されています");
    EXPECT_EQ(label(w, "lblName"), "削除されています");
    EXPECT_TRUE(label(w, "lblAddress").isEmpty() && label(w, "lblZip").isEmpty() && label(w, "lblStaff").isEmpty());
    EXPECT_FALSE(w.cmdKokyaku->isEnabled());
    EXPECT_FALSE(w.mnuKokyaku->isEnabled());
    EXPECT_FALSE(w.cmdChizu->isEnabled());
    EXPECT_TRUE(w.cmdShinko->isEnabled() && w.tlbHenko->isEnabled() && w.tlbPrint->isEnabled());

    // The map from the menu explains why it cannot show anything.
    w.mnuChizu->trigger();
    EXPECT_EQ(prompt.last().title, "表示不可能");
    EXPECT_TRUE(shell.opened.isEmpty());

    // Work on the row goes on and it stays selected.
    QString kind;
    int printedCustomer = 0;
    w.print = [&](const StoredOrder &order, PrintKind k) {
        kind = PrintKindName(k);
        printedCustomer = order.CustomerPos;
    };
    w.tlbPrint->trigger();
    EXPECT_EQ(kind, "Nohin");
    EXPECT_EQ(printedCustomer, -1);
    EXPECT_EQ(w.SelectedOrderKey(), "202405102");
    EXPECT_EQ(w.SelectedCustomerName(), "削除されています");

    // The other row's customer has a map.
    w.SetSelectedOrderKey("202405101");
    w.Re_view();
    ASSERT_TRUE(w.cmdKokyaku->isEnabled() && w.cmdChizu->isEnabled());
    QTest::mouseClick(w.cmdChizu, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], MapUrlForZip("1600023"));
    QTest::mouseClick(w.cmdKokyaku, Qt::LeftButton);
    EXPECT_EQ(calls, 1);
}

TEST_F(BoardWindowTest, HeaderClicksSortAndAreRemembered)
{
    addCustomer(1, "ｲｲﾀﾞ");
    addCustomer(2, "ｳｴﾉ");
    addCustomer(3, "ｱｵｷ");
    addSale(today, 1, 1, 1, [](SalesRecord &s) { s.ItemQty[2] = 12; });
    addSale(today, 2, 2, 1);
    addSale(today, 3, 3, 1);
    {
        frmJokyo w(data);
        w.show();
        clickHeader(w.lsvMain, 1);
        EXPECT_EQ(column(w.lsvMain, 1), (QStringList{"ｱｵｷ", "ｲｲﾀﾞ", "ｳｴﾉ"}));
        EXPECT_EQ((QStringList{GetPref("SET", "SORTKEY"), GetPref("SET", "SORT_AZ")}), (QStringList{"1", "0"}));
        clickHeader(w.lsvMain, 1);
        EXPECT_EQ(column(w.lsvMain, 1), (QStringList{"ｳｴﾉ", "ｲｲﾀﾞ", "ｱｵｷ"}));
        EXPECT_EQ(GetPref("SET", "SORT_AZ"), "1");

        // The detail list sorts quantities as numbers and saves nothing.
        w.SetSelectedOrderKey("202405101");
        w.Re_view();
        EXPECT_EQ(column(w.lsvMain, 1), (QStringList{"ｳｴﾉ", "ｲｲﾀﾞ", "ｱｵｷ"})); // kept across refresh
        clickHeader(w.lsvOrder, 1);
        EXPECT_EQ(column(w.lsvOrder, 1), (QStringList{"2", "12"}));
        clickHeader(w.lsvOrder, 1);
        EXPECT_EQ(column(w.lsvOrder, 1), (QStringList{"12", "2"}));
        EXPECT_EQ(GetPref("SET", "SORTKEY"), "1");
    }
    frmJokyo reopened(data);
    EXPECT_EQ(column(reopened.lsvMain, 1), (QStringList{"ｳｴﾉ", "ｲｲﾀﾞ", "ｱｵｷ"}));
}

TEST_F(BoardWindowTest, MainWindowOpensTheBoardFirstAndShowsItAgain)
{
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister()
        {
            UnregisterCommand(Command::SetShop);
            UnregisterCommand(Command::Jokyo);
        }
    } unregister;
    addCustomer(1, "ﾔﾏﾀﾞ");
    addSale(today, 1, 1, 1);
    frmMain main(data);
    QMdiArea *mdi = main.mdiArea();
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    auto *board = qobject_cast<frmJokyo *>(mdi->subWindowList()[0]->widget());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->lsvMain->topLevelItemCount(), 1);
    mdi->subWindowList()[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
    main.findChild<QAction *>("mnuJokyo")->trigger();
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    auto *reopened = qobject_cast<frmJokyo *>(mdi->activeSubWindow()->widget());
    ASSERT_NE(reopened, nullptr);

    // The progress command of the program's board opens the progress dialog on the order.
    ASSERT_TRUE(reopened->cmdShinko->isEnabled());
    QString title;
    ModalHandler progress([&title](QWidget *dialog) {
        title = dialog->windowTitle();
        dialog->close();
    });
    QTest::mouseClick(reopened->cmdShinko, Qt::LeftButton);
    EXPECT_TRUE(progress.done());
    EXPECT_EQ(title, QStringLiteral("出前状況入力 - [ ﾔﾏﾀﾞ 様]"));

    // So do the order change and the preview.
    for (QAction *command : {reopened->tlbHenko, reopened->tlbPreview}) {
        ASSERT_TRUE(command->isEnabled());
        QString opened;
        ModalHandler dialog([&opened](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        command->trigger();
        EXPECT_TRUE(dialog.done());
        EXPECT_EQ(opened,
                  command == reopened->tlbHenko ? QStringLiteral("frmOrderChange") : QStringLiteral("frmPreview"));
    }
}
