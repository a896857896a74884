// The phone-book import window driven offscreen: rows checked against the phone book and
// against each other, the stored entries byte for byte, the log, and deleting the phone book.
#include "importtest.h"

#include "customers/phonebookimport.h"
#include "customers/ui/frmTelDataIn.h"
#include "store/records.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace
{

class PhoneBookWindow : public ImportTest
{
  protected:
    void open()
    {
        openStore();
        dlg = std::make_unique<frmTelDataIn>(data);
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
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
    void map(int target, int source)
    {
        dlg->lsvList->setCurrentItem(dlg->lsvList->topLevelItem(target));
        dlg->lsvData->setCurrentItem(dlg->lsvData->topLevelItem(source - 1));
        click(dlg->cmdSet);
    }
    QByteArray entry(const char *tel, const QString &name, const char *zip, const QString &address) const
    {
        return Field(QString::fromLatin1(tel), 11) + Field(name, 30) + Field(QString::fromLatin1(zip), 7) +
               Field(address, 50);
    }

    std::unique_ptr<frmTelDataIn> dlg;
};

} // namespace

TEST_F(PhoneBookWindow, ImportsRowsRefusesDuplicatesAndDeletesThePhoneBook)
{
    PhoneBookRecord known;
    known.Tel = QStringLiteral("0322223333");
    known.Name = QStringLiteral("ｷｿﾝ");
    folder.write(RecordStore::kPhoneBookFile, known.toBytes());
    folder.write(
        QStringLiteral("tel.csv"),
        Cp932Lines({QStringLiteral("電話,名前,郵便,住所"),
                    QStringLiteral("０３－１２３４－５６７８,ヤマダ　タロウ,160-0023,\"新宿区西新宿2-8-1, 3F\""),
                    QStringLiteral("03 1234 5678,ﾆｼﾞｭｳ,,"), QStringLiteral("0322223333,ｷｿﾝ2,,"),
                    QStringLiteral("090-1111-2222,\"ｽｽﾞｷ\r\nｲﾁﾛｳ\",1000001,千代田区")}));
    open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("電話帳データのインポート"));
    EXPECT_TRUE(dlg->isModal());
    EXPECT_TRUE(dlg->cmdDel->isEnabled()); // the phone book holds an entry
    EXPECT_FALSE(dlg->cmdNext->isEnabled());
    EXPECT_FALSE(dlg->cmdInport->isEnabled());

    choose(folder.file(QStringLiteral("tel.csv")));
    map(PhoneBookImport::NameTarget, 2);
    map(PhoneBookImport::ZipTarget, 3);
    map(PhoneBookImport::TelTarget, 1);
    map(PhoneBookImport::AddressTarget, 4);
    Shoot(dlg.get(), QStringLiteral("frmTelDataIn"));
    dlg->resize(dlg->minimumSizeHint());
    Shoot(dlg.get(), QStringLiteral("frmTelDataIn_small"));
    click(dlg->cmdInport);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("5 件のデータをインポートしてもよろしいですか？"));
    EXPECT_EQ(prompt.last().title, QStringLiteral("インポート結果"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("5 件中 2 件のインポートに成功しました。\r\n"
                                                 "失敗したデータはデスクトップの importErr.txt を参照して下さい。"));
    EXPECT_TRUE(dlg->lblSin->text().isEmpty());
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile),
              known.toBytes() +
                  entry("0312345678", QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"), "1600023", QStringLiteral("新宿区西新宿2-8-1, 3F")) +
                  entry("09011112222", QStringLiteral("ｽｽﾞｷ\r\nｲﾁﾛｳ"), "1000001", QStringLiteral("千代田区")));
    EXPECT_EQ(data.records.PhoneBookCount(), 3);
    EXPECT_EQ(data.records.PhoneBookIndex[3].Tel, QStringLiteral("09011112222"));
    EXPECT_EQ(FileBytes(errorLogPath()), Cp932Lines({QStringLiteral("1:電話番号が不正：電話,名前,郵便"),
                                                     QStringLiteral("2:電話番号の重複：03 1234 5678,ﾆｼﾞｭｳ,"),
                                                     QStringLiteral("3:電話番号の重複：0322223333,ｷｿﾝ2,")}));

    // Cancel keeps the phone book; OK deletes it and leaves an empty file.
    prompt.clear();
    prompt.answerNext(PromptAnswer::Cancel);
    click(dlg->cmdDel);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("削除確認"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompt.last().text, QStringLiteral("登録済みの電話帳データを全て削除してもよろしいですか？"));
    EXPECT_EQ(data.records.PhoneBookCount(), 3);
    click(dlg->cmdDel);
    EXPECT_EQ(prompt.last().title, QStringLiteral("削除完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("電話帳データの削除が完了しました"));
    EXPECT_EQ(data.records.PhoneBookCount(), 0);
    EXPECT_FALSE(dlg->cmdDel->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(folder.file(RecordStore::kPhoneBookFile)));
    EXPECT_EQ(QFileInfo(folder.file(RecordStore::kPhoneBookFile)).size(), 0);

    // The same file again into the empty phone book: now only the file's own repeat is refused,
    // and the appends start again at the first record.
    prompt.clear();
    click(dlg->cmdInport);
    EXPECT_EQ(prompt.last().text.left(22), QStringLiteral("5 件中 3 件のインポートに成功しました。"));
    EXPECT_EQ(data.records.PhoneBookIndex[1].RecordNo, 1);
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile).size(), 3 * kPhoneBookRecordLength);
    EXPECT_TRUE(dlg->cmdDel->isEnabled());
}

TEST_F(PhoneBookWindow, EveryRowRefusedLeavesTheFileUnchangedAndBadFilesAreTold)
{
    folder.write(QStringLiteral("names.csv"), Cp932Lines({QStringLiteral("ﾔﾏﾀﾞ,0312"), QStringLiteral("ｽｽﾞｷ")}));
    folder.write(QStringLiteral("binary.csv"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    open();
    EXPECT_FALSE(dlg->cmdDel->isEnabled());
    choose(folder.file(QStringLiteral("binary.csv")));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(5, QStringLiteral("インポートファイル読み込みエラー")));
    EXPECT_EQ(dlg->lsvData->topLevelItemCount(), 0);
    choose(folder.file(QStringLiteral("gone.csv")));
    EXPECT_EQ(prompt.last().title, QStringLiteral("ファイルを開けません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("指定したファイルは存在しません。"));

    choose(folder.file(QStringLiteral("names.csv")));
    map(PhoneBookImport::TelTarget, 1); // the names column taken for the numbers
    click(dlg->cmdInport);
    EXPECT_EQ(prompt.last().text.left(22), QStringLiteral("2 件中 0 件のインポートに成功しました。"));
    EXPECT_EQ(folder.read(RecordStore::kPhoneBookFile), QByteArray());
    EXPECT_FALSE(dlg->cmdDel->isEnabled());
    EXPECT_EQ(FileBytes(errorLogPath()),
              Cp932Lines({QStringLiteral("1:電話番号が不正：ﾔﾏﾀﾞ,0312"), QStringLiteral("2:電話番号が不正：ｽｽﾞｷ,")}));
}
