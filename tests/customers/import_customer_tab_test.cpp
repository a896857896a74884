// The customer import tab driven offscreen by objectName: a CSV file as shops get them from
// other programs, checked in the stored record bytes, the index table and importErr.txt.
#include "importtest.h"

#include "customers/customerimport.h"
#include "customers/ui/CustomerImportTab.h"
#include "platform/clock.h"
#include "store/oledate.h"
#include "store/records.h"

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <memory>

namespace
{

using namespace RecordBytes;

QStringList Column(QTreeWidget *list, int column)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

// An export of a spreadsheet: header line, quoted commas and line breaks, full-width digits,
// hyphens and blanks in numbers, a blank line, a line without a name.
const QByteArray kShopList = Cp932Lines(
    {QStringLiteral("電話番号,氏名,〒,住所1,住所2,建物"),
     QStringLiteral("03-1234-5678,ヤマダ　タロウ,160-0023,新宿区西新宿,\"2-8-1, 3F\",空野ハイツ"),
     QStringLiteral("０３（１１１１）２２２２,ｽｽﾞｷ,1000001,千代田区,1-1,"),
     QStringLiteral("０９０－１１１１－２２２２,サトウ ハナコ,１５００００２,\"渋谷区\r\n渋谷\",２－２１－１,"),
     QString(), QStringLiteral("0311112222,,1000001,,,"), QStringLiteral("048 111 2222,タナカ,,さいたま市,,")});

class CustomerImportWindow : public ImportTest
{
  protected:
    CustomerImportWindow() { Clock::Pin(QDateTime(QDate(2024, 5, 10), QTime(14, 30))); }
    ~CustomerImportWindow() override { Clock::Unpin(); }

    void open()
    {
        openStore();
        tab = std::make_unique<CustomerImportTab>(data);
        tab->resize(640, 520);
        tab->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tab.get()));
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
        click(tab->cmdSan);
        click(tab->cmdNext);
    }
    void map(int target, int source)
    {
        tab->lsvList->setCurrentItem(tab->lsvList->topLevelItem(target));
        tab->lsvData->setCurrentItem(tab->lsvData->topLevelItem(source - 1));
        click(tab->cmdSet);
    }
    void mapAll()
    {
        for (int t = 0; t < CustomerImport::TargetCount; ++t)
            map(t, t + 1);
    }
    QByteArray customerFile() const { return folder.read(RecordStore::kCustomerFile); }

    std::unique_ptr<CustomerImportTab> tab;
};

} // namespace

TEST_F(CustomerImportWindow, ImportsARealWorldFileAsStoredRecordsWithTheirLog)
{
    CustomerRecord existing;
    existing.CustomerId = 41;
    existing.Tel = QStringLiteral("0311112222");
    existing.NameKana = QStringLiteral("ｷｿﾞﾝ");
    folder.write(RecordStore::kCustomerFile, existing.toBytes());
    folder.write(QStringLiteral("list.csv"), kShopList);
    open();

    EXPECT_FALSE(tab->cmdNext->isEnabled());
    EXPECT_FALSE(tab->cmdInport->isEnabled());
    EXPECT_EQ(Column(tab->lsvList, 0), CustomerImport::TargetCaptions());
    EXPECT_EQ(Column(tab->lsvList, 1), QStringList(6, QStringLiteral("---未設定---")));
    choose(folder.file(QStringLiteral("list.csv")));
    EXPECT_EQ(prompt.fileDialogTitles, QStringList{QStringLiteral("顧客データのインポート")});
    EXPECT_EQ(Column(tab->lsvData, 0),
              (QStringList{QStringLiteral("[01]電話番号"), QStringLiteral("[02]氏名"), QStringLiteral("[03]〒"),
                           QStringLiteral("[04]住所1"), QStringLiteral("[05]住所2"), QStringLiteral("[06]建物")}));
    mapAll();
    EXPECT_EQ(Column(tab->lsvList, 1)[1], QStringLiteral("[02]氏名"));
    {
        // As the new-customer window shows it: the second of two tabs, above the window's close button.
        QDialog host;
        auto *layout = new QVBoxLayout(&host);
        auto *tabs = new QTabWidget;
        tabs->addTab(new QWidget, QStringLiteral("新規入力"));
        tab->setParent(nullptr);
        tabs->addTab(tab.get(), QStringLiteral("外部データのインポート"));
        tabs->setCurrentIndex(1);
        layout->addWidget(tabs);
        layout->addWidget(new QPushButton(QStringLiteral("閉じる")), 0, Qt::AlignRight);
        host.resize(640, 560);
        host.show();
        Shoot(&host, QStringLiteral("CustomerImportTab"));
        host.resize(host.minimumSizeHint());
        Shoot(&host, QStringLiteral("CustomerImportTab_small"));
        tab->setParent(nullptr);
        tab->show();
    }
    ASSERT_TRUE(tab->cmdInport->isEnabled());

    click(tab->cmdInport);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.asked[0].title, QStringLiteral("インポートの確認"));
    EXPECT_EQ(prompt.asked[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.asked[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("7 件のデータをインポートしてもよろしいですか？"));
    EXPECT_EQ(prompt.last().title, QStringLiteral("インポート結果"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("7 件中 3 件のインポートに成功しました。\r\n"
                                                 "失敗したデータはデスクトップの importErr.txt を参照して下さい。"));
    EXPECT_EQ(tab->lblSin->text(), QStringLiteral("7/7"));
    EXPECT_TRUE(tab->cmdInport->isEnabled());

    // The stored records, byte for byte after the one that was there.
    const QByteArray file = customerFile();
    ASSERT_EQ(file.size(), 4 * kCustomerRecordLength);
    const double edited = ToOleDate(Clock::Now());
    auto expected = [&](qint32 id, const char *tel, const QString &name, const char *zip, const QString &city,
                        const QString &banchi, const QString &building) {
        QByteArray r(kCustomerRecordLength, '\0');
        PutInt32(r.data(), id);
        r.replace(4, 14, Field(QString::fromLatin1(tel), 14));
        r.replace(18, 30, Field(name, 30));
        r.replace(48, 8, Field(QString::fromLatin1(zip), 8));
        r.replace(56, 50, Field(city, 50));
        r.replace(106, 46, Field(banchi, 46));
        r.replace(156, 40, Field(building, 40));
        PutInt16(r.data() + 214, -1);
        PutDouble(r.data() + 216, edited);
        r.replace(224, 50, Field(QString(), 50));
        return r;
    };
    EXPECT_EQ(file.mid(kCustomerRecordLength, kCustomerRecordLength),
              expected(42, "0312345678", QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ"), "1600023", QStringLiteral("新宿区西新宿"),
                       QStringLiteral("2-8-1, 3F"), QStringLiteral("空野ハイツ")));
    EXPECT_EQ(file.mid(2 * kCustomerRecordLength, kCustomerRecordLength),
              expected(43, "09011112222", QStringLiteral("ｻﾄｳﾊﾅｺ"), "1500002", QStringLiteral("渋谷区\r\n渋谷"),
                       QStringLiteral("２－２１－１"), QString()));
    EXPECT_EQ(
        file.mid(3 * kCustomerRecordLength, kCustomerRecordLength),
        expected(44, "0481112222", QStringLiteral("ﾀﾅｶ"), "", QStringLiteral("さいたま市"), QString(), QString()));
    ASSERT_EQ(data.records.CustomerCount(), 4);
    EXPECT_EQ(data.records.CustomerIndex[4].CustomerId, 44);
    EXPECT_EQ(data.records.CustomerIndex[4].Tel, QStringLiteral("0481112222"));

    EXPECT_EQ(FileBytes(errorLogPath()),
              Cp932Lines({QStringLiteral("1:電話番号が不正：電話番号,氏名,〒"),
                          QStringLiteral("2:電話番号が不正：０３（１１１１）２２２２,ｽｽﾞｷ,1000001"),
                          QStringLiteral("3:名前が空白：,,"), QStringLiteral("4:名前が空白：0311112222,,1000001")}));
}

TEST_F(CustomerImportWindow, SameFileTwiceIsAcceptedTwiceAndARegisteredNumberIsRefused)
{
    folder.write(QStringLiteral("two.csv"),
                 Cp932Lines({QStringLiteral("0312345678,ﾔﾏﾀﾞ"), QStringLiteral("0312345678,ﾔﾏﾀﾞ2")}));
    open();
    choose(folder.file(QStringLiteral("two.csv")));
    map(CustomerImport::TelTarget, 1);
    map(CustomerImport::NameTarget, 2);
    click(tab->cmdInport);
    EXPECT_EQ(prompt.last().text.left(22), QStringLiteral("2 件中 2 件のインポートに成功しました。"));
    EXPECT_FALSE(QFile::exists(errorLogPath())); // nothing refused, no log

    // The same file again: both numbers are now registered.
    click(tab->cmdInport);
    EXPECT_EQ(prompt.last().text.left(22), QStringLiteral("2 件中 0 件のインポートに成功しました。"));
    EXPECT_EQ(FileBytes(errorLogPath()), Cp932Lines({QStringLiteral("1:電話番号の重複：0312345678,ﾔﾏﾀﾞ"),
                                                     QStringLiteral("2:電話番号の重複：0312345678,ﾔﾏﾀﾞ2")}));
    ASSERT_EQ(data.records.CustomerCount(), 2);
    EXPECT_EQ(data.records.CustomerIndex[1].CustomerId, 1);
    EXPECT_EQ(data.records.CustomerIndex[2].CustomerId, 2);
    EXPECT_EQ(customerFile().size(), 2 * kCustomerRecordLength);
}

TEST_F(CustomerImportWindow, EveryLineRefusedLeavesTheFileAndNoStaleMapping)
{
    CustomerRecord existing;
    existing.CustomerId = 7;
    existing.Tel = QStringLiteral("0311112222");
    existing.NameKana = QStringLiteral("ｷｿﾞﾝ");
    folder.write(RecordStore::kCustomerFile, existing.toBytes());
    folder.write(QStringLiteral("bad.csv"),
                 Cp932Lines({QStringLiteral("TEL,NAME"), QStringLiteral(",ﾀﾅｶ"), QStringLiteral("03-1111-2222,ﾀﾅｶ")}));
    folder.write(QStringLiteral("empty.csv"), {});
    open();
    const QByteArray before = customerFile();
    choose(folder.file(QStringLiteral("bad.csv")));
    map(CustomerImport::TelTarget, 1);
    map(CustomerImport::NameTarget, 2);
    prompt.answerNext(PromptAnswer::No);
    click(tab->cmdInport);
    EXPECT_EQ(prompt.count(), 1);
    click(tab->cmdInport);
    EXPECT_EQ(prompt.last().text.left(22), QStringLiteral("3 件中 0 件のインポートに成功しました。"));
    EXPECT_EQ(customerFile(), before);
    EXPECT_EQ(data.records.CustomerCount(), 1);
    EXPECT_EQ(FileBytes(errorLogPath()),
              Cp932Lines({QStringLiteral("1:電話番号が不正：TEL,NAME"), QStringLiteral("2:電話番号が不正：,ﾀﾅｶ"),
                          QStringLiteral("3:電話番号の重複：03-1111-2222,ﾀﾅｶ")}));

    // An empty file is told and changes nothing; reading a file again resets every target.
    prompt.clear();
    choose(folder.file(QStringLiteral("empty.csv")));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("読み込めません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("指定したファイルは中身がありません。"));
    EXPECT_EQ(Column(tab->lsvList, 1)[0], QStringLiteral("[01]TEL"));
    choose(folder.file(QStringLiteral("bad.csv")));
    EXPECT_EQ(Column(tab->lsvList, 1), QStringList(6, QStringLiteral("---未設定---")));
    EXPECT_FALSE(tab->cmdInport->isEnabled());

    // The desktop cannot be written: told once with the log's own code.
    map(CustomerImport::TelTarget, 1);
    SetSpecialFolderOverride(0, folder.file(QStringLiteral("no/such/desktop")));
    prompt.clear();
    click(tab->cmdInport);
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(16, QStringLiteral("インポートログファイル書き込みエラー")));
}
