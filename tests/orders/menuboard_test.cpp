// The menu board of the order windows: which buttons show, how the surface scrolls, and what a
// press adds to the order.
#include <gtest/gtest.h>

#include "fakehost.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/boardpress.h"
#include "orders/ui/menuboardpanel.h"
#include "store/prefs.h"
#include "store/records.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace
{

void emptyBoard(SettingTables &t)
{
    for (auto &slot : t.MenuBoard)
        slot = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
}

class BoardPanel : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        emptyBoard(tables);
        tables.MenuBoard[1] = {QStringLiteral("海老天ぷら定食御膳"), YenToCurrency(1800),
                               QStringLiteral("海老天ぷら定")};
        tables.MenuBoard[2] = {QStringLiteral("海老天ぷら定食御膳"), YenToCurrency(1800), QStringLiteral("海老天")};
        tables.MenuBoard[13] = {QStringLiteral("ざるそば"), YenToCurrency(700), QStringLiteral("ざる")};
        tables.MenuBoard[120] = {QStringLiteral("ビール"), YenToCurrency(500), QStringLiteral("ビー")};
    }
    QPushButton *button(int k) { return panel.findChild<QPushButton *>(QStringLiteral("cmdMenu%1").arg(k)); }

    SettingTables tables;
    MenuBoardPanel panel;
};

} // namespace

TEST_F(BoardPanel, ShowsOnlyOccupiedSlots)
{
    panel.Refresh(tables);
    EXPECT_EQ(panel.objectName(), "picFrame");
    ASSERT_NE(panel.findChild<QWidget *>("picDraw"), nullptr);
    ASSERT_NE(panel.findChild<QScrollBar *>("vsbMain"), nullptr);
    int shown = 0;
    for (int k = 1; k <= 120; ++k) {
        QPushButton *b = button(k);
        ASSERT_NE(b, nullptr) << k;
        EXPECT_EQ(b->parentWidget(), panel.picDraw);
        if (!b->isHidden()) {
            ++shown;
            EXPECT_TRUE(b->isEnabled());
        } else {
            EXPECT_FALSE(b->isEnabled());
            EXPECT_EQ(b->text(), "");
        }
    }
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(button(1)->text(), "海老天ぷら定");
    EXPECT_EQ(button(2)->text(), "海老天");
    EXPECT_EQ(button(120)->text(), "ビー");
    EXPECT_EQ(panel.findChild<QPushButton *>("cmdMenu121"), nullptr);

    // A saved board that emptied a row hides its buttons at the next refresh.
    for (int k = 11; k <= 15; ++k)
        tables.MenuBoard[size_t(k)] = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
    panel.Refresh(tables);
    EXPECT_TRUE(button(13)->isHidden());
    EXPECT_FALSE(button(13)->isEnabled());
    EXPECT_EQ(button(13)->text(), "");
    // A slot with a name but the empty caption still shows (blank).
    tables.MenuBoard[3] = {QStringLiteral("うどん"), YenToCurrency(600), QString()};
    panel.Refresh(tables);
    EXPECT_FALSE(button(3)->isHidden());
}

TEST_F(BoardPanel, GridPutsSlotsInRowsOfFive)
{
    // Row r holds slots 5r-4..5r; the first column is about twice as wide.
    EXPECT_EQ(button(1)->y(), button(5)->y());
    EXPECT_LT(button(5)->y(), button(6)->y());
    EXPECT_EQ(button(6)->x(), button(1)->x());
    EXPECT_EQ(button(116)->x(), button(1)->x());
    EXPECT_EQ(button(120)->y(), button(116)->y());
    EXPECT_GT(button(120)->y(), button(115)->y());
    EXPECT_NEAR(double(button(1)->width()) / button(2)->width(), 1230.0 / 660.0, 0.1);
    EXPECT_EQ(button(2)->width(), button(5)->width());
    for (int c = 1; c < 5; ++c)
        EXPECT_LT(button(c)->geometry().right(), button(c + 1)->x());
}

TEST_F(BoardPanel, ScrollsOnlyWhenTheSurfaceIsTaller)
{
    panel.Refresh(tables);
    panel.resize(400, 200);
    panel.show();
    ASSERT_FALSE(panel.vsbMain->isHidden());
    const int surface = panel.picDraw->height();
    EXPECT_EQ(panel.vsbMain->maximum(), surface - 200);
    EXPECT_EQ(panel.vsbMain->pageStep(), 200);
    EXPECT_LT(panel.vsbMain->height(), 200);
    EXPECT_LE(panel.picDraw->width() + panel.vsbMain->width(), 400);
    EXPECT_GE(panel.vsbMain->x(), panel.picDraw->width());
    panel.vsbMain->setValue(100);
    EXPECT_EQ(panel.picDraw->y(), -100);
    panel.vsbMain->setValue(panel.vsbMain->maximum());
    // The last row is fully visible at the bottom.
    EXPECT_LE(button(120)->mapTo(&panel, QPoint(0, button(120)->height())).y(), 200);

    panel.resize(400, surface + 10);
    EXPECT_TRUE(panel.vsbMain->isHidden());
    EXPECT_EQ(panel.picDraw->y(), 0);
    EXPECT_EQ(panel.picDraw->width(), 400);
}

TEST_F(BoardPanel, PressSignalsTheSlotNumber)
{
    panel.Refresh(tables);
    panel.resize(400, 700);
    panel.show();
    QSignalSpy spy(&panel, &MenuBoardPanel::boardButtonPressed);
    QTest::mouseClick(button(13), Qt::LeftButton);
    QTest::mouseClick(button(1), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 13);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1);
}

class BoardPress : public BoardPanel
{
  protected:
    void press(int k)
    {
        PressBoardButton(
            k, tables, host, [this] { ++dialogOpened; }, boardCellNo);
    }

    TestDataFolder folder;
    TestPrompt prompt;
    FakeOrderWindow host;
    int dialogOpened = 0;
    int boardCellNo = 0;
};

TEST_F(BoardPress, QuickAddMergesRepeatedPresses)
{
    SavePref("SET", "MENU", "1");
    press(13);
    press(13);
    ASSERT_EQ(host.lines.topLevelItemCount(), 1);
    QTreeWidgetItem *line = host.lines.topLevelItem(0);
    EXPECT_EQ(line->text(0), "ざるそば");
    EXPECT_EQ(line->text(1), "2");
    EXPECT_EQ(line->text(2), "¥700");
    EXPECT_EQ(line->data(0, Qt::UserRole).toString(), "ざるそば\t（なし）\t700\t2");
    EXPECT_TRUE(line->isSelected());
    EXPECT_EQ(host.linesChanged, 2);
    EXPECT_EQ(dialogOpened, 0);
    EXPECT_EQ(boardCellNo, 0);

    // Short captions never reach the line: both buttons give the full name.
    press(1);
    press(2);
    ASSERT_EQ(host.lines.topLevelItemCount(), 2);
    EXPECT_EQ(host.lines.topLevelItem(1)->text(0), "海老天ぷら定食御膳");
    EXPECT_EQ(host.lines.topLevelItem(1)->text(1), "2");
    EXPECT_EQ(host.lines.topLevelItem(1)->text(2), "¥1,800");
}

TEST_F(BoardPress, QuickAddLeavesALineWithAnOptionAlone)
{
    SavePref("SET", "MENU", "1");
    OrderLineList::Append(&host.lines, {QStringLiteral("ざるそば"), QStringLiteral("大盛り"), 800, 1});
    press(13);
    ASSERT_EQ(host.lines.topLevelItemCount(), 2);
    EXPECT_EQ(host.lines.topLevelItem(0)->text(0), "ざるそば（大盛り）");
    EXPECT_EQ(host.lines.topLevelItem(0)->text(1), "1");
    EXPECT_EQ(host.lines.topLevelItem(1)->text(0), "ざるそば");
    EXPECT_EQ(host.lines.topLevelItem(1)->text(1), "1");
    // The merge sets the price column again from the board.
    host.lines.topLevelItem(1)->setText(2, "¥1");
    press(13);
    EXPECT_EQ(host.lines.topLevelItem(1)->text(2), "¥700");
}

TEST_F(BoardPress, WithoutQuickAddTheDialogOpensForTheCell)
{
    for (const char *value : {"0", ""}) {
        SavePref("SET", "MENU", value);
        dialogOpened = 0;
        press(120);
        EXPECT_EQ(dialogOpened, 1) << value;
        EXPECT_EQ(boardCellNo, 120);
        EXPECT_EQ(host.lines.topLevelItemCount(), 0);
        EXPECT_EQ(host.linesChanged, 0);
        boardCellNo = 0;
    }
}

TEST_F(BoardPress, TwentyLinesRefuseEveryPress)
{
    for (int i = 1; i <= 20; ++i)
        OrderLineList::Append(&host.lines, {QStringLiteral("品%1").arg(i), QStringLiteral("（なし）"), 100, 1});
    OrderLineList::Append(&host.lines, {QStringLiteral("ざるそば"), QStringLiteral("（なし）"), 700, 1});
    delete host.lines.takeTopLevelItem(0);
    ASSERT_EQ(host.lines.topLevelItemCount(), 20);
    for (const char *value : {"1", "0"}) {
        SavePref("SET", "MENU", value);
        prompt.clear();
        // Even a press that would only raise a quantity.
        press(13);
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().title, "注文商品の上限に達しています");
        EXPECT_EQ(prompt.last().text, "20品目以上は登録できません。");
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    }
    EXPECT_EQ(host.lines.topLevelItemCount(), 20);
    EXPECT_EQ(host.lines.topLevelItem(19)->text(1), "1");
    EXPECT_EQ(host.linesChanged, 0);
    EXPECT_EQ(dialogOpened, 0);
    EXPECT_EQ(boardCellNo, 0);
}

TEST_F(BoardPress, EmptyOrUnknownSlotsDoNothing)
{
    SavePref("SET", "MENU", "1");
    press(4);
    press(0);
    press(121);
    EXPECT_EQ(host.lines.topLevelItemCount(), 0);
    EXPECT_EQ(host.linesChanged, 0);
    EXPECT_EQ(prompt.count(), 0);
}
