// The input support settings window, driven offscreen by objectName; its add and change dialogs
// answered as they open, boxes answered by the test prompt.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "mock/waitfor.h"
#include "settings/ui/frmMenuBuilding.h"
#include "settings/ui/frmMenuSiteiName.h"
#include "settings/ui/frmShienSet.h"
#include "store/appdata.h"
#include "store/cp932.h"
#include "store/helpers.h"
#include "store/settingfiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace
{

const QString kDeleteTitle = QStringLiteral("削除確認");
const QString kSaveTitle = QStringLiteral("保存確認");
const QString kSaveQuestion = QStringLiteral("メニュー内容が変更されています。保存しますか？");

QByteArray Cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += ToCp932(l) + "\r\n";
    return out;
}

QStringList Entries(QTreeWidget *tree)
{
    QStringList out;
    QTreeWidgetItem *root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
        out << root->child(i)->text(0);
    return out;
}

void SelectEntry(QTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *root = tree->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->text(0) == text) {
            tree->setCurrentItem(root->child(i));
            return;
        }
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

// Types into a field as the staff would, replacing what it holds.
void Type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(field, ch.toLatin1());
        else // what an input method commits
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// With SORANOWA_SHOTS set to a folder, the window as the staff see it goes there as a picture.
void Shoot(QWidget *w, const char *name)
{
    const QString shots = qEnvironmentVariable("SORANOWA_SHOTS");
    if (shots.isEmpty())
        return;
    QApplication::processEvents();
    w->grab().save(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

// Runs `trigger`, which opens a modal dialog, and `act` on that dialog once it shows.
void WithDialog(const std::function<void()> &trigger, const std::function<void(QWidget *)> &act)
{
    ModalHandler handler(act);
    trigger();
    EXPECT_TRUE(handler.done());
}

class ShienWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // A blank line in the building file is skipped when it is read; the empty destination
        // must not hide the one after it.
        folder.write(SettingFiles::kBuilding, Cp932Lines({QStringLiteral("サンハイツ\t西新宿2-8"), QString(),
                                                          QStringLiteral("グランドタワー\t本町1-1-1")}));
        folder.write(SettingFiles::kMenuSitei,
                     Cp932Lines({QStringLiteral("市役所"), QString(), QStringLiteral("中央病院")}));
        load(tables);
    }
    static void load(SettingTables &t)
    {
        LoadBuildingList(t);
        LoadDeliverToList(t);
    }
    void open(SettingTables &t)
    {
        dlg = std::make_unique<frmShienSet>(t);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
    std::unique_ptr<frmShienSet> dlg;
};

} // namespace

TEST_F(ShienWindow, AddChangeMoveDeleteSortThenOkWritesBothFilesAndReopensTheSame)
{
    open(tables);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("入力支援設定"));
    EXPECT_EQ(dlg->fraBuilding->title(), QStringLiteral("マンション名等設定"));
    EXPECT_EQ(dlg->fraSitei->title(), QStringLiteral("特定配達先設定"));
    EXPECT_EQ(dlg->cmdSave->text(), "OK");
    EXPECT_EQ(dlg->cmdCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    const std::pair<QAction *, const char *> texts[] = {{dlg->btnAdd, "項目追加"},
                                                        {dlg->btnChange, "変更"},
                                                        {dlg->btnDel, "削除"},
                                                        {dlg->btnUp, "上へ"},
                                                        {dlg->btnDown, "下へ"},
                                                        {dlg->btnSort50, "50音順"},
                                                        {dlg->mnuBuildingAdd, "項目追加(&A)"},
                                                        {dlg->mnuBuildingChange, "変更(&M)"},
                                                        {dlg->mnuBuildingDel, "削除(&D)"},
                                                        {dlg->btnSiteiAdd, "配達先追加"},
                                                        {dlg->btnSiteiChange, "変更"},
                                                        {dlg->btnSiteiDel, "削除"},
                                                        {dlg->btnSiteiUp, "上へ"},
                                                        {dlg->btnSiteiDown, "下へ"},
                                                        {dlg->btnSiteiSort50, "50音順"},
                                                        {dlg->mnuSiteiAdd, "特定配達先追加(&A)"},
                                                        {dlg->mnuSiteiChange, "変更(&M)"},
                                                        {dlg->mnuSiteiDel, "削除(&D)"}};
    for (const auto &[action, text] : texts)
        EXPECT_EQ(action->text(), QString::fromUtf8(text)) << action->objectName().toStdString();
    EXPECT_EQ(dlg->mnuBuilding->title(), QStringLiteral("マンション名等設定(&M)"));
    EXPECT_EQ(dlg->mnuSitei->title(), QStringLiteral("特定配達先設定(&T)"));
    QTreeWidget *buildings = dlg->tvwBuilding;
    QTreeWidget *places = dlg->tvwSitei;
    EXPECT_EQ(buildings->topLevelItem(0)->text(0), QStringLiteral("マンション名等"));
    EXPECT_EQ(places->topLevelItem(0)->text(0), QStringLiteral("特定配達先"));
    EXPECT_EQ(Entries(buildings),
              (QStringList{QStringLiteral("西新宿2-8（サンハイツ）"), QStringLiteral("本町1-1-1（グランドタワー）")}));
    EXPECT_EQ(Entries(places), (QStringList{QStringLiteral("市役所"), QStringLiteral("中央病院")}));

    // The roots are selected: only adding is possible, from the tool bar and the context menu.
    EXPECT_EQ(buildings->currentItem(), buildings->topLevelItem(0));
    for (QAction *a : {dlg->btnChange, dlg->btnDel, dlg->btnUp, dlg->btnDown, dlg->btnSort50, dlg->mnuBuildingChange,
                       dlg->mnuBuildingDel, dlg->btnSiteiChange, dlg->btnSiteiDel, dlg->btnSiteiUp, dlg->btnSiteiDown,
                       dlg->btnSiteiSort50, dlg->mnuSiteiChange, dlg->mnuSiteiDel})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(dlg->btnAdd->isEnabled());
    EXPECT_TRUE(dlg->mnuSiteiAdd->isEnabled());
    // The roots cannot be collapsed.
    for (QTreeWidget *tree : {buildings, places}) {
        tree->collapseItem(tree->topLevelItem(0));
        EXPECT_TRUE(tree->topLevelItem(0)->isExpanded()) << tree->objectName().toStdString();
    }

    // A building typed with full-width digits is stored in half-width.
    WithDialog([&] { dlg->btnAdd->trigger(); },
               [&](QWidget *w) {
                   auto *add = qobject_cast<frmMenuBuilding *>(w);
                   ASSERT_NE(add, nullptr);
                   EXPECT_EQ(add->windowTitle(), QStringLiteral("マンション名等の追加"));
                   EXPECT_FALSE(add->cmdOK->isEnabled());
                   Type(add->txtBuilding, QStringLiteral("コーポ空野"));
                   EXPECT_FALSE(add->cmdOK->isEnabled()); // the location is still empty
                   Type(add->txtAddress, QStringLiteral("西新宿２－１－５"));
                   ASSERT_TRUE(add->cmdOK->isEnabled());
                   Shoot(add, "frmMenuBuilding");
                   QTest::mouseClick(add->cmdOK, Qt::LeftButton);
               });
    EXPECT_EQ(Entries(buildings).last(), QStringLiteral("西新宿2-1-5（コーポ空野）"));
    EXPECT_EQ(buildings->currentItem()->text(0), QStringLiteral("西新宿2-1-5（コーポ空野）"));
    EXPECT_TRUE(dlg->btnChange->isEnabled());
    EXPECT_TRUE(dlg->IsChanged());

    // A second building at a location already registered is refused; the dialog stays open.
    WithDialog([&] { dlg->mnuBuildingAdd->trigger(); },
               [&](QWidget *w) {
                   auto *add = qobject_cast<frmMenuBuilding *>(w);
                   ASSERT_NE(add, nullptr);
                   Type(add->txtBuilding, QStringLiteral("別館"));
                   Type(add->txtAddress, QStringLiteral("本町１－１－１"));
                   QTest::mouseClick(add->cmdOK, Qt::LeftButton);
                   ASSERT_EQ(prompt.count(), 1);
                   EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
                   EXPECT_EQ(prompt.last().title, QStringLiteral("マンション名等の重複"));
                   EXPECT_EQ(prompt.last().text, QStringLiteral("同一の番地で既に登録されています。"));
                   EXPECT_TRUE(add->isVisible());
                   QTest::mouseClick(add->cmdCancel, Qt::LeftButton);
               });
    EXPECT_EQ(Entries(buildings).size(), 3);

    // Changing an entry to a location another entry uses is accepted; a double click changes.
    SelectEntry(buildings, QStringLiteral("西新宿2-8（サンハイツ）"));
    WithDialog(
        [&] {
            QTreeWidgetItem *item = buildings->currentItem();
            emit buildings->itemDoubleClicked(item, 0);
        },
        [&](QWidget *w) {
            auto *change = qobject_cast<frmMenuBuilding *>(w);
            ASSERT_NE(change, nullptr);
            EXPECT_EQ(change->windowTitle(), QStringLiteral("マンション名等の変更"));
            EXPECT_EQ(change->txtBuilding->text(), QStringLiteral("サンハイツ"));
            EXPECT_EQ(change->txtAddress->text(), QStringLiteral("西新宿2-8"));
            EXPECT_FALSE(change->cmdOK->isEnabled());
            Type(change->txtAddress, QStringLiteral("本町1-1-1"));
            QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        });
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_EQ(Entries(buildings).first(), QStringLiteral("本町1-1-1（サンハイツ）"));

    // The new entry moves up one place; at the top it stays.
    SelectEntry(buildings, QStringLiteral("西新宿2-1-5（コーポ空野）"));
    dlg->btnUp->trigger();
    dlg->btnUp->trigger();
    dlg->btnUp->trigger();
    EXPECT_EQ(Entries(buildings).first(), QStringLiteral("西新宿2-1-5（コーポ空野）"));
    EXPECT_EQ(buildings->currentItem()->text(0), QStringLiteral("西新宿2-1-5（コーポ空野）"));
    dlg->btnDown->trigger();
    EXPECT_EQ(Entries(buildings),
              (QStringList{QStringLiteral("本町1-1-1（サンハイツ）"), QStringLiteral("西新宿2-1-5（コーポ空野）"),
                           QStringLiteral("本町1-1-1（グランドタワー）")}));

    // Destinations: one added, a duplicate refused, one renamed, one deleted, then sorted.
    WithDialog([&] { dlg->btnSiteiAdd->trigger(); },
               [&](QWidget *w) {
                   auto *add = qobject_cast<frmMenuSiteiName *>(w);
                   ASSERT_NE(add, nullptr);
                   EXPECT_EQ(add->windowTitle(), QStringLiteral("特定配達先の追加"));
                   EXPECT_FALSE(add->cmdOK->isEnabled());
                   Type(add->txtSiteiName, QStringLiteral("市役所"));
                   QTest::mouseClick(add->cmdOK, Qt::LeftButton);
                   ASSERT_EQ(prompt.count(), 2);
                   EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
                   EXPECT_EQ(prompt.last().title, QStringLiteral("特定配達先の重複"));
                   EXPECT_EQ(prompt.last().text, QStringLiteral("同一の特定配達先が既に存在します。"));
                   ASSERT_TRUE(add->isVisible());
                   Type(add->txtSiteiName, QStringLiteral("あおば保育園"));
                   QTest::mouseClick(add->cmdOK, Qt::LeftButton);
               });
    EXPECT_EQ(places->currentItem()->text(0), QStringLiteral("あおば保育園"));

    SelectEntry(places, QStringLiteral("中央病院"));
    WithDialog([&] { dlg->mnuSiteiChange->trigger(); },
               [&](QWidget *w) {
                   auto *change = qobject_cast<frmMenuSiteiName *>(w);
                   ASSERT_NE(change, nullptr);
                   EXPECT_EQ(change->windowTitle(), QStringLiteral("特定配達先の変更"));
                   EXPECT_EQ(change->txtSiteiName->selectedText(), QStringLiteral("中央病院"));
                   EXPECT_FALSE(change->cmdOK->isEnabled());
                   Type(change->txtSiteiName, QStringLiteral("中央病院東棟"));
                   Shoot(change, "frmMenuSiteiName");
                   QTest::mouseClick(change->cmdOK, Qt::LeftButton);
               });

    SelectEntry(places, QStringLiteral("市役所"));
    prompt.answerNext(PromptAnswer::No);
    dlg->btnSiteiDel->trigger();
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Question);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompt.last().title, kDeleteTitle);
    EXPECT_EQ(prompt.last().text, QStringLiteral("「市役所」を削除してもよろしいですか？"));
    EXPECT_EQ(Entries(places).size(), 3);
    prompt.answerNext(PromptAnswer::Yes);
    dlg->mnuSiteiDel->trigger();
    EXPECT_EQ(Entries(places), (QStringList{QStringLiteral("中央病院東棟"), QStringLiteral("あおば保育園")}));
    EXPECT_FALSE(dlg->btnSiteiDel->isEnabled()); // the root is selected again

    SelectEntry(places, QStringLiteral("中央病院東棟"));
    dlg->btnSiteiSort50->trigger();
    EXPECT_EQ(Entries(places), (QStringList{QStringLiteral("あおば保育園"), QStringLiteral("中央病院東棟")}));

    Shoot(dlg.get(), "frmShienSet");
    // Nothing is written before OK.
    EXPECT_EQ(folder.read(SettingFiles::kMenuSitei),
              Cp932Lines({QStringLiteral("市役所"), QString(), QStringLiteral("中央病院")}));
    QTest::mouseClick(dlg->cmdSave, Qt::LeftButton);
    EXPECT_EQ(prompt.count(), 4);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(folder.read(SettingFiles::kBuilding),
              Cp932Lines({QStringLiteral("サンハイツ\t本町1-1-1"), QStringLiteral("コーポ空野\t西新宿2-1-5"),
                          QStringLiteral("グランドタワー\t本町1-1-1")}));
    EXPECT_EQ(folder.read(SettingFiles::kMenuSitei),
              Cp932Lines({QStringLiteral("あおば保育園"), QStringLiteral("中央病院東棟")}));
    // The tables hold what was written: the customer windows find the new building at once.
    EXPECT_EQ(FindBuilding(tables.BuildingList, QStringLiteral("新宿区西新宿2-1-5")), QStringLiteral("コーポ空野"));

    // Opened again from the files, the trees are the same.
    SettingTables reread;
    load(reread);
    open(reread);
    EXPECT_EQ(Entries(dlg->tvwBuilding),
              (QStringList{QStringLiteral("本町1-1-1（サンハイツ）"), QStringLiteral("西新宿2-1-5（コーポ空野）"),
                           QStringLiteral("本町1-1-1（グランドタワー）")}));
    EXPECT_EQ(Entries(dlg->tvwSitei), (QStringList{QStringLiteral("あおば保育園"), QStringLiteral("中央病院東棟")}));
    EXPECT_FALSE(dlg->IsChanged());
}

TEST_F(ShienWindow, ClosingWithChangesAsksAndEmptiedListsDeleteTheirFile)
{
    const QByteArray siteiFile = folder.read(SettingFiles::kMenuSitei);

    // Unchanged: closing asks nothing.
    open(tables);
    dlg->close();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());

    // Every destination deleted; No closes without saving.
    open(tables);
    for (const QString &name : {QStringLiteral("市役所"), QStringLiteral("中央病院")}) {
        SelectEntry(dlg->tvwSitei, name);
        dlg->btnSiteiDel->trigger();
    }
    EXPECT_TRUE(Entries(dlg->tvwSitei).isEmpty());
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompt.last().title, kSaveTitle);
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(folder.read(SettingFiles::kMenuSitei), siteiFile);
    EXPECT_EQ(tables.DeliverToList,
              (QStringList{QString(), QStringLiteral("市役所"), QString(), QStringLiteral("中央病院")}));

    // Again; Cancel stays, Yes saves as OK: the emptied list's file is deleted.
    open(tables);
    for (const QString &name : {QStringLiteral("市役所"), QStringLiteral("中央病院")}) {
        SelectEntry(dlg->tvwSitei, name);
        dlg->btnSiteiDel->trigger();
    }
    prompt.clear();
    prompt.answerNext(PromptAnswer::Cancel);
    dlg->close();
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_TRUE(dlg->isVisible());
    prompt.answerNext(PromptAnswer::Yes);
    QTest::mouseClick(dlg->cmdCancel, Qt::LeftButton);
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(folder.file(SettingFiles::kMenuSitei)));
    // The building list is written whole again, without the blank line it was read with.
    EXPECT_EQ(folder.read(SettingFiles::kBuilding),
              Cp932Lines({QStringLiteral("サンハイツ\t西新宿2-8"), QStringLiteral("グランドタワー\t本町1-1-1")}));
    EXPECT_EQ(tables.DeliverToList, QStringList{QString()});
}

TEST_F(ShienWindow, AFailedWriteReportsOnceAndKeepsTheWindowOpen)
{
    // A folder where the building file belongs cannot be replaced by a file.
    QFile::remove(folder.file(SettingFiles::kBuilding));
    ASSERT_TRUE(QDir(folder.path()).mkdir(SettingFiles::kBuilding));
    open(tables);
    SelectEntry(dlg->tvwSitei, QStringLiteral("市役所"));
    dlg->btnSiteiDown->trigger();
    QTest::mouseClick(dlg->cmdSave, Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(16, QStringLiteral("入力支援ファイル書き込みエラー")));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->IsChanged());
}

TEST(ShienDialogs, LimitsAndWhenOkMayBePressed)
{
    TestDataFolder folder;
    TestPrompt prompt;
    const std::vector<InputSupport::Building> none;
    frmMenuBuilding building(frmMenuBuilding::Mode::Add, none);
    EXPECT_EQ(building.txtBuilding->maxLength(), 20);
    EXPECT_GT(building.txtAddress->maxLength(), 1000); // a location has no limit
    building.txtBuilding->setText(QStringLiteral("メゾン"));
    building.txtAddress->setText(QStringLiteral("   "));
    EXPECT_FALSE(building.cmdOK->isEnabled()); // blanks would be found in nearly every address
    building.txtAddress->setText(QStringLiteral("１丁目"));
    EXPECT_TRUE(building.cmdOK->isEnabled());
    building.txtBuilding->clear();
    EXPECT_FALSE(building.cmdOK->isEnabled());

    frmMenuSiteiName place(frmMenuSiteiName::Mode::Change, {QStringLiteral("市役所")}, QStringLiteral("市役所"));
    EXPECT_EQ(place.txtSiteiName->maxLength(), 20);
    EXPECT_EQ(place.txtSiteiName->text(), QStringLiteral("市役所"));
    EXPECT_FALSE(place.cmdOK->isEnabled());
    // Edited back to its own name, the destination counts as already present.
    place.txtSiteiName->setText(QStringLiteral("市役"));
    place.txtSiteiName->setText(QStringLiteral("市役所"));
    ASSERT_TRUE(place.cmdOK->isEnabled());
    place.cmdOK->click();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("同一の特定配達先が既に存在します。"));
    EXPECT_EQ(place.result(), QString());
    place.txtSiteiName->clear();
    EXPECT_FALSE(place.cmdOK->isEnabled());
}

TEST(ShienFromTheFrame, AConfirmedDestinationIsOfferedByTheOpenOrderWindow)
{
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};
    data.LoadAll();
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister()
        {
            for (Command c : {Command::Jokyo, Command::Uketsuke, Command::SetShop, Command::SetShien})
                UnregisterCommand(c);
        }
    } unregister;
    frmMain frame(data);
    frame.resize(1280, 800);
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.RunCommand(Command::Uketsuke);
    QMdiSubWindow *orderSub = frame.mdiArea()->activeSubWindow();
    ASSERT_NE(orderSub, nullptr);
    auto *sitei = orderSub->widget()->findChild<QComboBox *>(QStringLiteral("cboSitei"));
    ASSERT_NE(sitei, nullptr);
    EXPECT_EQ(sitei->findText(QStringLiteral("駅前交番")), -1);

    QAction *command = frame.findChild<QAction *>(QStringLiteral("mnuSetShien"));
    ASSERT_NE(command, nullptr);
    ASSERT_TRUE(command->isEnabled());
    auto *panelButton = frame.findChild<QToolButton *>(QStringLiteral("pnl_mnuSetShien"));
    ASSERT_NE(panelButton, nullptr);
    EXPECT_TRUE(panelButton->isEnabled());
    std::unique_ptr<ModalHandler> inner;
    WithDialog([&] { command->trigger(); },
               [&](QWidget *w) {
                   auto *settings = qobject_cast<frmShienSet *>(w);
                   ASSERT_NE(settings, nullptr);
                   // The add dialog opens inside the settings window's own loop.
                   inner = std::make_unique<ModalHandler>([](QWidget *add) {
                       add->findChild<QLineEdit *>(QStringLiteral("txtSiteiName"))->setText(QStringLiteral("駅前交番"));
                       add->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
                   });
                   settings->btnSiteiAdd->trigger();
                   settings->cmdSave->click();
               });
    ASSERT_TRUE(inner && inner->done());
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(folder.read(SettingFiles::kMenuSitei), Cp932Lines({QStringLiteral("駅前交番")}));
    WAIT_UNTIL(sitei->findText(QStringLiteral("駅前交番")) >= 0);
}
