// Caller ID inside the frame: "CTI設定(&C)" turns the order window's buttons on, and an automatic
// entry from the shared folder reaches the phone field and both caller panels.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "callerid/ui/frmDispSet.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "mock/waitfor.h"
#include "orders/ui/frmOrder.h"
#include "store/appdata.h"
#include "store/settingfiles.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

TEST(CtiFrame, SettingsTurnOnTheButtonsAndTheEntryFillsThePanels)
{
    TestDataFolder folder;
    TestPrompt prompt;
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("net")));
    folder.write(QStringLiteral("net/cti.dat"), "0312345678\r\n");
    AppData data(folder.path());
    data.LoadAll();
    frmMain w(data);
    w.show();
    w.findChild<QAction *>("mnuUketsuke")->trigger();
    auto *order = qobject_cast<frmOrder *>(w.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(order, nullptr);
    EXPECT_FALSE(order->cmdCTI->isEnabled()) << "caller ID is off on a first start";

    bool opened = false;
    ModalHandler settings([&](QWidget *dialog) {
        auto *d = qobject_cast<frmDispSet *>(dialog);
        opened = d != nullptr;
        if (!d)
            return;
        d->optCti2->setChecked(true);
        d->txtFolder->setText(folder.file(QStringLiteral("net")));
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    });
    w.findChild<QAction *>("mnuSetCti")->trigger();
    ASSERT_TRUE(opened);
    EXPECT_EQ(folder.read(SettingFiles::kCti),
              "2\r\n1\r\nAT\\L1\r\n" + folder.file(QStringLiteral("net")).toUtf8() + "\r\n");
    WAIT_UNTIL(order->cmdCTI->isEnabled());

    const QString before = order->txtTel->text();
    order->cmdCTI->click();
    EXPECT_EQ(order->txtTel->text(), QStringLiteral("0312345678"));
    EXPECT_EQ(w.sbrCaller->text(), QStringLiteral("最新着信番号：0312345678 新規"));
    EXPECT_EQ(w.sbrReplaced->text(), QStringLiteral("直前入力番号：") + before);
    EXPECT_EQ(order->lblMsg->text(), QStringLiteral("新規客です"));
    EXPECT_EQ(prompt.count(), 0);
}
