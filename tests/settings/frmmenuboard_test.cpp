// The menu board settings window, driven offscreen: drops go through the window's drop handling,
// its two dialogs are answered as they open, boxes by the test prompt.
#include <gtest/gtest.h>

#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/menuboardpanel.h"
#include "settings/ui/frmMenuBCheck.h"
#include "settings/ui/frmMenuBoard.h"
#include "settings/ui/frmMenuBoardK.h"
#include "store/cp932.h"
#include "store/settingfiles.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace
{

const QString kSaveQuestion = QStringLiteral("メニューボード登録内容が変更されています。保存しますか？");
const QString kLongName = QStringLiteral("特上海鮮ちらし寿司"); // nine characters

QByteArray EmptyLine()
{
    return "00000\t0\t00000\r\n";
}

class MenuBoardWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        tables.MenuTable.push_back({QStringLiteral("寿司"), kLongName, 2480 * 10000, QStringLiteral("ﾄｸｼﾞｮｳ")});
        tables.MenuTable.push_back({QStringLiteral("寿司"), QStringLiteral("かっぱ巻"), 350 * 10000, QString()});
        tables.MenuTable.push_back({QStringLiteral("麺"), QStringLiteral("天ざる"), 1100 * 10000, QString()});
        for (int k = 1; k <= kMenuBoardSlots; ++k)
            tables.MenuBoard[k] = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
    }

    // Runs `act` while the next modal dialog of type D is answered by `answer`.
    template <typename D> bool answering(const std::function<void(D *)> &answer, const std::function<void()> &act)
    {
        bool seen = false;
        ModalHandler handler([&](QWidget *w) {
            auto *d = qobject_cast<D *>(w);
            seen = d != nullptr;
            if (d)
                answer(d);
            else
                static_cast<QDialog *>(w)->reject();
        });
        act();
        return seen;
    }

    bool dropWithCaption(frmMenuBoard &w, int k, const QString &tag, const QString &caption = {})
    {
        return answering<frmMenuBoardK>(
            [&](frmMenuBoardK *d) {
                if (!caption.isEmpty())
                    d->txtView->setText(caption);
                QTest::mouseClick(d->cmdOK, Qt::LeftButton);
            },
            [&] { w.DropOnButton(k, tag); });
    }

    bool operate(frmMenuBoard &w, int k, const std::function<void(frmMenuBCheck *)> &act)
    {
        return answering<frmMenuBCheck>(act, [&] { QTest::mouseClick(w.cmdMenu[k], Qt::LeftButton); });
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
};

} // namespace

TEST_F(MenuBoardWindow, DroppedItemIsCutByColumnAndSavedAsExactly120Lines)
{
    frmMenuBoard w(tables);
    w.show();
    // The tree: root, one node per group, the items with their prices.
    QTreeWidgetItem *root = w.tvwMenu->topLevelItem(0);
    ASSERT_EQ(root->text(0), QStringLiteral("出前メニュー"));
    ASSERT_EQ(root->childCount(), 2);
    EXPECT_EQ(root->child(0)->text(0), QStringLiteral("寿司"));
    ASSERT_EQ(root->child(0)->childCount(), 2);
    EXPECT_EQ(root->child(0)->child(0)->text(0), kLongName + QStringLiteral(" (\\2480)"));
    EXPECT_EQ(w.tvwMenu->currentItem(), root);

    // Drag feedback: only the button under the pointer is lit.
    w.DragOver(2);
    EXPECT_EQ(w.cmdMenu[2]->palette().color(QPalette::Button), frmMenuBoard::kHighlight);
    EXPECT_NE(w.cmdMenu[1]->palette().color(QPalette::Button), frmMenuBoard::kHighlight);
    w.DragOver(0);
    EXPECT_NE(w.cmdMenu[2]->palette().color(QPalette::Button), frmMenuBoard::kHighlight);

    // Text that is not an item opens nothing and changes nothing.
    w.DropOnButton(3, QStringLiteral("天丼\t\t"));
    w.DropOnButton(3, QStringLiteral("just text"));
    EXPECT_FALSE(w.IsChanged());

    const QString tag = kLongName + QStringLiteral("\t2480\tﾄｸｼﾞｮｳ");
    bool okEnabledWhileEmpty = true;
    ASSERT_TRUE(answering<frmMenuBoardK>(
        [&](frmMenuBoardK *d) {
            EXPECT_EQ(d->lblName->text(), kLongName);
            EXPECT_EQ(d->lblMoney->text(), QStringLiteral("2480"));
            EXPECT_EQ(d->txtView->text(), kLongName);
            d->txtView->clear();
            okEnabledWhileEmpty = d->cmdOK->isEnabled();
            d->txtView->setText(kLongName);
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        },
        [&] { w.DropOnButton(1, tag); }));
    EXPECT_FALSE(okEnabledWhileEmpty);
    ASSERT_TRUE(dropWithCaption(w, 2, tag));
    EXPECT_EQ(w.cmdMenu[1]->text(), QStringLiteral("特上海鮮ちら"));
    EXPECT_EQ(w.cmdMenu[2]->text(), QStringLiteral("特上海"));
    EXPECT_EQ(w.Working()[2].BoardMenuName, kLongName);
    EXPECT_TRUE(w.IsChanged());
    // Nothing reaches the board before saving.
    EXPECT_EQ(tables.MenuBoard[1].BoardMenuName, QStringLiteral("00000"));

    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompt.count(), 0);
    QByteArray expected = ToCp932(kLongName + QStringLiteral("\t2480\t特上海鮮ちら")) + "\r\n" +
                          ToCp932(kLongName + QStringLiteral("\t2480\t特上海")) + "\r\n";
    for (int k = 3; k <= 120; ++k)
        expected += EmptyLine();
    EXPECT_EQ(folder.read(SettingFiles::kMenuBoard), expected);

    // The order windows' board shows the saved layout at its next refresh, with the full name kept.
    MenuBoardPanel panel;
    panel.Refresh(tables);
    EXPECT_EQ(panel.cmdMenu[1]->text(), QStringLiteral("特上海鮮ちら"));
    EXPECT_FALSE(panel.cmdMenu[1]->isHidden());
    EXPECT_TRUE(panel.cmdMenu[3]->isHidden());
    EXPECT_EQ(tables.MenuBoard[2].BoardMenuName, kLongName);
    EXPECT_EQ(tables.MenuBoard[2].BoardPrice, 2480 * 10000);
}

TEST_F(MenuBoardWindow, RowsAreExchangedAndDeletedThroughTheButtonDialog)
{
    for (int k = 1; k <= 25; ++k)
        tables.MenuBoard[k] = {QStringLiteral("品%1").arg(k), k * 10000, QStringLiteral("品%1").arg(k)};
    tables.MenuBoard[7].BoardPrice = 1280 * 10000;
    frmMenuBoard w(tables);
    w.show();

    // Exchanging without a row chosen is refused and changes nothing.
    ASSERT_TRUE(operate(w, 7, [&](frmMenuBCheck *d) {
        EXPECT_EQ(d->lblName->text(), QStringLiteral("品7"));
        EXPECT_EQ(d->lblMoney->text(), QStringLiteral("1,280"));
        EXPECT_EQ(d->cboRetsu->count(), 25);
        EXPECT_EQ(d->cboRetsu->itemText(5), QStringLiteral("5 列目と入れ替え"));
        EXPECT_FALSE(d->cboRetsu->isEnabled());
        d->optDel[2]->setChecked(true);
        EXPECT_TRUE(d->cboRetsu->isEnabled());
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        d->cboRetsu->setCurrentIndex(5);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    }));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.asked[0].title, QStringLiteral("入れ替え対象の列が選択されていません"));
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("入れ替えする列を選択して下さい。"));
    // Row 2 (slots 6..10) and row 5 (slots 21..25) changed places, column by column.
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(w.Working()[5 + c].BoardMenuName, QStringLiteral("品%1").arg(20 + c));
        EXPECT_EQ(w.Working()[20 + c].BoardMenuName, QStringLiteral("品%1").arg(5 + c));
    }
    EXPECT_EQ(w.Working()[22].BoardPrice, 1280 * 10000);
    EXPECT_EQ(w.cmdMenu[6]->text(), QStringLiteral("品21"));

    // A new caption is cut by the column; deleting the row empties all five of its slots.
    ASSERT_TRUE(operate(w, 12, [&](frmMenuBCheck *d) {
        d->txtView->setText(QStringLiteral("からあげ"));
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    }));
    EXPECT_EQ(w.cmdMenu[12]->text(), QStringLiteral("からあ"));
    ASSERT_TRUE(operate(w, 13, [&](frmMenuBCheck *d) {
        d->optDel[1]->setChecked(true);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    }));
    ASSERT_TRUE(operate(w, 1, [&](frmMenuBCheck *d) {
        d->optDel[0]->setChecked(true);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    }));
    for (int k : {1, 11, 12, 13, 14, 15}) {
        EXPECT_EQ(w.Working()[k].BoardMenuName, QStringLiteral("00000")) << k;
        EXPECT_EQ(w.Working()[k].BoardPrice, 0) << k;
        EXPECT_TRUE(w.cmdMenu[k]->text().isEmpty()) << k;
    }
    EXPECT_EQ(w.Working()[2].BoardMenuName, QStringLiteral("品2"));
    // Cancel leaves the slot as it was.
    ASSERT_TRUE(operate(w, 2, [&](frmMenuBCheck *d) {
        d->optDel[0]->setChecked(true);
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    }));
    EXPECT_EQ(w.Working()[2].BoardMenuName, QStringLiteral("品2"));

    ASSERT_TRUE(w.SaveBoard());
    MenuBoardPanel panel;
    panel.Refresh(tables);
    for (int k = 11; k <= 15; ++k)
        EXPECT_TRUE(panel.cmdMenu[k]->isHidden()) << k;
    EXPECT_FALSE(panel.cmdMenu[16]->isHidden());
}

TEST_F(MenuBoardWindow, ClosingAfterAnyPressAsksWhetherToSave)
{
    frmMenuBoard w(tables);
    w.show();
    // No press, no question.
    w.reject();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(w.isVisible());

    w.show();
    QTest::mouseClick(w.cmdMenu[4], Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("未登録"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("登録されていません"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);

    // Cancel keeps the window open; No closes it without writing anything.
    prompt.answerNext(PromptAnswer::Cancel);
    QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("保存確認"));
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_TRUE(w.isVisible());
    prompt.answerNext(PromptAnswer::No);
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(QFile::exists(folder.file(SettingFiles::kMenuBoard)));

    // Yes saves, and a cancelled button dialog still counts as a change.
    frmMenuBoard again(tables);
    again.show();
    ASSERT_TRUE(answering<frmMenuBoardK>([](frmMenuBoardK *d) { QTest::mouseClick(d->cmdCancel, Qt::LeftButton); },
                                         [&] { again.DropOnButton(5, QStringLiteral("天ざる\t1100\t")); }));
    EXPECT_TRUE(again.cmdMenu[5]->text().isEmpty());
    prompt.answerNext(PromptAnswer::Yes);
    again.close();
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_FALSE(again.isVisible());
    QByteArray expected;
    for (int k = 1; k <= 120; ++k)
        expected += EmptyLine();
    EXPECT_EQ(folder.read(SettingFiles::kMenuBoard), expected);
}

TEST_F(MenuBoardWindow, OverlongBoardFileKeepsItsFirst125SlotsAndSavesOnly120)
{
    QByteArray file;
    for (int k = 1; k <= 126; ++k)
        file += ToCp932(QStringLiteral("品%1\t%1\t品%1").arg(k)) + "\r\n";
    folder.write(SettingFiles::kMenuBoard, file);
    EXPECT_FALSE(LoadMenuBoard(tables));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_TRUE(prompt.last().text.contains(QStringLiteral("メニューボードファイル読み込みエラー")));
    EXPECT_EQ(tables.MenuBoard[125].BoardMenuName, QStringLiteral("品125"));

    frmMenuBoard w(tables);
    w.show();
    EXPECT_EQ(w.cmdMenu[120]->text(), QStringLiteral("品120"));
    ASSERT_TRUE(w.SaveBoard());
    const QList<QByteArray> lines = folder.read(SettingFiles::kMenuBoard).split('\n');
    ASSERT_EQ(lines.size(), 121); // 120 lines and the empty text after the last break
    EXPECT_EQ(lines[119], ToCp932(QStringLiteral("品120\t120\t品120")) + "\r");
    // The slots beyond the grid are carried along, never written.
    EXPECT_EQ(tables.MenuBoard[123].BoardMenuName, QStringLiteral("品123"));
}
