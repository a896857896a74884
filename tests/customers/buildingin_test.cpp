// Registering a building and the building lookup beside a building field.
#include <gtest/gtest.h>

#include "customers/buildingentry.h"
#include "customers/ui/frmBuildingIn.h"
#include "mock/modal.h"
#include "mock/testprompt.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace
{

QStringList labelsOf(QWidget *w)
{
    QStringList out;
    for (QLabel *l : w->findChildren<QLabel *>())
        out << l->text();
    return out;
}

} // namespace

TEST(BuildingEntry, BothTextsAreNeededAndTheEntryStaysOneLine)
{
    EXPECT_TRUE(CanRegisterBuilding(QStringLiteral("空野ハイツ"), "2-1-5"));
    EXPECT_FALSE(CanRegisterBuilding("", "2-1-5"));
    EXPECT_FALSE(CanRegisterBuilding(QStringLiteral("空野ハイツ"), ""));
    EXPECT_FALSE(CanRegisterBuilding("  ", "2-1-5"));
    EXPECT_EQ(BuildingEntry(QStringLiteral("空野ハイツ"), QStringLiteral("西新宿2-1-5")),
              QStringLiteral("空野ハイツ\t西新宿2-1-5"));
    EXPECT_EQ(BuildingEntry(QStringLiteral("空野\tハイツ"), QStringLiteral("2-1\r\n-5")),
              QStringLiteral("空野 ハイツ\t2-1  -5"));

    QStringList list;
    RegisterBuilding(list, "A", "1-1");
    EXPECT_EQ(list, (QStringList{QString(), "A\t1-1"}));
    EXPECT_EQ(BuildingLookupAddress(QStringLiteral("新宿区西新宿"), QStringLiteral("２－１－５")),
              QStringLiteral("新宿区西新宿2-1-5"));
}

TEST(BuildingWindow, RegistersTheBuildingIntoTheListAndTheTarget)
{
    QStringList list{QString(), QStringLiteral("空野ハイツ\t2-1")};
    QLineEdit target;
    frmBuildingIn dlg(list, QStringLiteral("西新宿2-1-5"), &target);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("マンションの登録"));
    const QStringList labels = labelsOf(&dlg);
    for (const char *text : {"マンション名：", "マンション所在地：", "■ 部屋番号は入れないで下さい。",
                             "■ 「丁目」、「番地」等は使用せず、すべて数字で入力して下さい。",
                             "■ 都道府県名は含めないで下さい。", "○　2-1-5", "×　2丁目1番地5号"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(dlg.findChild<QGroupBox *>()->title(), QStringLiteral("マンション所在地入力時の注意事項："));

    auto *name = dlg.findChild<QLineEdit *>("txtBuilding");
    auto *address = dlg.findChild<QLineEdit *>("txtAddress");
    auto *ok = dlg.findChild<QPushButton *>("cmdOk");
    ASSERT_TRUE(name && address && ok);
    EXPECT_EQ(ok->text(), QStringLiteral("新規登録＆入力"));
    EXPECT_EQ(address->text(), QStringLiteral("西新宿2-1-5"));
    EXPECT_FALSE(ok->isEnabled());
    name->setText(QStringLiteral("ソラノ館")); // typed through the input method
    EXPECT_TRUE(ok->isEnabled());
    address->clear();
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(address, "2-1-5");
    QTest::mouseClick(ok, Qt::LeftButton);

    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(target.text(), QStringLiteral("ソラノ館"));
    EXPECT_EQ(list, (QStringList{QString(), QStringLiteral("空野ハイツ\t2-1"), QStringLiteral("ソラノ館\t2-1-5")}));
}

TEST(BuildingWindow, CancelChangesNothing)
{
    QStringList list{QString()};
    QLineEdit target(QStringLiteral("前の値"));
    frmBuildingIn dlg(list, "2-1-5", &target);
    dlg.show();
    dlg.findChild<QLineEdit *>("txtBuilding")->setText(QStringLiteral("ソラノ館"));
    auto *cancel = dlg.findChild<QPushButton *>("cmdCancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(target.text(), QStringLiteral("前の値"));
    EXPECT_EQ(list, QStringList{QString()});
}

TEST(BuildingLookup, KnownAddressFillsTheFieldOtherwiseTheWindowOpens)
{
    TestPrompt prompt;
    QStringList list{QString(), QStringLiteral("空野ハイツ\t2-1"), QStringLiteral("ソラノ館\t2-1-5")};
    QLineEdit target;
    // The longest address part wins; the typed address is compared in half-width.
    RunBuildingLookup(nullptr, list, QStringLiteral("新宿区西新宿"), QStringLiteral("２－１－５"), &target);
    EXPECT_EQ(target.text(), QStringLiteral("ソラノ館"));
    EXPECT_EQ(list.size(), 3);

    QString prefilled;
    ModalHandler handler([&](QWidget *w) {
        prefilled = w->findChild<QLineEdit *>("txtAddress")->text();
        w->findChild<QLineEdit *>("txtBuilding")->setText(QStringLiteral("港ビル"));
        QTest::mouseClick(w->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
    });
    RunBuildingLookup(nullptr, list, QStringLiteral("港区芝"), QStringLiteral("４－２－８"), &target);
    EXPECT_TRUE(handler.done());
    EXPECT_EQ(prefilled, QStringLiteral("港区芝4-2-8"));
    EXPECT_EQ(target.text(), QStringLiteral("港ビル"));
    EXPECT_EQ(list.last(), QStringLiteral("港ビル\t港区芝4-2-8"));
    // Found by the next lookup.
    target.clear();
    RunBuildingLookup(nullptr, list, QStringLiteral("港区芝"), QStringLiteral("4-2-8"), &target);
    EXPECT_EQ(target.text(), QStringLiteral("港ビル"));
    EXPECT_EQ(prompt.count(), 0);
}
