// The postal-code lookup through its real windows: the direction dialog, the dictionary window
// and what reaches the caller's two fields; boxes answered and checked by the test prompt.
#include "ziptestdata.h"

#include "customers/ui/frmPost.h"
#include "customers/ui/frmPostPA.h"
#include "customers/ui/postallookup.h"
#include "customers/zipdb.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "mock/waitfor.h"
#include "store/helpers.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace
{

const QString kNoMatchText = QStringLiteral("該当する郵便番号・住所がございません。\r\n"
                                            "郵便番号を検索する時は、都道府県名・番地を省いて下さい。");

class ZipLookup : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        BuildHandmadeZipDb(folder.path());
        zip = new QLineEdit(&owner);
        address = new QLineEdit(&owner);
        owner.show();
    }

    // Runs the lookup from the caller's fields; `onPost` acts on the dictionary window (and is
    // told the texts it shows), `onDirection` on the direction dialog when that comes first.
    void lookup(std::function<void(frmPost *)> onPost, std::function<void(frmPostPA *)> onDirection = {})
    {
        postOpened = false;
        bool directionSeen = false;
        // The windows are found by type among the visible top-level windows: after the direction
        // dialog closes the offscreen platform may still name it the active modal widget.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (auto *pa = qobject_cast<frmPostPA *>(w); pa && !directionSeen) {
                    directionSeen = true;
                    EXPECT_EQ(pa->windowTitle(), QStringLiteral("参照方法の選択"));
                    shoot(pa, QStringLiteral("frmPostPA"));
                    if (onDirection)
                        onDirection(pa);
                    else
                        ADD_FAILURE() << "the direction dialog was not expected";
                    return;
                }
                if (auto *post = qobject_cast<frmPost *>(w); post && !postOpened) {
                    postOpened = true;
                    poll.stop();
                    EXPECT_EQ(post->windowTitle(), QStringLiteral("郵便番号辞書"));
                    listed.clear();
                    for (int i = 0; i < post->lstPostView->count(); ++i)
                        listed << post->lstPostView->item(i)->text();
                    key = post->txtKey->text();
                    shoot(post, QStringLiteral("frmPost"));
                    onPost(post);
                    return;
                }
            }
        });
        poll.start(10);
        RunPostalLookup(zip, address, &owner);
        EXPECT_EQ(directionSeen, bool(onDirection));
    }

    // With SORANOWA_SHOTS set to a folder, each window as the staff see it goes there as a picture.
    static void shoot(QWidget *w, const QString &name)
    {
        if (const QString shots = qEnvironmentVariable("SORANOWA_SHOTS"); !shots.isEmpty())
            w->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    TestDataFolder folder; // the current directory, where ZipDB.IDX is looked for
    TestPrompt prompt;
    QWidget owner;
    QLineEdit *zip = nullptr;
    QLineEdit *address = nullptr;
    bool postOpened = false;
    QStringList listed;
    QString key;
};

} // namespace

TEST_F(ZipLookup, HyphenatedCodeIsSearchedAsDigitsAndOkWritesSevenDigitsAndAddress)
{
    zip->setText(QStringLiteral("100-0001 "));
    lookup([](frmPost *p) { QTest::mouseClick(p->cmdOK, Qt::LeftButton); });
    EXPECT_EQ(key, QStringLiteral("1000001"));
    EXPECT_EQ(listed, QStringList{QStringLiteral("100-0001 東京都千代田区千代田")});
    EXPECT_EQ(zip->text(), QStringLiteral("1000001"));
    EXPECT_EQ(address->text(), QStringLiteral("東京都千代田区千代田"));
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(ZipLookup, BothFieldsFilledAskTheDirectionAndItsCancelLeavesThem)
{
    zip->setText(QStringLiteral("1000001"));
    address->setText(QStringLiteral("目黒区"));
    lookup([](frmPost *) {}, [](frmPostPA *pa) { QTest::mouseClick(pa->cmdCancel, Qt::LeftButton); });
    EXPECT_FALSE(postOpened);
    EXPECT_EQ(zip->text(), QStringLiteral("1000001"));
    EXPECT_EQ(address->text(), QStringLiteral("目黒区"));

    // From the address: the chosen entry overwrites the address field as well.
    lookup(
        [](frmPost *p) {
            // The list's own double-click signal: offscreen item views place their rows lazily.
            emit p->lstPostView->itemDoubleClicked(p->lstPostView->item(0));
            if (p->isVisible()) {
                ADD_FAILURE() << "the double-click did not choose the entry";
                p->reject();
            }
        },
        [](frmPostPA *pa) { QTest::mouseClick(pa->cmdZip, Qt::LeftButton); });
    EXPECT_TRUE(postOpened);
    EXPECT_EQ(key, QStringLiteral("目黒区"));
    EXPECT_EQ(zip->text(), QStringLiteral("1530064"));
    EXPECT_EQ(address->text(), QStringLiteral("東京都目黒区下目黒"));
}

TEST_F(ZipLookup, BusinessCodeMarkReachesTheAddressFieldAndCancelWritesNothing)
{
    address->setText(QStringLiteral("千代田区千代田"));
    lookup([](frmPost *p) {
        p->lstPostView->setCurrentRow(1);
        QTest::mouseClick(p->cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(listed, QStringList({QStringLiteral("100-0001 東京都千代田区千代田"),
                                   QStringLiteral("100-8111 東京都千代田区千代田１－１（宮内庁） [×]")}));
    EXPECT_EQ(zip->text(), QStringLiteral("1008111"));
    EXPECT_EQ(address->text(), QStringLiteral("東京都千代田区千代田１－１（宮内庁） [×]"));

    zip->clear();
    address->setText(QStringLiteral("千代田"));
    lookup([](frmPost *p) { QTest::mouseClick(p->cmdCancel, Qt::LeftButton); });
    EXPECT_EQ(zip->text(), QString());
    EXPECT_EQ(address->text(), QStringLiteral("千代田"));
}

TEST_F(ZipLookup, NoMatchAndResearchShowTheirBoxesAndLists)
{
    zip->setText(QStringLiteral("9999999"));
    lookup([this](frmPost *p) {
        ASSERT_EQ(prompt.count(), 1);
        EXPECT_EQ(prompt.last().title, QStringLiteral("検索エラー"));
        EXPECT_EQ(prompt.last().text, kNoMatchText);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(p->lstPostView->count(), 0);
        // A new key and "再検索(&R)": the list fills; two digits ask for a key.
        p->txtKey->setText(QStringLiteral("100-0006"));
        QTest::mouseClick(p->cmdRe, Qt::LeftButton);
        EXPECT_EQ(p->lstPostView->count(), 1);
        EXPECT_EQ(p->lstPostView->currentRow(), 0);
        p->txtKey->setText(QStringLiteral("10"));
        QTest::mouseClick(p->cmdRe, Qt::LeftButton);
        EXPECT_EQ(p->lstPostView->count(), 0);
        EXPECT_EQ(prompt.last().text, QStringLiteral("検索条件を設定して下さい"));
        EXPECT_EQ(prompt.last().icon, PromptIcon::None);
        // OK with nothing listed leaves the fields as they are.
        QTest::mouseClick(p->cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(zip->text(), QStringLiteral("9999999"));
    EXPECT_EQ(address->text(), QString());
}

TEST_F(ZipLookup, MissingOrDamagedDatabaseShowsErrorFifty)
{
    QFile::remove(folder.file(QStringLiteral("ZipDB.IDX")));
    zip->setText(QStringLiteral("1000001"));
    lookup([](frmPost *p) { QTest::mouseClick(p->cmdCancel, Qt::LeftButton); });
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, ErrorBoxText(50, QStringLiteral("郵便番号データベースの読み込みエラー")));
    EXPECT_TRUE(listed.isEmpty());

    folder.write(QStringLiteral("ZipDB.IDX"), QByteArray("SNZIPDB\0garbage", 15));
    prompt.clear();
    lookup([](frmPost *p) { QTest::mouseClick(p->cmdCancel, Qt::LeftButton); });
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, ErrorBoxText(50, QStringLiteral("郵便番号データベースの読み込みエラー")));
}

TEST_F(ZipLookup, TooManyMatchesWarnBeforeTheList)
{
    std::vector<ZipDbEntry> entries;
    for (quint32 i = 0; i < 700; ++i)
        entries.push_back({1230000 + i, false, QStringLiteral("大きな町%1").arg(i), {}});
    folder.write(QStringLiteral("ZipDB.IDX"), BuildZipDbBytes(entries));
    address->setText(QStringLiteral("大きな町"));
    lookup([](frmPost *p) { QTest::mouseClick(p->cmdCancel, Qt::LeftButton); });
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("該当住所が絞れません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("全てを検索出来なかった可能性があります"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(listed.size(), 500);
    EXPECT_EQ(listed.front(), QStringLiteral("123-0000 大きな町0"));
}
