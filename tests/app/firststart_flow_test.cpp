// The whole start-up on a new machine: notice, shop settings, then every table loaded.
#include <gtest/gtest.h>

#include "app/firststart.h"
#include "app/frmMain.h"
#include "app/startup.h"
#include "app/singleinstance.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmShop.h"
#include "store/appdata.h"
#include "store/cp932.h"
#include "store/settingfiles.h"
#include "store/prefs.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{
// Each test gets its own per-user runtime folder, so parallel test processes never share the
// single-instance lock.
struct OwnRuntimeFolder {
    explicit OwnRuntimeFolder(const TestDataFolder &folder) { qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit()); }
    ~OwnRuntimeFolder() { qunsetenv("XDG_RUNTIME_DIR"); }
};
} // namespace

TEST(StartupFlow, FirstStartShowsNoticeThenShopSettingsThenLoadsEverything)
{
    TestDataFolder folder;
    OwnRuntimeFolder runtime(folder);
    TestPrompt prompt;
    prompt.answerNext(PromptAnswer::Ok); // the first-start notice
    prompt.answerNext(PromptAnswer::No); // "save?" when the shop window is left without saving
    AppData data(folder.path());
    QString notice;
    QString tax;
    ModalHandler shop([&](QWidget *w) {
        auto *dialog = qobject_cast<frmShop *>(w);
        ASSERT_NE(dialog, nullptr);
        notice = dialog->findChild<QLineEdit *>("txtRenraku")->text();
        tax = dialog->findChild<QLineEdit *>("txtTax")->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    });
    StartupResult result = RunStartup(data);
    ASSERT_TRUE(result.proceed);
    EXPECT_TRUE(shop.done());
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.asked[0].title, QStringLiteral("初めてご利用になる方へ"));
    EXPECT_EQ(prompt.asked[0].text, FirstStartNoticeText());
    EXPECT_EQ(prompt.asked[1].title, QStringLiteral("保存確認"));
    EXPECT_EQ(notice, QStringLiteral("今日も1日頑張りましょう！"));
    EXPECT_EQ(tax, QStringLiteral("0"));

    EXPECT_EQ(GetPref("PAPER", "HEIGHT"), QStringLiteral("33.9"));
    EXPECT_FALSE(IsFirstStart());
    EXPECT_TRUE(data.StartupDone);
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_EQ(data.settings.Shop.NoticeLine, QStringLiteral("今日も1日頑張りましょう！"));

    // A second copy started while this one runs is refused with the exact warning.
    AppData other(folder.path());
    StartupResult second = RunStartup(other);
    EXPECT_FALSE(second.proceed);
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.last().title, QStringLiteral("起動できません"));
    EXPECT_EQ(prompt.last().text, DuplicateStartText(QStringLiteral("ソラノワ")));
    EXPECT_FALSE(other.StartupDone);
}

TEST(StartupFlow, FirstStartOnABroughtDataFolderShowsAndKeepsItsShopSettings)
{
    TestDataFolder folder;
    OwnRuntimeFolder runtime(folder);
    TestPrompt prompt;
    // The shop's file from its old machine; this user has no preferences yet.
    QByteArray shopFile;
    for (const QString &line :
         {QStringLiteral("そば処　空の輪"), QStringLiteral("1600023"), QStringLiteral("東京都新宿区西新宿1-2-3"),
          QStringLiteral("03"), QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("10"),
          QStringLiteral("毎度ありがとうございます"), QStringLiteral("火曜定休"), QStringLiteral("1"),
          QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("100"),
          QStringLiteral("6")})
        shopFile += ToCp932(line) + "\r\n";
    folder.write(SettingFiles::kShop, shopFile);
    prompt.answerNext(PromptAnswer::Ok); // the first-start notice
    prompt.answerNext(PromptAnswer::Ok); // only if OK were refused ...
    prompt.answerNext(PromptAnswer::No); // ... and the window then left without saving
    AppData data(folder.path());
    QStringList shown;
    bool changed = true;
    ModalHandler shop([&](QWidget *w) {
        for (const char *name : {"txtShopName", "txtZip", "txtAddress", "txtTel0", "txtTel2", "txtTax", "txtRenraku"})
            shown << w->findChild<QLineEdit *>(name)->text();
        changed = w->findChild<QPushButton *>("cmdApply")->isEnabled();
        // Confirming the window as it opened stores what it shows.
        QTest::mouseClick(w->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        if (w->isVisible()) // refused: leave it without saving
            QTest::mouseClick(w->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    });
    StartupResult result = RunStartup(data);
    ASSERT_TRUE(result.proceed);
    ASSERT_TRUE(shop.done());
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("そば処　空の輪"), "1600023", QStringLiteral("東京都新宿区西新宿1-2-3"), "03",
                           "5678", "10", QStringLiteral("毎度ありがとうございます")}));
    EXPECT_FALSE(changed);
    ASSERT_EQ(prompt.count(), 1); // the first-start notice only
    EXPECT_EQ(prompt.last().title, QStringLiteral("初めてご利用になる方へ"));
    EXPECT_EQ(folder.read(SettingFiles::kShop), shopFile);
    EXPECT_EQ(data.settings.Shop.ShopName, QStringLiteral("そば処　空の輪"));
    EXPECT_EQ(data.settings.Shop.PointService, "1");
    EXPECT_FALSE(IsFirstStart());
}

TEST(StartupFlow, LaterStartsGoStraightToTheTables)
{
    TestDataFolder folder;
    OwnRuntimeFolder runtime(folder);
    TestPrompt prompt;
    MarkFirstStartDone();
    AppData data(folder.path());
    StartupResult result = RunStartup(data);
    EXPECT_TRUE(result.proceed);
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_TRUE(data.StartupDone);
}

TEST(StartupFlow, ShopSettingsCommandOpensTheShopWindow)
{
    TestDataFolder folder;
    TestPrompt prompt;
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    AppData data(folder.path());
    data.LoadAll();
    frmMain w(data);
    bool opened = false;
    ModalHandler shop([&](QWidget *dialog) {
        opened = qobject_cast<frmShop *>(dialog) != nullptr;
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdCancel"), Qt::LeftButton);
    });
    QAction *command = w.findChild<QAction *>("mnuSetShop");
    ASSERT_TRUE(command->isEnabled());
    command->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(prompt.count(), 0);
}
