#pragma once
// What the desktop tests share: an order-taking shop in a temporary data folder, the program's
// windows registered, and the frame as the program shows it.
#include "orders/orderdata.h"

#include "app/commands.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>

class DesktopTest : public OrderDataTest
{
  protected:
    void SetUp() override
    {
        OrderDataTest::SetUp();
        SettingTables &t = data->settings;
        t.MotiveList = BuildMotiveList();
        t.Shop.ShopName = QStringLiteral("空野屋");
        t.Shop.ShopTel = {"03", "1234", "5678"};
        t.Shop.TaxRate = "8";
        const auto menu = [&](const char *group, const char *name, qint64 yen, const char *kana) {
            t.MenuTable.push_back(
                {QString::fromUtf8(group), QString::fromUtf8(name), YenToCurrency(yen), QString::fromUtf8(kana)});
        };
        menu("丼", "カツ丼", 800, "ｶﾂﾄﾞﾝ");
        menu("丼", "カレーライス", 700, "ｶﾚｰﾗｲｽ");
        menu("麺", "ざるそば", 600, "ｻﾞﾙｿﾊﾞ");
        menu("麺", "天ぷらそば（海老二本）", 1200, "ﾃﾝﾌﾟﾗｿﾊﾞ");
        menu("一品", "サラダ", 150, "ｻﾗﾀﾞ");
        t.StaffList = QStringList{QString(), QStringLiteral("山田"), QStringLiteral("佐藤")};
        t.DeliverToList = QStringList{QString(), QStringLiteral("会社")};
        t.MenuOptionList = QStringList{QString(), QStringLiteral("大盛")};
        for (auto &slot : t.MenuBoard)
            slot = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
        t.MenuBoard[1] = {QStringLiteral("カツ丼"), YenToCurrency(800), QStringLiteral("カツ丼")};
        t.MenuBoard[2] = {QStringLiteral("ざるそば"), YenToCurrency(600), QStringLiteral("ざる")};
        RegisterProgramWindows();
    }
    void TearDown() override
    {
        frame.reset();
        for (Command c : {Command::Jokyo, Command::Uketsuke, Command::SetShop, Command::SetShien})
            UnregisterCommand(c);
        OrderDataTest::TearDown();
    }

    // The frame as the program opens it, active on the desktop.
    void openFrame()
    {
        frame = std::make_unique<frmMain>(*data);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    QMdiArea *mdi() { return frame->mdiArea(); }
    // Runs a command and returns the child window it made active.
    template <typename T> T *openChild(Command command, QMdiSubWindow **sub = nullptr)
    {
        frame->RunCommand(command);
        QMdiSubWindow *active = mdi()->activeSubWindow();
        if (sub)
            *sub = active;
        return active ? qobject_cast<T *>(active->widget()) : nullptr;
    }

    TestPrompt prompt;
    std::unique_ptr<frmMain> frame;
};
