// The staff settings window and its name dialog, driven offscreen by objectName; boxes
// answered by the test prompt, the stored file checked byte by byte.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmStaffName.h"
#include "settings/ui/frmStaffSet.h"
#include "store/settingfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace
{

// CP932 bytes of the names used here.
const QByteArray kSuzuki = QByteArray::fromHex("82b782b882ab"); // すずき
const QByteArray kIto = QByteArray::fromHex("82a282c682a4");    // いとう
const QByteArray kAbe = QByteArray::fromHex("82a082d7");        // あべ
const QByteArray kKato = QByteArray::fromHex("82a982c682a4");   // かとう

const QString kDuplicate = QStringLiteral("同一名のスタッフが既に存在します。");
const QString kSaveQuestion = QStringLiteral("スタッフが変更されています。保存しますか？");

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Hiragana arrive from the input method as committed text, not as key presses.
void commitText(QLineEdit *edit, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

class StaffWindow : public ::testing::Test
{
  protected:
    void open()
    {
        dlg = std::make_unique<frmStaffSet>(tables);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        tree = dlg->findChild<QTreeWidget *>("tvwStaff");
        ASSERT_NE(tree, nullptr);
    }
    QAction *action(const char *name)
    {
        auto *a = dlg->findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QTreeWidgetItem *root() { return tree->topLevelItem(0); }
    QStringList shown()
    {
        QStringList names;
        for (int i = 0; i < root()->childCount(); ++i)
            names << root()->child(i)->text(0);
        return names;
    }
    void select(const QString &name)
    {
        for (int i = 0; i < root()->childCount(); ++i)
            if (root()->child(i)->text(0) == name)
                tree->setCurrentItem(root()->child(i));
        ASSERT_EQ(tree->currentItem()->text(0), name);
    }
    // Runs `act` on the name dialog once `start` has opened it; a dialog left open is cancelled.
    void withNameDialog(const std::function<void()> &start, const std::function<void(frmStaffName &)> &act)
    {
        bool ran = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto *d = qobject_cast<frmStaffName *>(QApplication::activeModalWidget());
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
    static void typeName(frmStaffName &d, const QString &text)
    {
        d.txtStaff->setFocus();
        d.txtStaff->selectAll();
        QTest::keyClick(d.txtStaff, Qt::Key_Delete);
        commitText(d.txtStaff, text);
    }
    static void ok(frmStaffName &d) { QTest::mouseClick(d.cmdOK, Qt::LeftButton); }
    void clickSave() { QTest::mouseClick(dlg->findChild<QPushButton *>("cmdSave"), Qt::LeftButton); }
    void clickCancel() { QTest::mouseClick(dlg->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton); }
    bool staffActionsEnabled(bool expected)
    {
        bool same = true;
        for (const char *name : {"btnChange", "btnDel", "btnUp", "btnDown", "btn50", "mnuChange", "mnuDel"})
            same = same && action(name)->isEnabled() == expected;
        return same;
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
    std::unique_ptr<frmStaffSet> dlg;
    QTreeWidget *tree = nullptr;
};

} // namespace

TEST_F(StaffWindow, AddRenameReorderDeleteSaveAndReopen)
{
    folder.write(SettingFiles::kStaff, kSuzuki + "\r\n" + kIto + "\r\n");
    ASSERT_TRUE(LoadStaffList(tables));
    open();
    EXPECT_EQ(dlg->windowTitle(), S("スタッフ設定"));
    EXPECT_EQ(root()->text(0), S("スタッフ一覧"));
    EXPECT_TRUE(root()->isExpanded());
    EXPECT_EQ(tree->currentItem(), root());
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("いとう")}));
    EXPECT_TRUE(action("btnSAdd")->isEnabled());
    EXPECT_TRUE(staffActionsEnabled(false));
    // The root stays open.
    tree->collapseItem(root());
    EXPECT_TRUE(root()->isExpanded());

    // Add: a name already in the list is refused and the dialog stays open.
    withNameDialog([&] { action("btnSAdd")->trigger(); },
                   [&](frmStaffName &d) {
                       EXPECT_EQ(d.windowTitle(), S("スタッフの追加"));
                       EXPECT_FALSE(d.cmdOK->isEnabled());
                       typeName(d, S("あいうえおかきくけこさ")); // an eleventh character does not fit
                       EXPECT_EQ(d.StaffName(), S("あいうえおかきくけこ"));
                       EXPECT_TRUE(d.cmdOK->isEnabled());
                       typeName(d, QString());
                       EXPECT_FALSE(d.cmdOK->isEnabled());
                       typeName(d, S("すずき"));
                       ok(d);
                       ASSERT_EQ(prompt.count(), 1);
                       EXPECT_EQ(prompt.last().title, S("スタッフ名の重複"));
                       EXPECT_EQ(prompt.last().text, kDuplicate);
                       EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
                       EXPECT_TRUE(d.isVisible());
                       typeName(d, S("あべ"));
                       ok(d);
                       EXPECT_FALSE(d.isVisible());
                   });
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("いとう"), S("あべ")}));
    EXPECT_EQ(tree->currentItem()->text(0), S("あべ"));
    EXPECT_TRUE(staffActionsEnabled(true));
    EXPECT_TRUE(dlg->IsChanged());

    // Change, by a double click on the row: the unchanged name waits for an edit, and typed again it is a duplicate.
    select(S("いとう"));
    prompt.clear();
    withNameDialog(
        [&] {
            // The view's own signal for a double click on the row.
            emit tree->itemDoubleClicked(tree->currentItem(), 0);
        },
        [&](frmStaffName &d) {
            EXPECT_EQ(d.windowTitle(), S("スタッフ名の変更"));
            EXPECT_EQ(d.txtStaff->text(), S("いとう"));
            EXPECT_EQ(d.txtStaff->selectedText(), S("いとう"));
            EXPECT_FALSE(d.cmdOK->isEnabled());
            typeName(d, S("いとう"));
            EXPECT_TRUE(d.cmdOK->isEnabled());
            ok(d);
            ASSERT_EQ(prompt.count(), 1);
            EXPECT_EQ(prompt.last().text, kDuplicate);
            typeName(d, S("かとう"));
            ok(d);
        });
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("かとう"), S("あべ")}));

    // Up and down move one place; nothing moves past either end.
    select(S("あべ"));
    action("btnDown")->trigger();
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("かとう"), S("あべ")}));
    action("btnUp")->trigger();
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("あべ"), S("かとう")}));
    EXPECT_EQ(tree->currentItem()->text(0), S("あべ"));
    select(S("すずき"));
    action("btnUp")->trigger();
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("あべ"), S("かとう")}));
    action("btn50")->trigger();
    EXPECT_EQ(shown(), (QStringList{S("あべ"), S("かとう"), S("すずき")}));
    EXPECT_EQ(tree->currentItem()->text(0), S("すずき"));

    // Delete asks first; No keeps the member.
    select(S("かとう"));
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    action("btnDel")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("削除確認"));
    EXPECT_EQ(prompt.last().text, S("「かとう」を削除してもよろしいですか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(shown().size(), 3);
    prompt.answerNext(PromptAnswer::Yes);
    action("mnuDel")->trigger();
    EXPECT_EQ(shown(), (QStringList{S("あべ"), S("すずき")}));

    // Nothing is written before OK.
    EXPECT_EQ(folder.read(SettingFiles::kStaff), kSuzuki + "\r\n" + kIto + "\r\n");
    prompt.clear();
    clickSave();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(folder.read(SettingFiles::kStaff), kAbe + "\r\n" + kSuzuki + "\r\n");
    EXPECT_EQ(tables.StaffList, (QStringList{QString(), S("あべ"), S("すずき")}));

    SettingTables reread;
    ASSERT_TRUE(LoadStaffList(reread));
    tables = reread;
    open();
    EXPECT_EQ(shown(), (QStringList{S("あべ"), S("すずき")}));
    EXPECT_FALSE(dlg->IsChanged());
    clickCancel();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(StaffWindow, ClosingAsksToSaveAndAnEmptyListDeletesTheFile)
{
    folder.write(SettingFiles::kStaff, kSuzuki + "\r\n");
    ASSERT_TRUE(LoadStaffList(tables));
    open();
    select(S("すずき"));
    action("btnDel")->trigger(); // answered Yes
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(staffActionsEnabled(false)); // the root is selected again

    prompt.clear();
    prompt.answerNext(PromptAnswer::Cancel);
    clickCancel();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("保存確認"));
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(dlg->isVisible());

    prompt.answerNext(PromptAnswer::No);
    clickCancel();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(folder.read(SettingFiles::kStaff), kSuzuki + "\r\n");
    EXPECT_EQ(tables.StaffList, (QStringList{QString(), S("すずき")}));

    // Yes saves as OK does: with nobody left the file goes, and the next load finds no staff.
    open();
    select(S("すずき"));
    action("btnDel")->trigger();
    prompt.clear();
    prompt.answerNext(PromptAnswer::Yes);
    clickCancel();
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kStaff)));
    SettingTables reread;
    EXPECT_TRUE(LoadStaffList(reread));
    EXPECT_EQ(reread.StaffList, QStringList{QString()});
    EXPECT_EQ(prompt.count(), 1);
}

TEST_F(StaffWindow, WriteFailureKeepsTheWindowOpenAndTheOldList)
{
    tables.StaffList = {QString(), S("すずき")};
    ASSERT_TRUE(QDir(folder.path()).mkdir(SettingFiles::kStaff));
    open();
    withNameDialog([&] { action("btnSAdd")->trigger(); },
                   [&](frmStaffName &d) {
                       typeName(d, S("あべ"));
                       ok(d);
                   });
    clickSave();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("エラー"));
    EXPECT_EQ(prompt.last().text, S("ErrorNo: 16\r\rスタッフファイル書き込みエラー"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->IsChanged());
    EXPECT_EQ(shown(), (QStringList{S("すずき"), S("あべ")}));
    // Other windows keep offering what the file still holds.
    EXPECT_EQ(tables.StaffList, (QStringList{QString(), S("すずき")}));
    prompt.answerNext(PromptAnswer::No);
    clickCancel();
    EXPECT_FALSE(dlg->isVisible());
}
