// "電話帳データ(&T)" of the main window opens the phone-book import on the program's own phone
// book: what the window deletes is gone from the tables the order windows look callers up in.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "customers/ui/frmTelDataIn.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "store/appdata.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

TEST(PhoneBookMenu, OpensTheImportWindowOnTheProgramsPhoneBook)
{
    TestDataFolder folder;
    TestPrompt prompt;
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    PhoneBookRecord entry;
    entry.Tel = QStringLiteral("0311112222");
    folder.write(RecordStore::kPhoneBookFile, entry.toBytes());
    AppData data(folder.path());
    data.LoadAll();
    ASSERT_EQ(data.records.FindPhoneBookPosByTel(QStringLiteral("0311112222")), 1);
    frmMain w(data);
    w.show();

    bool opened = false;
    ModalHandler handler([&](QWidget *dialog) {
        auto *d = qobject_cast<frmTelDataIn *>(dialog);
        opened = d != nullptr;
        if (!d)
            return;
        EXPECT_TRUE(d->cmdDel->isEnabled());
        QTest::mouseClick(d->cmdDel, Qt::LeftButton); // answered OK
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    });
    QAction *action = w.findChild<QAction *>("mnuCustTel");
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(data.records.FindPhoneBookPosByTel(QStringLiteral("0311112222")), -1);
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile), QByteArray());
}
