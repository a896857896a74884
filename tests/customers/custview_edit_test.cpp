// The customer search window's commands on a listed customer: deletion with its question, the
// refresh after the detail window, and the window opened from the main window's menu.
#include "custviewtest.h"

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/waitfor.h"
#include "store/records.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

TEST_F(CustViewTest, DeleteAsksThenMarksTheRecordAndDropsItFromIndexAndList)
{
    addCustomer(1, "0312345678", QStringLiteral("ｱｵｷ"));
    addCustomer(2, "0312340000", QStringLiteral("ｲﾄｳ"));
    addCustomer(3, "0398765432", QStringLiteral("ｶﾄｳ"));
    open();
    window->openDetail = [](int) {};
    window->txtTelSearch->setText(QStringLiteral("03123"));
    ASSERT_EQ(rows().size(), 2);
    window->lsvCust->setCurrentIndex(window->lsvCust->model()->index(1, 0));

    // No keeps everything.
    prompt.answerNext(PromptAnswer::No);
    window->tlbDel->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompt.last().title, QStringLiteral("顧客データの削除確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客ID：00002 を\r\n削除してもよろしいですか？"));
    EXPECT_EQ(rows().size(), 2);
    EXPECT_EQ(data.records.CustomerCount(), 3);

    // Yes marks the stored record deleted and drops it from the index and the list.
    prompt.answerNext(PromptAnswer::Yes);
    window->mnuDel->trigger();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00001 0312345678 ｱｵｷ")});
    EXPECT_EQ(data.records.CustomerCount(), 2);
    EXPECT_EQ(data.records.FindCustomerPos(2), -1);
    EXPECT_EQ(data.records.FindCustomerPos(3), 2);
    data.records.CloseRecordFiles();
    const QByteArray file = folder.read(QStringLiteral("Customer.snw"));
    ASSERT_EQ(file.size(), 3 * kCustomerRecordLength);
    EXPECT_EQ(RecordBytes::GetInt32(file.constData() + 1 * kCustomerRecordLength), -1);
    EXPECT_EQ(CustomerRecord::fromBytes(file.constData() + 1 * kCustomerRecordLength).Tel,
              QStringLiteral("0312340000"));
    EXPECT_EQ(RecordBytes::GetInt32(file.constData()), 1);
    EXPECT_EQ(RecordBytes::GetInt32(file.constData() + 2 * kCustomerRecordLength), 3);
    data.records.OpenRecordFiles();
    EXPECT_TRUE(commandsEnabled());

    // The last row gone: nothing left to open or delete.
    prompt.answerNext(PromptAnswer::Yes);
    window->mnuDel->trigger();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(commandsDisabled());
    EXPECT_EQ(data.records.CustomerCount(), 1);
    EXPECT_EQ(data.records.CustomerIndex[1].CustomerId, 3);
}

TEST_F(CustViewTest, AfterTheDetailWindowTheSelectedRowShowsTheSavedPhoneAndName)
{
    addCustomer(1, "0312345678", QStringLiteral("ｱｵｷ"));
    addCustomer(2, "0312340000", QStringLiteral("ｲﾄｳ"));
    open();
    window->txtTelSearch->setText(QStringLiteral("0312"));
    // The detail window saves a new number that no longer begins with the search text.
    window->openDetail = [this](int pos) {
        std::optional<CustomerRecord> c = data.records.ReadCustomer(pos);
        ASSERT_TRUE(c);
        c->Tel = QStringLiteral("0459999999");
        c->NameKana = QStringLiteral("ｲﾄｳﾀﾛｳ");
        ASSERT_TRUE(data.records.UpdateCustomer(pos, *c));
    };
    window->lsvCust->setCurrentIndex(window->lsvCust->model()->index(1, 0));
    const QPoint second = window->lsvCust->visualRect(window->lsvCust->model()->index(1, 1)).center();
    QTest::mousePress(window->lsvCust->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(window->lsvCust->viewport(), Qt::LeftButton, {}, second);
    // The row stays until the next search, with what was saved.
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("00001 0312345678 ｱｵｷ"), QStringLiteral("00002 0459999999 ｲﾄｳﾀﾛｳ")}));

    // Re_view as the frame calls it: only the selected row is brought up to date.
    CustomerRecord first = *data.records.ReadCustomer(1);
    first.NameKana = QStringLiteral("ｱｵﾔﾏ");
    ASSERT_TRUE(data.records.UpdateCustomer(1, first));
    window->Re_view();
    EXPECT_EQ(rows().at(0), QStringLiteral("00001 0312345678 ｱｵｷ"));
    window->lsvCust->setCurrentIndex(window->lsvCust->model()->index(0, 0));
    window->Re_view();
    EXPECT_EQ(rows().at(0), QStringLiteral("00001 0312345678 ｱｵﾔﾏ"));
}

TEST_F(CustViewTest, MainMenuOpensTheWindowOnceAndBringsItForward)
{
    addCustomer(1, "0312345678", QStringLiteral("ｱｵｷ"));
    addCustomer(2, "0312340000", QStringLiteral("ｱｲｶﾜ"));
    addCustomer(3, "0398765432", QStringLiteral("ｶﾄｳ"));
    RegisterProgramWindows();
    {
        frmMain frame(data);
        frame.show();
        frame.RunCommand(Command::CustView);
        auto countSearchWindows = [&frame] {
            int n = 0;
            for (QMdiSubWindow *sub : frame.mdiArea()->subWindowList())
                n += qobject_cast<frmCustView *>(sub->widget()) ? 1 : 0;
            return n;
        };
        EXPECT_EQ(countSearchWindows(), 1);
        QMdiSubWindow *search = frame.mdiArea()->activeSubWindow();
        ASSERT_TRUE(search);
        EXPECT_EQ(search->windowTitle(), QStringLiteral("顧客検索"));
        frame.RunCommand(Command::Jokyo);
        EXPECT_NE(frame.mdiArea()->activeSubWindow(), search);
        frame.RunCommand(Command::CustView);
        EXPECT_EQ(countSearchWindows(), 1);
        EXPECT_EQ(frame.mdiArea()->activeSubWindow(), search);

        // The whole window fits a small screen's frame; SORANOWA_SHOTS keeps a picture of each.
        auto *view = qobject_cast<frmCustView *>(search->widget());
        view->txtMojiSearch->setText(QStringLiteral("ｱ"));
        const QString shots = qEnvironmentVariable("SORANOWA_SHOTS");
        for (const QSize &size : {QSize(1366, 768), QSize(1024, 768)}) {
            frame.resize(size);
            QApplication::processEvents();
            const QSize room = frame.mdiArea()->viewport()->size();
            EXPECT_LE(view->minimumSizeHint().width(), room.width()) << size.width();
            EXPECT_LE(view->minimumSizeHint().height(), room.height()) << size.width();
            if (!shots.isEmpty())
                frame.grab().save(shots + QStringLiteral("/frmCustView_%1.png").arg(size.width()));
        }
    }
    UnregisterProgramWindows();
}
