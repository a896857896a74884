// The menu import window driven offscreen by objectName: choosing and reading the file, the
// mapping buttons and the import, checked in the menu table and in importErr.txt.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmMenuImport.h"
#include "store/cp932.h"
#include "store/helpers.h"
#include "store/specialfolder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace
{

QByteArray Cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += ToCp932(l) + "\r\n";
    return out;
}

QStringList Column(QTreeWidget *list, int column)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

class MenuImportWindow : public ::testing::Test
{
  protected:
    MenuImportWindow()
    {
        SetSpecialFolderOverride(0, desktop.path());
        tables.MenuTable = {{},
                            {QStringLiteral("丼物"), QStringLiteral("親子丼"), 7000000, QStringLiteral("ｵﾔｺﾄﾞﾝ")},
                            {QStringLiteral("麺類"), QStringLiteral("そば"), 6000000, QStringLiteral("ｿﾊﾞ")}};
    }
    ~MenuImportWindow() override { SetSpecialFolderOverride(0, QString()); }

    void open()
    {
        dlg = std::make_unique<frmMenuImport>(tables);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    void click(QPushButton *button)
    {
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
    void choose(const QString &path)
    {
        prompt.fileNext(path);
        click(dlg->cmdSan);
        click(dlg->cmdNext);
    }
    // Puts source column `source` (1-based) into target row `target`.
    void map(int target, int source)
    {
        dlg->lsvList->setCurrentItem(dlg->lsvList->topLevelItem(target));
        dlg->lsvData->setCurrentItem(dlg->lsvData->topLevelItem(source - 1));
        click(dlg->cmdSet);
    }

    TestDataFolder folder;
    QTemporaryDir desktop;
    TestPrompt prompt;
    SettingTables tables;
    std::unique_ptr<frmMenuImport> dlg;
};

} // namespace

TEST_F(MenuImportWindow, MapsImportsSortsAndLogsTheRefusedRows)
{
    folder.write(QStringLiteral("menu.csv"),
                 Cp932Lines({QStringLiteral("品名,区分,価格,読み"), QStringLiteral("カツ丼,丼物,８５０,カツドン"),
                             QStringLiteral("天ぷら,\"定食,和\",時価,テンプラ"),
                             QStringLiteral("ラーメン,麺類,\"1,200\",ラーメン"), QStringLiteral(",丼物,500,")}));
    open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("メニューデータのインポート"));
    EXPECT_FALSE(dlg->cmdNext->isEnabled());
    EXPECT_FALSE(dlg->cmdInport->isEnabled());
    EXPECT_EQ(Column(dlg->lsvList, 0), MenuImport::TargetCaptions());
    EXPECT_EQ(Column(dlg->lsvList, 1), QStringList(4, QStringLiteral("---未設定---")));

    // A cancelled dialog changes nothing; a missing file is told as such.
    prompt.fileNext(QString());
    click(dlg->cmdSan);
    EXPECT_FALSE(dlg->cmdNext->isEnabled());
    choose(folder.file(QStringLiteral("gone.csv")));
    EXPECT_EQ(prompt.last().title, QStringLiteral("ファイルを開けません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("指定したファイルは存在しません。"));
    EXPECT_EQ(prompt.fileDialogTitles.size(), 2);

    choose(folder.file(QStringLiteral("menu.csv")));
    EXPECT_EQ(dlg->lblPath->text(), folder.file(QStringLiteral("menu.csv")));
    EXPECT_EQ(Column(dlg->lsvData, 0), (QStringList{QStringLiteral("[01]品名"), QStringLiteral("[02]区分"),
                                                    QStringLiteral("[03]価格"), QStringLiteral("[04]読み")}));

    // The menu name alone: the group is required.
    map(MenuImport::MenuNameTarget, 1);
    EXPECT_TRUE(dlg->cmdInport->isEnabled());
    prompt.clear();
    click(dlg->cmdInport);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("設定エラー"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().text, QStringLiteral("グループ名は必ず設定して下さい。"));

    // Clearing the only target disables the import; all clear resets every target.
    click(dlg->cmdClear);
    EXPECT_FALSE(dlg->cmdInport->isEnabled());
    map(MenuImport::GroupTarget, 2);
    map(MenuImport::MenuNameTarget, 1);
    map(MenuImport::PriceTarget, 3);
    click(dlg->cmdAllClear);
    EXPECT_EQ(Column(dlg->lsvList, 1), QStringList(4, QStringLiteral("---未設定---")));
    EXPECT_FALSE(dlg->cmdInport->isEnabled());

    map(MenuImport::GroupTarget, 2);
    map(MenuImport::MenuNameTarget, 1);
    map(MenuImport::PriceTarget, 3);
    map(MenuImport::MenuKanaTarget, 4);
    EXPECT_EQ(Column(dlg->lsvList, 1), (QStringList{QStringLiteral("[02]区分"), QStringLiteral("[01]品名"),
                                                    QStringLiteral("[03]価格"), QStringLiteral("[04]読み")}));

    // No leaves the table alone.
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    click(dlg->cmdInport);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("インポートの確認"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompt.last().text, QStringLiteral("5 件のデータをインポートしてもよろしいですか？"));
    EXPECT_EQ(tables.MenuTable.size(), 3u);
    EXPECT_FALSE(dlg->IsChanged());

    prompt.clear();
    click(dlg->cmdInport);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("インポート結果"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    EXPECT_EQ(prompt.last().text, QStringLiteral("5 件中 2 件のインポートに成功しました。\r\n"
                                                 "失敗したデータはデスクトップの importErr.txt を参照して下さい。"));
    EXPECT_TRUE(dlg->IsChanged());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->pgbInport->value(), 0);

    // 麺 > 丼 by code unit; the new 丼物 row ends beside the old one, and the exchanges leave
    // it before the old one.
    QStringList rows;
    for (size_t i = 1; i < tables.MenuTable.size(); ++i) {
        const MenuEntry &e = tables.MenuTable[i];
        rows << QStringLiteral("%1/%2/%3/%4").arg(e.Group, e.MenuName).arg(e.Price / 10000).arg(e.MenuKana);
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("麺類/そば/600/ｿﾊﾞ"), QStringLiteral("麺類/ラーメン/1200/ﾗｰﾒﾝ"),
                                 QStringLiteral("丼物/カツ丼/850/ｶﾂﾄﾞﾝ"), QStringLiteral("丼物/親子丼/700/ｵﾔｺﾄﾞﾝ")}));

    QFile log(desktop.filePath(QStringLiteral("importErr.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), Cp932Lines({QStringLiteral("1:値段が不正：品名,区分,価格"),
                                         QStringLiteral("2:値段が不正：天ぷら,定食,和,時価"),
                                         QStringLiteral("3:メニュー名が空白：,丼物,500")}));
}

TEST_F(MenuImportWindow, EmptyAndUnreadableFilesAndALogThatCannotBeWritten)
{
    folder.write(QStringLiteral("empty.csv"), {});
    folder.write(QStringLiteral("image.csv"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    folder.write(QStringLiteral("bad.csv"), Cp932Lines({QStringLiteral("麺類,うどん,時価")}));
    open();
    // A file read earlier and its mapping are dropped when the next one cannot be read.
    choose(folder.file(QStringLiteral("bad.csv")));
    map(MenuImport::GroupTarget, 1);
    choose(folder.file(QStringLiteral("empty.csv")));
    EXPECT_FALSE(dlg->cmdInport->isEnabled());
    EXPECT_EQ(Column(dlg->lsvList, 1), QStringList(4, QStringLiteral("---未設定---")));
    EXPECT_EQ(prompt.last().title, QStringLiteral("読み込めません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("指定したファイルは中身がありません。"));
    choose(folder.file(QStringLiteral("image.csv")));
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(5, QStringLiteral("インポートファイル読み込みエラー")));
    EXPECT_EQ(dlg->lsvData->topLevelItemCount(), 0);

    choose(folder.file(QStringLiteral("bad.csv")));
    map(MenuImport::GroupTarget, 1);
    map(MenuImport::MenuNameTarget, 2);
    map(MenuImport::PriceTarget, 3);
    SetSpecialFolderOverride(0, folder.file(QStringLiteral("no/such/desktop")));
    prompt.clear();
    click(dlg->cmdInport);
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.asked.at(1).text,
              QStringLiteral("1 件中 0 件のインポートに成功しました。\r\n"
                             "失敗したデータはデスクトップの importErr.txt を参照して下さい。"));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(16, QStringLiteral("インポートログファイル書き込みエラー")));
    EXPECT_EQ(tables.MenuTable.size(), 3u);
}
