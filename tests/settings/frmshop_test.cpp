// The shop settings window, driven offscreen by objectName; boxes answered by the test prompt.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmShop.h"
#include "store/settingfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace
{

const QString kNotice = QStringLiteral("今日も1日頑張りましょう！");
const QString kSaveQuestion = QStringLiteral("店舗情報が変更されています。保存しますか？");

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

class ShopWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ShopSettings &s = tables.Shop;
        s.ShopName = QStringLiteral("空野屋");
        s.ShopZip = "1050011";
        s.ShopAddress = "Shiba 4-2-8";
        s.ShopTel = {"03", "1234", "5678"};
        s.TaxRate = "8";
        s.NoticeLine = kNotice;
        s.NoteText = "";
        s.PointService = "0";
        s.PointYenUnit = s.PointsPerUnit = s.PointStep = s.PointStepYen = s.PointValidMonths = "0";
    }

    void open()
    {
        dlg = std::make_unique<frmShop>(tables);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    template <typename W> W *find(const char *name)
    {
        W *w = dlg->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(name); }
    QComboBox *combo(int i) { return find<QComboBox>(QStringLiteral("cboPoint%1").arg(i).toLatin1().constData()); }
    QPushButton *button(const char *name) { return find<QPushButton>(name); }

    // Types into a field that has the focus, as the staff would, replacing its content.
    void type(QWidget *field, const char *text)
    {
        field->setFocus();
        QApplication::processEvents();
        QLineEdit *line = qobject_cast<QLineEdit *>(field);
        if (!line)
            line = qobject_cast<QComboBox *>(field)->lineEdit();
        line->selectAll();
        if (*text)
            QTest::keyClicks(line, QString::fromUtf8(text));
        else
            QTest::keyClick(line, Qt::Key_Delete);
    }
    void leaveWithTab()
    {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Tab);
        QApplication::processEvents();
    }
    void click(const char *name)
    {
        QTest::mouseClick(button(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    // Switches the point service on and fills all five lists with valid values.
    void completePoints()
    {
        QTest::mouseClick(find<QRadioButton>("optPoint1"), Qt::LeftButton);
        const char *values[] = {"100", "1", "50", "500", "6"};
        for (int i = 0; i < 5; ++i)
            combo(i)->setEditText(QString::fromLatin1(values[i]));
    }

    TestDataFolder folder;
    TestPrompt prompt;
    SettingTables tables;
    std::unique_ptr<frmShop> dlg;
};

} // namespace

TEST_F(ShopWindow, OpensWithTheStoredValuesAndEveryCaption)
{
    tables.Shop.PointService = "1";
    tables.Shop.PointYenUnit = "250"; // not among the suggestions: kept as typed
    tables.Shop.PointValidMonths = "12";
    open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("店舗設定"));
    EXPECT_EQ(dlg->objectName(), "frmShop");
    auto *tabs = dlg->findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("店舗設定"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("ポイントサービス設定"));

    EXPECT_EQ(edit("txtShopName")->text(), QStringLiteral("空野屋"));
    EXPECT_EQ(edit("txtZip")->text(), "1050011");
    EXPECT_EQ(edit("txtAddress")->text(), "Shiba 4-2-8");
    EXPECT_EQ(edit("txtTel0")->text(), "03");
    EXPECT_EQ(edit("txtTel1")->text(), "1234");
    EXPECT_EQ(edit("txtTel2")->text(), "5678");
    EXPECT_EQ(edit("txtTax")->text(), "8");
    EXPECT_EQ(edit("txtRenraku")->text(), kNotice);
    EXPECT_EQ(edit("txtInfo")->text(), "");
    EXPECT_EQ(combo(0)->currentText(), "250");
    EXPECT_EQ(combo(1)->currentText(), "0");
    EXPECT_EQ(combo(4)->currentText(), "12");
    EXPECT_TRUE(find<QRadioButton>("optPoint1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("optPoint0")->isChecked());
    EXPECT_TRUE(find<QGroupBox>("fraService")->isEnabled());
    EXPECT_FALSE(button("cmdApply")->isEnabled());

    // Lengths the file and the delivery note have room for.
    const std::pair<const char *, int> lengths[] = {{"txtShopName", 20}, {"txtZip", 7},      {"txtAddress", 40},
                                                    {"txtTel0", 7},      {"txtTel1", 7},     {"txtTel2", 7},
                                                    {"txtTax", 2},       {"txtRenraku", 40}, {"txtInfo", 38}};
    for (const auto &[name, length] : lengths)
        EXPECT_EQ(edit(name)->maxLength(), length) << name;

    // Every caption is the buddy of its field.
    const std::pair<QString, const char *> captions[] = {
        {QStringLiteral("店舗名："), "txtShopName"},
        {QStringLiteral("郵便番号："), "txtZip"},
        {QStringLiteral("（ハイホンなしで入力）"), "txtZip"},
        {QStringLiteral("住所："), "txtAddress"},
        {QStringLiteral("電話番号："), "txtTel0"},
        {QStringLiteral("消費税："), "txtTax"},
        {QStringLiteral("％　（内税の場合は0を入力）"), "txtTax"},
        {QStringLiteral("連絡事項："), "txtRenraku"},
        {QStringLiteral("（画面上部に表示されます）"), "txtRenraku"},
        {QStringLiteral("お知らせ："), "txtInfo"},
        {QStringLiteral("（納品書に印刷されます）"), "txtInfo"},
        {QStringLiteral("お買い上げ"), "cboPoint0"},
        {QStringLiteral("円あたり"), "cboPoint0"},
        {QStringLiteral("ポイント進呈。"), "cboPoint1"},
        {QStringLiteral("ポイント貯まるごとに、次回お買い上げより"), "cboPoint2"},
        {QStringLiteral("円割引"), "cboPoint3"},
        {QStringLiteral("有効期間："), "cboPoint4"},
        {QStringLiteral("ヶ月 （有効期間中に一度も利用が無い場合は、         獲得ポイントを０にします）"), "cboPoint4"},
    };
    const QList<QLabel *> labels = dlg->findChildren<QLabel *>();
    for (const auto &[text, field] : captions) {
        auto it = std::find_if(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == text; });
        ASSERT_NE(it, labels.end()) << text.toStdString();
        ASSERT_NE((*it)->buddy(), nullptr) << text.toStdString();
        EXPECT_EQ((*it)->buddy()->objectName(), QString::fromLatin1(field)) << text.toStdString();
    }
    const auto hasLabel = [&](const QString &text) {
        return std::any_of(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == text; });
    };
    EXPECT_TRUE(hasLabel(QStringLiteral(
        "顧客データにポイントを記録できます。ポイントサービスを行うことで継続的な利用を促すことができます。")));
    EXPECT_EQ(find<QGroupBox>("fraPoint")->title(), QStringLiteral("ポイントサービス："));
    EXPECT_EQ(find<QGroupBox>("fraService")->title(), QStringLiteral("サービス内容："));
    EXPECT_EQ(find<QRadioButton>("optPoint0")->text(), QStringLiteral("実施しない"));
    EXPECT_EQ(find<QRadioButton>("optPoint1")->text(), QStringLiteral("実施する"));
    EXPECT_EQ(button("cmdOK")->text(), "OK");
    EXPECT_TRUE(button("cmdOK")->isDefault());
    EXPECT_EQ(button("cmdApply")->text(), QStringLiteral("適用(&A)"));
    EXPECT_EQ(button("cmdCancel")->text(), QStringLiteral("ｷｬﾝｾﾙ"));

    // The suggestions of each list, and the lists accept typing.
    const char *suggestions[] = {"100,200,300,500,1000,2000,3000,5000,10000",
                                 "1,2,3,5,10,20,30,50,100,200,300,500,1000,2000",
                                 "10,20,30,50,100,200,300,500,1000,2000,3000,5000",
                                 "10,20,30,50,100,200,300,500,1000,2000,3000,5000", "1,2,3,6,12"};
    for (int i = 0; i < 5; ++i) {
        QStringList items;
        for (int k = 0; k < combo(i)->count(); ++k)
            items << combo(i)->itemText(k);
        EXPECT_EQ(items.join(','), QString::fromLatin1(suggestions[i])) << i;
        EXPECT_TRUE(combo(i)->isEditable());
    }
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(ShopWindow, ServiceChoiceSwitchesTheServiceFrameAndEveryChangeEnablesApply)
{
    open();
    auto *frame = find<QGroupBox>("fraService");
    EXPECT_FALSE(frame->isEnabled());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(combo(i)->isEnabled());
    EXPECT_FALSE(button("cmdApply")->isEnabled());

    dlg->tabs->setCurrentIndex(1);
    QTest::mouseClick(find<QRadioButton>("optPoint1"), Qt::LeftButton);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_TRUE(combo(3)->isEnabled());
    EXPECT_TRUE(button("cmdApply")->isEnabled());
    QTest::mouseClick(find<QRadioButton>("optPoint0"), Qt::LeftButton);
    EXPECT_FALSE(frame->isEnabled());

    // Typing in a text field, typing in a list and choosing from a list each count as a change.
    const auto changes = [&](const std::function<void()> &change) {
        dlg->SaveSettings();
        EXPECT_FALSE(button("cmdApply")->isEnabled());
        change();
        EXPECT_TRUE(button("cmdApply")->isEnabled());
    };
    changes([&] { type(edit("txtInfo"), "x"); });
    changes([&] { type(edit("txtTel2"), "9"); });
    QTest::mouseClick(find<QRadioButton>("optPoint1"), Qt::LeftButton);
    completePoints();
    changes([&] { type(combo(1), "2"); });
    changes([&] { combo(4)->setCurrentIndex(1); });
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(ShopWindow, NumericFieldsKeepTheFocusUntilTheValueIsANumber)
{
    open();
    const char *fields[] = {"txtZip", "txtTel0", "txtTel1", "txtTel2", "txtTax"};
    for (const char *name : fields) {
        prompt.clear();
        QLineEdit *field = edit(name);
        type(field, name[3] == 'T' && name[4] == 'e' ? "03-1" : "1a");
        leaveWithTab();
        ASSERT_EQ(prompt.count(), 1) << name;
        EXPECT_EQ(prompt.last().title, QStringLiteral("数字以外が入力されました"));
        EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(QApplication::focusWidget(), field) << name;

        // Empty is accepted and the focus moves on.
        type(field, "");
        leaveWithTab();
        EXPECT_EQ(prompt.count(), 1) << name;
        EXPECT_NE(QApplication::focusWidget(), field) << name;

        type(field, "12");
        leaveWithTab();
        EXPECT_EQ(prompt.count(), 1) << name;
        EXPECT_NE(QApplication::focusWidget(), field) << name;
    }
    // The shop name is free text.
    type(edit("txtShopName"), "abc-1");
    leaveWithTab();
    EXPECT_EQ(prompt.count(), 1);
}

TEST_F(ShopWindow, PointListsAcceptNumbersAboveZeroUpTo30000)
{
    open();
    dlg->tabs->setCurrentIndex(1);
    completePoints(); // the neighbours must accept being left as well
    QComboBox *list = combo(2);
    const auto leave = [&](const char *text) {
        prompt.clear();
        type(list, text);
        leaveWithTab();
    };
    const QString outOfRange = QStringLiteral("０及びマイナスの値は入力できません。");
    for (const char *refused : {"30001", "-5", "0"}) {
        leave(refused);
        ASSERT_EQ(prompt.count(), 1) << refused;
        EXPECT_EQ(prompt.last().title, QStringLiteral("入力値が不適当です"));
        EXPECT_EQ(prompt.last().text, outOfRange);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(QApplication::focusWidget(), list) << refused;
    }
    leave("abc");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_EQ(QApplication::focusWidget(), list);
    for (const char *accepted : {"30000", "1.5", ""}) {
        leave(accepted);
        EXPECT_EQ(prompt.count(), 0) << accepted;
        EXPECT_NE(QApplication::focusWidget(), list) << accepted;
    }
}

TEST_F(ShopWindow, RefusedFieldIsNotLeftBySwitchingTheTab)
{
    open();
    QLineEdit *tax = edit("txtTax");
    type(tax, "x");
    dlg->tabs->setCurrentIndex(1);
    QApplication::processEvents();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_EQ(dlg->tabs->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), tax);
}

TEST_F(ShopWindow, OkWritesTheFifteenLinesAndCloses)
{
    open();
    edit("txtShopName")->setText(QStringLiteral("空野屋"));
    type(edit("txtTax"), "10");
    edit("txtInfo")->setText(QStringLiteral("ｿﾗﾉﾜ"));
    dlg->tabs->setCurrentIndex(1);
    completePoints();
    click("cmdOK");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    const QByteArray expected =
        Lines({QByteArray::fromHex("8bf396ec89ae"), "1050011", "Shiba 4-2-8", "03", "1234", "5678", "10",
               QByteArray::fromHex("8da193fa82e03193fa8ae692a382e882dc82b582e582a48149"),
               QByteArray::fromHex("bfd7c9dc"), "1", "100", "1", "50", "500", "6"});
    EXPECT_EQ(folder.read(SettingFiles::kShop), expected);
    EXPECT_EQ(tables.Shop.TaxRate, "10");
    EXPECT_EQ(tables.Shop.PointService, "1");
    EXPECT_EQ(tables.Shop.PointValidMonths, "6");
}

TEST_F(ShopWindow, MissingRequiredFieldsAreListedAndNothingIsSaved)
{
    open();
    // All three telephone parts empty: listed once.
    for (const char *name : {"txtTel0", "txtTel1", "txtTel2", "txtAddress"})
        edit(name)->clear();
    click("cmdOK");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("入力エラー"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("・住所\r\n・電話番号\r\nを入力して下さい。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));
    EXPECT_EQ(tables.Shop.ShopAddress, "Shiba 4-2-8");

    // One part missing is enough to be listed; apply refuses the same way.
    edit("txtAddress")->setText("A");
    edit("txtTel0")->setText("03");
    edit("txtTel2")->setText("5678");
    edit("txtShopName")->clear();
    click("cmdApply");
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().text, QStringLiteral("・店舗名\r\n・電話番号\r\nを入力して下さい。"));
    EXPECT_TRUE(button("cmdApply")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));
}

TEST_F(ShopWindow, PointServiceOnNeedsEveryListFilled)
{
    open();
    dlg->tabs->setCurrentIndex(1);
    QTest::mouseClick(find<QRadioButton>("optPoint1"), Qt::LeftButton);
    combo(0)->setEditText("100");
    click("cmdOK"); // the other four still hold "0"
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("未入力箇所があります"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ポイントサービスのサービス内容はもれなく入力して下さい。"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(tables.Shop.PointService, "0");
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));

    completePoints();
    combo(3)->setEditText("");
    click("cmdApply");
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().title, QStringLiteral("未入力箇所があります"));
}

TEST_F(ShopWindow, PointValuesTheServiceCannotCountWithAreRefusedAtOk)
{
    open();
    dlg->tabs->setCurrentIndex(1);
    completePoints();
    // Leaving the list with a fraction is allowed; saving it is not, since points come in whole blocks.
    for (const char *unusable : {"0.5", "1.5"}) {
        prompt.clear();
        type(combo(2), unusable);
        leaveWithTab();
        EXPECT_EQ(prompt.count(), 0) << unusable;
        click("cmdOK");
        ASSERT_EQ(prompt.count(), 1) << unusable;
        EXPECT_EQ(prompt.last().title, QStringLiteral("入力値が不適当です"));
        EXPECT_EQ(prompt.last().text, QStringLiteral("０及びマイナスの値は入力できません。"));
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(tables.Shop.PointStep, "0");
        EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));
    }
    // With the service off the lists are stored as they stand.
    QTest::mouseClick(find<QRadioButton>("optPoint0"), Qt::LeftButton);
    prompt.clear();
    click("cmdOK");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(tables.Shop.PointStep, "1.5");
}

TEST_F(ShopWindow, ApplyWithServiceOffStoresZeroAndKeepsThePointValues)
{
    tables.Shop.PointService = "1";
    tables.Shop.PointYenUnit = "100";
    tables.Shop.PointsPerUnit = "2";
    tables.Shop.PointStep = "50";
    tables.Shop.PointStepYen = "500";
    tables.Shop.PointValidMonths = "3";
    open();
    dlg->tabs->setCurrentIndex(1);
    QTest::mouseClick(find<QRadioButton>("optPoint0"), Qt::LeftButton);
    combo(1)->setEditText("abc"); // not examined while the service is off
    click("cmdApply");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(button("cmdApply")->isEnabled());
    const QByteArray bytes = folder.read(SettingFiles::kShop);
    EXPECT_TRUE(bytes.endsWith("\r\n0\r\n100\r\nabc\r\n50\r\n500\r\n3\r\n")) << bytes.toStdString();
    EXPECT_EQ(tables.Shop.PointService, "0");
    EXPECT_EQ(tables.Shop.PointStep, "50");

    // Nothing pending any more: cancel closes without asking.
    click("cmdCancel");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ShopWindow, OkChecksTheFieldBeingEditedFirst)
{
    open();
    QLineEdit *zip = edit("txtZip");
    type(zip, "1a");
    click("cmdOK"); // the focus is still in the postal code
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), zip);
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));

    // Enter goes to the default button and checks the same way.
    QTest::keyClick(zip, Qt::Key_Return);
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_TRUE(dlg->isVisible());

    type(zip, "1000001");
    QTest::keyClick(zip, Qt::Key_Return);
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(folder.read(SettingFiles::kShop).contains("\r\n1000001\r\n"));
}

TEST_F(ShopWindow, CancelWithoutChangesClosesWithoutAsking)
{
    open();
    click("cmdCancel");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(ShopWindow, ClosingWithChangesAsksWhetherToSave)
{
    open();
    type(edit("txtTax"), "5");

    // Cancel: stays open with the change.
    prompt.answerNext(PromptAnswer::Cancel);
    click("cmdCancel");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("保存確認"));
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(edit("txtTax")->text(), "5");

    // The window's close box asks the same.
    prompt.answerNext(PromptAnswer::Cancel);
    dlg->close();
    EXPECT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().text, kSaveQuestion);
    EXPECT_TRUE(dlg->isVisible());

    // Escape too.
    prompt.answerNext(PromptAnswer::Cancel);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(prompt.count(), 3);
    EXPECT_TRUE(dlg->isVisible());

    // No: closes, nothing saved.
    prompt.answerNext(PromptAnswer::No);
    click("cmdCancel");
    EXPECT_EQ(prompt.count(), 4);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(tables.Shop.TaxRate, "8");
    EXPECT_FALSE(QFileInfo::exists(folder.file(SettingFiles::kShop)));
}

TEST_F(ShopWindow, YesSavesAndCloses)
{
    open();
    type(edit("txtTax"), "5");
    prompt.answerNext(PromptAnswer::Yes);
    dlg->close();
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(tables.Shop.TaxRate, "5");
    EXPECT_TRUE(folder.read(SettingFiles::kShop).contains("\r\n5\r\n"));
}

TEST_F(ShopWindow, YesWithRefusedInputShowsWhyAndAsksAgain)
{
    open();
    edit("txtShopName")->clear();
    prompt.answerNext(PromptAnswer::Yes); // save?  -> refused: shop name missing
    prompt.answerNext(PromptAnswer::Ok);  // the refusal
    prompt.answerNext(PromptAnswer::Yes); // asked again -> refused again
    prompt.answerNext(PromptAnswer::Ok);
    prompt.answerNext(PromptAnswer::Cancel); // back to the window
    click("cmdCancel");
    ASSERT_EQ(prompt.count(), 5);
    EXPECT_EQ(prompt.asked[0].text, kSaveQuestion);
    EXPECT_EQ(prompt.asked[1].text, QStringLiteral("・店舗名\r\nを入力して下さい。"));
    EXPECT_EQ(prompt.asked[2].text, kSaveQuestion);
    EXPECT_EQ(prompt.asked[3].title, QStringLiteral("入力エラー"));
    EXPECT_EQ(prompt.asked[4].text, kSaveQuestion);
    EXPECT_TRUE(dlg->isVisible());

    // Fixed, then Yes saves and closes.
    edit("txtShopName")->setText("B");
    prompt.answerNext(PromptAnswer::Yes);
    click("cmdCancel");
    EXPECT_EQ(prompt.count(), 6);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(folder.read(SettingFiles::kShop).startsWith("B\r\n"));
}

TEST_F(ShopWindow, WriteFailureKeepsTheWindowOpenWithTheChangesPending)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(SettingFiles::kShop));
    open();
    type(edit("txtTax"), "5");
    click("cmdOK");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ErrorNo: 15\r\r店舗ファイル書き込みエラー"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(tables.Shop.TaxRate, "5"); // the table already holds the new values
    EXPECT_TRUE(button("cmdApply")->isEnabled());

    // Yes on closing fails the same way and does not loop: the window stays.
    prompt.answerNext(PromptAnswer::Yes);
    click("cmdCancel");
    ASSERT_EQ(prompt.count(), 3);
    EXPECT_EQ(prompt.asked[1].text, kSaveQuestion);
    EXPECT_EQ(prompt.asked[2].text, QStringLiteral("ErrorNo: 15\r\r店舗ファイル書き込みエラー"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(QFileInfo(folder.file(SettingFiles::kShop)).isDir());
}

TEST_F(ShopWindow, FirstStartOffersNoticeAndTax)
{
    tables = SettingTables{}; // nothing loaded yet on the first start
    open();
    dlg->PrefillFirstStart();
    EXPECT_EQ(edit("txtRenraku")->text(), kNotice);
    EXPECT_EQ(edit("txtTax")->text(), "0");
    EXPECT_TRUE(button("cmdApply")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("optPoint0")->isChecked());

    click("cmdOK");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text,
              QStringLiteral("・店舗名\r\n・郵便番号\r\n・住所\r\n・電話番号\r\nを入力して下さい。"));

    edit("txtShopName")->setText("S");
    type(edit("txtZip"), "1000001");
    edit("txtAddress")->setText("A");
    type(edit("txtTel0"), "03");
    type(edit("txtTel1"), "1111");
    type(edit("txtTel2"), "2222");
    click("cmdOK");
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    // Point values never set are written empty and read back as "0".
    EXPECT_EQ(folder.read(SettingFiles::kShop),
              Lines({"S", "1000001", "A", "03", "1111", "2222", "0",
                     QByteArray::fromHex("8da193fa82e03193fa8ae692a382e882dc82b582e582a48149"), "", "0", "", "", "", "",
                     ""}));
    SettingTables next;
    ASSERT_TRUE(LoadShopSettings(next));
    EXPECT_EQ(next.Shop.PointYenUnit, "0");
    EXPECT_EQ(next.Shop.PointValidMonths, "0");
}

TEST_F(ShopWindow, EmptyNoticeIsSavedEmptyAndComesBackAsTheUsualNotice)
{
    open();
    edit("txtRenraku")->clear();
    click("cmdOK");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(tables.Shop.NoticeLine, "");
    EXPECT_TRUE(folder.read(SettingFiles::kShop).contains("\r\n8\r\n\r\n\r\n0\r\n"));
    SettingTables next;
    ASSERT_TRUE(LoadShopSettings(next));
    EXPECT_EQ(next.Shop.NoticeLine, kNotice);
}
