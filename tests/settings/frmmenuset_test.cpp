// The menu catalogue window and its three dialogs, driven offscreen by objectName; boxes answered
// by the test prompt, the stored files checked byte by byte.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmMenuGroup.h"
#include "settings/ui/frmMenuName.h"
#include "settings/ui/frmMenuSet.h"
#include "settings/ui/frmMenuSubName.h"
#include "store/cp932.h"
#include "store/settingfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace
{

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray Bytes(const char *utf8)
{
    return ToCp932(S(utf8));
}

// Japanese text arrives from the input method as committed text, not as key presses.
void commitText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

QStringList childTexts(const QTreeWidgetItem *node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

class MenuWindow : public ::testing::Test
{
  protected:
    void open()
    {
        dlg = std::make_unique<frmMenuSet>(tables);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        menu = dlg->findChild<QTreeWidget *>("tvwMenu");
        sub = dlg->findChild<QTreeWidget *>("tvwSub");
        ASSERT_NE(menu, nullptr);
        ASSERT_NE(sub, nullptr);
    }
    // Actions by objectName within their tool bar or menu ("btnChange" is in tlbMain and tlbSub).
    QAction *action(const char *owner, const char *name)
    {
        QObject *parent = dlg->findChild<QObject *>(QString::fromLatin1(owner));
        EXPECT_NE(parent, nullptr) << owner;
        auto *a = parent ? parent->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(a, nullptr) << owner << "/" << name;
        return a;
    }
    QTreeWidgetItem *root() { return menu->topLevelItem(0); }
    QTreeWidgetItem *subRoot() { return sub->topLevelItem(0); }
    QTreeWidgetItem *group(const QString &name)
    {
        for (int i = 0; i < root()->childCount(); ++i)
            if (root()->child(i)->text(0) == name)
                return root()->child(i);
        ADD_FAILURE() << name.toStdString();
        return root();
    }
    void select(QTreeWidget *tree, QTreeWidgetItem *node) { tree->setCurrentItem(node); }
    void selectItem(const QString &groupName, const QString &text)
    {
        QTreeWidgetItem *g = group(groupName);
        for (int i = 0; i < g->childCount(); ++i)
            if (g->child(i)->text(0) == text)
                menu->setCurrentItem(g->child(i));
        ASSERT_EQ(menu->currentItem()->text(0), text);
    }
    // Runs `act` on the dialog of type D once `start` has opened it; a dialog left open is cancelled.
    template <typename D> void withDialog(const std::function<void()> &start, const std::function<void(D &)> &act)
    {
        bool ran = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
            if (!d || ran)
                return;
            ran = true;
            timer.stop();
            act(*d);
            if (d->isVisible())
                d->reject();
        });
        timer.start(5);
        start();
        EXPECT_TRUE(ran);
    }
    template <typename D> static void ok(D &d) { QTest::mouseClick(d.cmdOK, Qt::LeftButton); }
    void clickSave() { QTest::mouseClick(dlg->findChild<QPushButton *>("cmdSave"), Qt::LeftButton); }
    void clickCancel() { QTest::mouseClick(dlg->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton); }
    // The enabling of everything that needs a selected group or item, as "1" / "0" per action.
    QString menuEnabling()
    {
        QString bits;
        for (const auto &[owner, name] : std::vector<std::pair<const char *, const char *>>{{"tlbMain", "btnMAdd"},
                                                                                            {"tlbMain", "btnChange"},
                                                                                            {"tlbMain", "btnDel"},
                                                                                            {"tlbSort", "btnUp"},
                                                                                            {"tlbSort", "btnDown"},
                                                                                            {"tlbSort50", "btn50"},
                                                                                            {"mnuMenu", "mnuMAdd"},
                                                                                            {"mnuMenu", "mnuChange"},
                                                                                            {"mnuMenu", "mnuDel"}})
            bits += action(owner, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
    QString subEnabling()
    {
        QString bits;
        for (const auto &[owner, name] : std::vector<std::pair<const char *, const char *>>{{"tlbSub", "btnChange"},
                                                                                            {"tlbSub", "btnDel"},
                                                                                            {"tlbSortSub", "btnUp"},
                                                                                            {"tlbSortSub", "btnDown"},
                                                                                            {"tlbSortSub50", "btn50"},
                                                                                            {"mnuSub", "mnuSubChange"},
                                                                                            {"mnuSub", "mnuSubDel"}})
            bits += action(owner, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
    void addGroup(const QString &name)
    {
        withDialog<frmMenuGroup>([&] { action("tlbMain", "btnGAdd")->trigger(); },
                                 [&](frmMenuGroup &d) {
                                     commitText(d.txtGroup, name);
                                     ok(d);
                                     EXPECT_FALSE(d.isVisible());
                                 });
    }
    void addItem(const QString &name, const QString &price, const QString &kana)
    {
        withDialog<frmMenuName>([&] { action("tlbMain", "btnMAdd")->trigger(); },
                                [&](frmMenuName &d) {
                                    commitText(d.txtName, name);
                                    commitText(d.txtMoney, price);
                                    commitText(d.txtNameKana, kana);
                                    ok(d);
                                    EXPECT_FALSE(d.isVisible());
                                });
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
    std::unique_ptr<frmMenuSet> dlg;
    QTreeWidget *menu = nullptr;
    QTreeWidget *sub = nullptr;
};

} // namespace

TEST_F(MenuWindow, AddRenameMoveSortDeleteSaveAndReopen)
{
    folder.write(SettingFiles::kMenu, Bytes("麺類\tかけそば\t500\tｶｹｿﾊﾞ\r\n"
                                            "麺類\tざるそば\t600\tｻﾞﾙｿﾊﾞ\r\n"
                                            "甘味\t\t0\t\r\n"));
    folder.write(SettingFiles::kMenuSub, Bytes("大盛\r\n"));
    ASSERT_TRUE(LoadMenuTable(tables));
    ASSERT_TRUE(LoadMenuOptionList(tables));
    open();
    EXPECT_EQ(dlg->windowTitle(), S("出前メニュー設定"));
    EXPECT_EQ(root()->text(0), S("出前メニュー"));
    EXPECT_EQ(subRoot()->text(0), S("メニュー補助項目"));
    EXPECT_TRUE(root()->isExpanded());
    EXPECT_EQ(menu->currentItem(), root());
    EXPECT_EQ(sub->currentItem(), subRoot());
    EXPECT_EQ(childTexts(root()), (QStringList{S("麺類"), S("甘味")}));
    EXPECT_FALSE(group(S("麺類"))->isExpanded());
    EXPECT_EQ(childTexts(group(S("麺類"))), (QStringList{S("かけそば (¥500)"), S("ざるそば (¥600)")}));
    EXPECT_EQ(childTexts(subRoot()), QStringList{S("大盛")});
    EXPECT_TRUE(action("tlbMain", "btnGAdd")->isEnabled());
    EXPECT_EQ(menuEnabling(), S("000000000"));
    EXPECT_EQ(subEnabling(), S("0000000"));
    EXPECT_EQ(dlg->findChild<QMenu *>("mnuMenu")->title(), S("メニュー設定(&M)"));
    EXPECT_EQ(dlg->findChild<QMenu *>("mnuSub")->title(), S("メニュー備考設定(&S)"));
    // The import and the board layout open from here.
    EXPECT_TRUE(action("mnuMenu", "mnuImport")->isEnabled());
    EXPECT_TRUE(dlg->findChild<QPushButton *>("cmdBoard")->isEnabled());
    menu->collapseItem(root());
    EXPECT_TRUE(root()->isExpanded());

    // Moving past either end does nothing and changes nothing.
    selectItem(S("麺類"), S("かけそば (¥500)"));
    EXPECT_EQ(menuEnabling(), S("111111111"));
    action("tlbSort", "btnUp")->trigger();
    selectItem(S("麺類"), S("ざるそば (¥600)"));
    action("tlbSort", "btnDown")->trigger();
    EXPECT_FALSE(dlg->IsChanged());

    // A group name already in the tree is refused and the dialog stays open.
    withDialog<frmMenuGroup>([&] { action("tlbMain", "btnGAdd")->trigger(); },
                             [&](frmMenuGroup &d) {
                                 EXPECT_EQ(d.windowTitle(), S("グループの追加"));
                                 EXPECT_FALSE(d.cmdOK->isEnabled());
                                 commitText(d.txtGroup, S("甘味"));
                                 ok(d);
                                 ASSERT_EQ(prompt.count(), 1);
                                 EXPECT_EQ(prompt.last().title, S("グループ名の重複"));
                                 EXPECT_EQ(prompt.last().text, S("同一名のグループが既に存在します。"));
                                 EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
                                 EXPECT_TRUE(d.isVisible());
                                 commitText(d.txtGroup, S("うどん"));
                                 ok(d);
                                 EXPECT_FALSE(d.isVisible());
                             });
    EXPECT_EQ(childTexts(root()), (QStringList{S("麺類"), S("甘味"), S("うどん")}));
    EXPECT_EQ(menu->currentItem(), group(S("うどん")));
    EXPECT_TRUE(dlg->IsChanged());

    // Renaming to the unchanged name is a duplicate too.
    select(menu, group(S("甘味")));
    prompt.clear();
    withDialog<frmMenuGroup>([&] { action("mnuMenu", "mnuChange")->trigger(); },
                             [&](frmMenuGroup &d) {
                                 EXPECT_EQ(d.windowTitle(), S("グループ名の変更"));
                                 EXPECT_EQ(d.txtGroup->selectedText(), S("甘味"));
                                 EXPECT_FALSE(d.cmdOK->isEnabled());
                                 commitText(d.txtGroup, S("甘味"));
                                 ok(d);
                                 EXPECT_EQ(prompt.count(), 1);
                                 commitText(d.txtGroup, S("あまみ"));
                                 ok(d);
                             });
    EXPECT_EQ(childTexts(root()), (QStringList{S("麺類"), S("あまみ"), S("うどん")}));

    // Items: names are unique within their group only; the price shows as typed.
    select(menu, group(S("うどん")));
    addItem(S("かけそば"), S("0450"), S("ｶｹｿﾊﾞ"));
    EXPECT_EQ(menu->currentItem()->text(0), S("かけそば (¥0450)"));
    EXPECT_TRUE(group(S("うどん"))->isExpanded());
    prompt.clear();
    withDialog<frmMenuName>([&] { action("tlbMain", "btnMAdd")->trigger(); },
                            [&](frmMenuName &d) {
                                EXPECT_EQ(d.windowTitle(), S("メニューの追加 [うどん]"));
                                commitText(d.txtName, S("かけそば"));
                                commitText(d.txtNameKana, S("ｶｹ"));
                                EXPECT_FALSE(d.cmdOK->isEnabled());
                                commitText(d.txtMoney, S("12a"));
                                EXPECT_TRUE(d.cmdOK->isEnabled());
                                // A price that is no number is refused on leaving it, and on OK.
                                ok(d);
                                ASSERT_GE(prompt.count(), 1);
                                EXPECT_EQ(prompt.last().title, S("数字以外が入力されました"));
                                EXPECT_EQ(prompt.last().text, S("数字以外は入力できません。"));
                                EXPECT_TRUE(d.isVisible());
                                EXPECT_EQ(d.txtMoney->text(), S("12a"));
                                prompt.clear();
                                commitText(d.txtMoney, S("480"));
                                ok(d);
                                ASSERT_EQ(prompt.count(), 1);
                                EXPECT_EQ(prompt.last().title, S("メニューの重複"));
                                EXPECT_EQ(prompt.last().text, S("同一名のメニューが既に存在します。"));
                                EXPECT_TRUE(d.isVisible());
                                commitText(d.txtName, S("きつね"));
                                commitText(d.txtNameKana, S("ｷﾂﾈ"));
                                ok(d);
                                EXPECT_FALSE(d.isVisible());
                            });
    EXPECT_EQ(childTexts(group(S("うどん"))), (QStringList{S("かけそば (¥0450)"), S("きつね (¥480)")}));

    // Change an item, by a double click: the item itself does not count as a duplicate.
    selectItem(S("麺類"), S("ざるそば (¥600)"));
    prompt.clear();
    withDialog<frmMenuName>([&] { emit menu->itemDoubleClicked(menu->currentItem(), 0); },
                            [&](frmMenuName &d) {
                                EXPECT_EQ(d.windowTitle(), S("メニュー名の変更 [麺類]"));
                                EXPECT_EQ(d.txtName->selectedText(), S("ざるそば"));
                                EXPECT_EQ(d.txtMoney->text(), S("600"));
                                EXPECT_EQ(d.txtNameKana->text(), S("ｻﾞﾙｿﾊﾞ"));
                                EXPECT_FALSE(d.cmdOK->isEnabled());
                                commitText(d.txtMoney, S("650"));
                                ok(d);
                                EXPECT_FALSE(d.isVisible());
                            });
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(menu->currentItem()->text(0), S("ざるそば (¥650)"));

    // Moving a group keeps its items and whether it is open; the moved node stays selected.
    select(menu, group(S("うどん")));
    action("tlbSort", "btnUp")->trigger();
    action("tlbSort", "btnUp")->trigger();
    EXPECT_EQ(childTexts(root()), (QStringList{S("うどん"), S("麺類"), S("あまみ")}));
    EXPECT_TRUE(group(S("うどん"))->isExpanded());
    EXPECT_EQ(menu->currentItem(), group(S("うどん")));
    EXPECT_EQ(group(S("うどん"))->childCount(), 2);
    selectItem(S("うどん"), S("かけそば (¥0450)"));
    action("tlbSort", "btnDown")->trigger();
    EXPECT_EQ(childTexts(group(S("うどん"))), (QStringList{S("きつね (¥480)"), S("かけそば (¥0450)")}));

    // 50音順 sorts the selected node's siblings: the items of one group, or all the groups.
    action("tlbSort50", "btn50")->trigger();
    EXPECT_EQ(childTexts(group(S("うどん"))), (QStringList{S("かけそば (¥0450)"), S("きつね (¥480)")}));
    select(menu, group(S("麺類")));
    action("tlbSort50", "btn50")->trigger();
    EXPECT_EQ(childTexts(root()), (QStringList{S("あまみ"), S("うどん"), S("麺類")}));
    EXPECT_EQ(menu->currentItem(), group(S("麺類")));
    EXPECT_TRUE(group(S("うどん"))->isExpanded());

    // Delete asks first; No keeps the node, Yes takes a group with all its items.
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    action("tlbMain", "btnDel")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("削除確認"));
    EXPECT_EQ(prompt.last().text, S("グループ「麺類」を削除してもよろしいですか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(root()->childCount(), 3);
    prompt.answerNext(PromptAnswer::Yes);
    action("mnuMenu", "mnuDel")->trigger();
    EXPECT_EQ(childTexts(root()), (QStringList{S("あまみ"), S("うどん")}));
    selectItem(S("うどん"), S("きつね (¥480)"));
    prompt.clear();
    action("tlbMain", "btnDel")->trigger();
    EXPECT_EQ(prompt.last().text, S("メニュー「きつね (¥480)」を削除してもよろしいですか？"));
    EXPECT_EQ(childTexts(group(S("うどん"))), QStringList{S("かけそば (¥0450)")});

    // The view commands open and close every group.
    action("mnuMenu", "mnuGroupView")->trigger();
    EXPECT_FALSE(group(S("うどん"))->isExpanded());
    action("mnuMenu", "mnuAllView")->trigger();
    EXPECT_TRUE(group(S("うどん"))->isExpanded());
    EXPECT_TRUE(group(S("あまみ"))->isExpanded() || group(S("あまみ"))->childCount() == 0);

    // Sub-items: duplicates refused, added at the end, sorted, moved.
    prompt.clear();
    withDialog<frmMenuSubName>([&] { action("tlbSub", "btnAdd")->trigger(); },
                               [&](frmMenuSubName &d) {
                                   EXPECT_EQ(d.windowTitle(), S("補助項目の追加"));
                                   commitText(d.txtSubName, S("大盛"));
                                   ok(d);
                                   ASSERT_EQ(prompt.count(), 1);
                                   EXPECT_EQ(prompt.last().title, S("補助項目名の重複"));
                                   EXPECT_EQ(prompt.last().text, S("同一の補助項目が既に存在します。"));
                                   commitText(d.txtSubName, S("ねぎ抜き"));
                                   ok(d);
                               });
    EXPECT_EQ(childTexts(subRoot()), (QStringList{S("大盛"), S("ねぎ抜き")}));
    EXPECT_EQ(subEnabling(), S("1111111"));
    action("tlbSortSub50", "btn50")->trigger();
    EXPECT_EQ(childTexts(subRoot()), (QStringList{S("ねぎ抜き"), S("大盛")}));
    action("tlbSortSub", "btnUp")->trigger(); // ねぎ抜き stays selected and is first
    EXPECT_EQ(sub->currentItem()->text(0), S("ねぎ抜き"));
    EXPECT_EQ(childTexts(subRoot()), (QStringList{S("ねぎ抜き"), S("大盛")}));
    action("tlbSortSub", "btnDown")->trigger();
    EXPECT_EQ(childTexts(subRoot()), (QStringList{S("大盛"), S("ねぎ抜き")}));

    // Nothing is written before OK.
    EXPECT_EQ(folder.read(SettingFiles::kMenuSub), Bytes("大盛\r\n"));
    prompt.clear();
    clickSave();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(folder.read(SettingFiles::kMenu), Bytes("あまみ\t\t0\t\r\n"
                                                      "うどん\tかけそば\t450\tｶｹｿﾊﾞ\r\n"));
    EXPECT_EQ(folder.read(SettingFiles::kMenuSub), Bytes("大盛\r\nねぎ抜き\r\n"));
    ASSERT_EQ(tables.MenuTable.size(), 3u);
    EXPECT_EQ(tables.MenuTable[2].Price, 450 * 10000);

    // Reopened from the files, the typed 0450 shows as the number it was saved as.
    SettingTables reread;
    ASSERT_TRUE(LoadMenuTable(reread));
    ASSERT_TRUE(LoadMenuOptionList(reread));
    tables = reread;
    open();
    EXPECT_EQ(childTexts(root()), (QStringList{S("あまみ"), S("うどん")}));
    EXPECT_EQ(childTexts(group(S("うどん"))), QStringList{S("かけそば (¥450)")});
    EXPECT_EQ(childTexts(subRoot()), (QStringList{S("大盛"), S("ねぎ抜き")}));
    EXPECT_FALSE(dlg->IsChanged());
    if (const QString shots = qEnvironmentVariable("SORANOWA_SHOTS"); !shots.isEmpty())
        dlg->grab().save(shots + "/frmMenuSet.png");
    clickCancel();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(MenuWindow, ClosingAsksToSaveAndAnEmptyCatalogueDeletesTheFiles)
{
    folder.write(SettingFiles::kMenu, Bytes("麺類\tかけそば\t500\tｶｹｿﾊﾞ\r\n"));
    ASSERT_TRUE(LoadMenuTable(tables));
    open();
    // Adding only a sub-item is a change worth asking about.
    withDialog<frmMenuSubName>([&] { action("mnuSub", "mnuSubAdd")->trigger(); },
                               [&](frmMenuSubName &d) {
                                   commitText(d.txtSubName, S("大盛"));
                                   ok(d);
                               });
    prompt.answerNext(PromptAnswer::Cancel);
    clickCancel();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("保存確認"));
    EXPECT_EQ(prompt.last().text, S("メニュー内容が変更されています。保存しますか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(dlg->isVisible());
    prompt.answerNext(PromptAnswer::No);
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kMenuSub)));
    EXPECT_EQ(tables.MenuOptionList, QStringList{QString()});

    // Deleting the last group (its item with it) and answering Yes saves as OK does: the Menu
    // file goes and the next start sees an empty catalogue.
    open();
    select(menu, group(S("麺類")));
    action("tlbMain", "btnDel")->trigger(); // answered Yes
    EXPECT_EQ(root()->childCount(), 0);
    EXPECT_EQ(menuEnabling(), S("000000000")); // the root is selected again
    prompt.clear();
    prompt.answerNext(PromptAnswer::Yes);
    clickCancel();
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kMenu)));
    SettingTables reread;
    EXPECT_TRUE(LoadMenuTable(reread));
    EXPECT_EQ(reread.MenuTable.size(), 1u);
}

TEST_F(MenuWindow, WriteFailureKeepsTheWindowOpenAndTheOldCatalogue)
{
    tables.MenuTable.push_back({S("麺類"), S("かけそば"), 500 * 10000, S("ｶｹｿﾊﾞ")});
    ASSERT_TRUE(QDir(folder.path()).mkdir(SettingFiles::kMenu));
    open();
    addGroup(S("丼物"));
    clickSave();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("エラー"));
    EXPECT_EQ(prompt.last().text, S("ErrorNo: 16\r\rメニューファイル書き込みエラー"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->IsChanged());
    EXPECT_EQ(childTexts(root()), (QStringList{S("麺類"), S("丼物")}));
    // Order entry keeps offering what the file still holds.
    EXPECT_EQ(tables.MenuTable.size(), 2u);
    prompt.answerNext(PromptAnswer::No);
    clickCancel();
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(MenuWindow, TheMenuTableStopsAtItsRowLimit)
{
    // 32,766 items of one group and an empty group: the table is full.
    tables.MenuTable.assign(1, MenuEntry{});
    for (int i = 0; i < MenuCatalogue::kMaxRows - 1; ++i)
        tables.MenuTable.push_back({S("麺"), QStringLiteral("m%1").arg(i), 100 * 10000, QStringLiteral("M")});
    tables.MenuTable.push_back({S("丼"), QString(), 0, QString()});
    open();

    action("tlbMain", "btnGAdd")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("登録数の上限"));
    EXPECT_EQ(prompt.last().text, S("メニューの登録数が上限（32767行）に達しているため、これ以上追加できません。"));
    EXPECT_EQ(root()->childCount(), 2);

    // The empty group's first item takes its placeholder row; one more item would not fit.
    select(menu, group(S("丼")));
    addItem(S("天丼"), QStringLiteral("800"), S("ﾃﾝﾄﾞﾝ"));
    EXPECT_EQ(group(S("丼"))->childCount(), 1);
    EXPECT_EQ(prompt.count(), 1);
    select(menu, group(S("丼")));
    action("tlbMain", "btnMAdd")->trigger();
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_EQ(group(S("丼"))->childCount(), 1);

    clickSave();
    EXPECT_EQ(tables.MenuTable.size(), size_t(MenuCatalogue::kMaxRows) + 1);
}
