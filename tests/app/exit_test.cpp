// The end of work: child windows close, the input-support lists are written, the end-of-work
// dialog decides about compaction and the end of the program.
#include <gtest/gtest.h>

#include "app/frmExit.h"
#include "app/frmMain.h"
#include "mock/modal.h"
#include "mock/shellrecorder.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/appdata.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace
{

struct ExitTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};

    void SetUp() override
    {
        Clock::Pin(QDateTime(QDate(2026, 12, 9), QTime(21, 30)));
        RecordStore &r = data.records;
        ASSERT_TRUE(r.OpenRecordFiles());
        r.BuildIndexes();
        for (int i = 1; i <= 3; ++i) {
            SalesRecord sale;
            sale.OrderDate = QStringLiteral("20261209");
            sale.OrderNo = qint16(i);
            sale.CustomerId = 1;
            sale.ItemName[1] = QStringLiteral("天丼");
            ASSERT_TRUE(r.AddSale(sale));
        }
        // Cancel order 2: its record stays in the file, marked, until compaction.
        ASSERT_TRUE(r.DeleteSale(2));
        data.settings.BuildingList = QStringList{QString(), QStringLiteral("ｻﾝﾊｲﾂ\t1-2-3")};
    }
    void TearDown() override { Clock::Unpin(); }

    qint64 salesRecordsOnDisk() const { return QFileInfo(folder.file("Sales.snw")).size() / kSalesRecordLength; }

    // Closes the window, answering the end-of-work dialog with `button` (and the box ticked or not).
    bool closeWith(frmMain &w, const char *button, bool compact)
    {
        ModalHandler handler([button, compact](QWidget *dialog) {
            auto *exitDialog = qobject_cast<frmExit *>(dialog);
            ASSERT_NE(exitDialog, nullptr);
            exitDialog->chkOptimize->setChecked(compact);
            QTest::mouseClick(exitDialog->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        const bool closed = w.close();
        EXPECT_TRUE(handler.done());
        return closed;
    }
};

} // namespace

TEST_F(ExitTest, DialogShowsItsQuestionBackupPlaceAndButtons)
{
    frmExit dialog(AutomaticBackupFolder(), AutomaticBackupFileName());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("終了処理（バックアップの実行）"));
    EXPECT_EQ(dialog.lblQuestion->text(), QStringLiteral("バックアップを行いますか？"));
    EXPECT_EQ(dialog.lblFileName->text(), QStringLiteral("Soranowa_bak_26_12_09_21.snb"));
    EXPECT_TRUE(dialog.lblFolder->text().contains(QStringLiteral("/backup/")));
    EXPECT_EQ(dialog.chkOptimize->text(), QStringLiteral("ファイルの最適化を行う"));
    EXPECT_FALSE(dialog.chkOptimize->isChecked());
    EXPECT_EQ(dialog.cmdYes->text(), QStringLiteral("はい(&Y)"));
    EXPECT_EQ(dialog.cmdNo->text(), QStringLiteral("いいえ(&N)"));
    EXPECT_EQ(dialog.cmdCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(dialog.cmdHelp->text(), QStringLiteral("ヘルプ(&H)"));

    ShellRecorder shell;
    dialog.cmdHelp->click();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened.first(), HelpTopicUrl(335));
}

TEST_F(ExitTest, CancelReturnsToWorkWithFilesOpen)
{
    frmMain w(data);
    w.show();
    EXPECT_FALSE(closeWith(w, "cmdCancel", true));
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_EQ(salesRecordsOnDisk(), 3);
    // The input-support lists were written before the dialog showed.
    EXPECT_EQ(folder.read("Building.snw"), QByteArray("\xbb\xdd\xca\xb2\xc2\t1-2-3\r\n"));
    EXPECT_TRUE(QFileInfo::exists(folder.file("MenuSub.snw")));
    EXPECT_TRUE(QFileInfo::exists(folder.file("MenuSitei.snw")));
}

TEST_F(ExitTest, NoWithoutCompactionEndsAndLeavesFilesAlone)
{
    frmMain w(data);
    w.show();
    EXPECT_TRUE(closeWith(w, "cmdNo", false));
    EXPECT_FALSE(data.records.IsOpen());
    EXPECT_EQ(salesRecordsOnDisk(), 3);
}

TEST_F(ExitTest, NoWithCompactionSqueezesOutCancelledOrders)
{
    frmMain w(data);
    w.show();
    EXPECT_TRUE(closeWith(w, "cmdNo", true));
    EXPECT_FALSE(data.records.IsOpen());
    EXPECT_EQ(salesRecordsOnDisk(), 2);
    EXPECT_FALSE(QFileInfo::exists(folder.file("Sales.tmp")));
}

TEST_F(ExitTest, YesWithoutBackupStepCompactsAndEnds)
{
    frmMain w(data);
    w.show();
    EXPECT_TRUE(closeWith(w, "cmdYes", true));
    EXPECT_EQ(salesRecordsOnDisk(), 2);
}

TEST_F(ExitTest, FailedBackupAfterCompactionRebuildsTablesBeforeWorkGoesOn)
{
    frmMain w(data);
    w.show();
    int backups = 0;
    w.automaticBackup = [&backups](AppData &) {
        ++backups;
        return false;
    };
    // First answer: Yes with compaction; the backup fails and the dialog returns; then Cancel.
    bool firstDone = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<frmExit *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (!firstDone) {
            firstDone = true;
            dialog->chkOptimize->setChecked(true);
            dialog->cmdYes->click();
        } else {
            dialog->cmdCancel->click();
        }
    });
    poll.start(10);
    EXPECT_FALSE(w.close());
    poll.stop();
    EXPECT_EQ(backups, 1);
    EXPECT_TRUE(data.records.IsOpen());
    EXPECT_EQ(salesRecordsOnDisk(), 2);
    // The tables match the compacted file: both live orders read back by their positions.
    ASSERT_EQ(data.records.SalesCount(), 2);
    const std::optional<SalesRecord> third = data.records.ReadSale(2);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->OrderNo, 3);
    EXPECT_EQ(data.records.SalesIndex[2].RecordNo, 2);
}
