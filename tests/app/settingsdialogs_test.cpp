// The staff and detail settings open from the main window's commands, and what they store
// shows at once in the order window left open behind them.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/frmOrder.h"
#include "settings/ui/frmSettei.h"
#include "settings/ui/frmStaffSet.h"
#include "store/appdata.h"
#include "store/settingfiles.h"

#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

TEST(SettingsDialogs, StaffAndDetailChangesReachTheOpenOrderWindow)
{
    TestDataFolder folder;
    TestPrompt prompt;
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    folder.write(SettingFiles::kStaff,
                 QByteArray::fromHex("8db293a1") + "\r\n" + QByteArray::fromHex("97e996d8") + "\r\n"); // 佐藤, 鈴木
    AppData data(folder.path());
    data.LoadAll();
    frmMain w(data);
    w.show();
    w.findChild<QAction *>("mnuUketsuke")->trigger();
    auto *order = qobject_cast<frmOrder *>(w.mdiArea()->activeSubWindow()->widget());
    ASSERT_NE(order, nullptr);
    ASSERT_EQ(order->cboStaff->count(), 2);

    bool staffOpened = false;
    ModalHandler staff([&](QWidget *dialog) {
        auto *d = qobject_cast<frmStaffSet *>(dialog);
        staffOpened = d != nullptr;
        if (!d)
            return;
        QTreeWidgetItem *root = d->tvwStaff->topLevelItem(0);
        d->tvwStaff->setCurrentItem(root->child(1));
        d->btnDel->trigger(); // answered Yes
        QTest::mouseClick(d->cmdSave, Qt::LeftButton);
    });
    QAction *setStaff = w.findChild<QAction *>("mnuSetStaff");
    ASSERT_TRUE(setStaff->isEnabled());
    setStaff->trigger();
    EXPECT_TRUE(staffOpened);
    EXPECT_EQ(folder.read(SettingFiles::kStaff), QByteArray::fromHex("8db293a1") + "\r\n");
    ASSERT_EQ(order->cboStaff->count(), 1);
    EXPECT_EQ(order->cboStaff->itemText(0), QString::fromUtf8("佐藤"));

    EXPECT_EQ(order->tlbGoConfirm->text(), frmOrder::kConfirmCaption);
    bool detailOpened = false;
    ModalHandler detail([&](QWidget *dialog) {
        auto *d = qobject_cast<frmSettei *>(dialog);
        detailOpened = d != nullptr;
        if (!d)
            return;
        d->optOrder[1]->setFocus();
        QTest::keyClick(d->optOrder[1], Qt::Key_Space);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    });
    QAction *settei = w.findChild<QAction *>("mnuSettei");
    ASSERT_TRUE(settei->isEnabled());
    settei->trigger();
    EXPECT_TRUE(detailOpened);
    EXPECT_EQ(order->tlbGoConfirm->text(), frmOrder::kConfirmPrintCaption);
}
