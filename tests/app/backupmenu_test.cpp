// The maintenance menu's backup and restore: a restore ends the program at once, without the
// end-of-work dialog.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmExit.h"
#include "app/frmMain.h"
#include "backup/ui/frmBackup.h"
#include "backup/ui/frmRestore.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/appdata.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

TEST(BackupMenu, BackupThenRestoreFromTheMenuEndsTheProgramWithoutTheExitDialog)
{
    TestDataFolder folder;
    TestPrompt prompt;
    QTemporaryDir media;
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    folder.write(QStringLiteral("BackUp.snw"), ("\"" + media.path() + "\"\r\n\"shop.snb\"\r\n").toUtf8());
    folder.write(QStringLiteral("Shop.snw"), QByteArray("as backed up"));
    AppData data(folder.path());
    data.LoadAll();
    frmMain w(data);
    w.show();

    bool backupOpened = false;
    ModalHandler backup([&](QWidget *dialog) {
        auto *d = qobject_cast<frmBackup *>(dialog);
        backupOpened = d != nullptr;
        if (d)
            d->cmdBackup->click();
    });
    w.findChild<QAction *>("mnuBackup")->trigger();
    ASSERT_TRUE(backupOpened);
    EXPECT_EQ(prompt.last().text, QStringLiteral("バックアップが完了しました。"));
    EXPECT_TRUE(data.records.IsOpen());

    folder.write(QStringLiteral("Shop.snw"), QByteArray("changed"));
    bool exitDialogShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<frmExit *>(QApplication::activeModalWidget())) {
            exitDialogShown = true;
            d->cmdCancel->click();
        }
    });
    watch.start(10);
    ModalHandler restore([&](QWidget *dialog) {
        if (auto *d = qobject_cast<frmRestore *>(dialog))
            d->cmdRestore->click();
    });
    w.findChild<QAction *>("mnuRestore")->trigger();
    watch.stop();
    EXPECT_TRUE(restore.done());
    EXPECT_FALSE(exitDialogShown);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Shop.snw")), QByteArray("as backed up"));
    EXPECT_EQ(prompt.last().title, QStringLiteral("ソラノワの再起動"));
}
