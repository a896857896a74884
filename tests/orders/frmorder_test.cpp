// The order window driven offscreen by objectName through whole telephone orders; boxes
// answered by the test prompt, stored records read back through a fresh store on the folder.
#include <gtest/gtest.h>

#include "mock/waitfor.h"
#include "orderdata.h"

#include "app/commands.h"
#include "app/frmMain.h"
#include "customers/zipdb.h"
#include "board/ui/frmJokyo.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/kanasearch.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/menuboardpanel.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/oledate.h"
#include "store/prefs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace
{

const QString kNotNumeric = QStringLiteral("数字以外は入力できません。");
const QString kNotNumericTitle = QStringLiteral("数字以外が入力されました");
const QString kLimitTitle = QStringLiteral("注文商品の上限に達しています");
const QString kLimitText = QStringLiteral("20品目以上は登録できません。");
const QString kPendingTitle = QStringLiteral("注文未確定商品の確認");
const QString kPendingText = QStringLiteral("注文が確定していない入力が存在します。注文登録しますか？");

class OrderWindow : public ::testing::Test
{
  protected:
    static inline const QDateTime kNow{QDate(2026, 5, 10), QTime(18, 45)};

    void SetUp() override
    {
        Clock::Pin(kNow);
        data = std::make_unique<AppData>(folder.path());
        ASSERT_TRUE(data->records.OpenRecordFiles());
        ASSERT_TRUE(data->records.BuildIndexes());
        SettingTables &t = data->settings;
        t.MotiveList = BuildMotiveList();
        ShopSettings &s = t.Shop;
        s.ShopName = QStringLiteral("空野屋");
        s.ShopTel = {"03", "1234", "5678"};
        s.TaxRate = "8";
        s.PointService = "1";
        s.PointYenUnit = "100";
        s.PointsPerUnit = "1";
        s.PointStep = "100";
        s.PointStepYen = "100";
        s.PointValidMonths = "6";
        const auto menu = [&](const char *group, const QString &name, qint64 yen, const QString &kana) {
            t.MenuTable.push_back({QString::fromUtf8(group), name, YenToCurrency(yen), kana});
        };
        menu("丼", QStringLiteral("カツ丼"), 800, QStringLiteral("ｶﾂﾄﾞﾝ"));
        menu("丼", QStringLiteral("カレーライス"), 700, QStringLiteral("ｶﾚｰﾗｲｽ"));
        menu("麺", QStringLiteral("ざるそば"), 600, QStringLiteral("ｻﾞﾙｿﾊﾞ"));
        menu("麺", QStringLiteral("サラダ"), 150, QStringLiteral("ｻﾗﾀﾞ"));
        for (int i = 1; i <= 21; ++i)
            menu("一品", QStringLiteral("小鉢%1").arg(i, 2, 10, QLatin1Char('0')), 100, QStringLiteral("ｺﾊﾞﾁ"));
        t.StaffList = QStringList{QString(), QStringLiteral("山田"), QStringLiteral("佐藤")};
        t.DeliverToList = QStringList{QString(), QStringLiteral("会社")};
        t.MenuOptionList = QStringList{QString(), QStringLiteral("大盛")};
        for (auto &slot : t.MenuBoard)
            slot = {QStringLiteral("00000"), 0, QStringLiteral("00000")};
        t.MenuBoard[1] = {QStringLiteral("カツ丼"), YenToCurrency(800), QStringLiteral("カツ丼")};
        t.MenuBoard[2] = {QStringLiteral("ざるそば"), YenToCurrency(600), QStringLiteral("ざる")};
    }
    void TearDown() override
    {
        w.reset();
        data.reset();
        Clock::Unpin();
    }

    void open()
    {
        w = std::make_unique<frmOrder>(*data);
        w->resize(1100, 680);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    template <typename T> T *get(const char *name)
    {
        T *found = w->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *edit(const char *name) { return get<QLineEdit>(name); }
    QPushButton *button(const char *name) { return get<QPushButton>(name); }
    QComboBox *combo(const char *name) { return get<QComboBox>(name); }
    QLabel *label(const char *name) { return get<QLabel>(name); }
    QTreeWidget *list(const char *name) { return get<QTreeWidget>(name); }

    // A delay that keeps two clicks from reading as one double-click.
    static int apart() { return QApplication::doubleClickInterval() + 10; }
    // Clicks as the mouse does: nothing happens on a disabled button.
    void click(QAbstractButton *b)
    {
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(), apart());
        QApplication::processEvents();
    }
    // Key presses carrying each character (kana included), as an input method delivers them.
    static void keys(QWidget *target, const QString &text)
    {
        for (QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(target, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
    // Types into a field, replacing its text.
    // A closed modal dialog does not give the activation back on the offscreen platform.
    void activate()
    {
        if (QApplication::activeWindow() != w.get())
            QApplication::setActiveWindow(w.get());
        QApplication::processEvents();
    }
    void type(QLineEdit *e, const QString &text)
    {
        activate();
        e->setFocus();
        QApplication::processEvents();
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            keys(e, text);
    }
    void typeCombo(QComboBox *c, const QString &text)
    {
        activate();
        c->setFocus();
        QApplication::processEvents();
        c->lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(c->lineEdit(), Qt::Key_Backspace);
        else
            keys(c->lineEdit(), text);
    }
    // Moves the focus away from whatever field holds it, as Tab does.
    void leaveField()
    {
        QWidget *f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        QTest::keyClick(f, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // The customer check on a number typed into txtTel.
    void callFrom(const QString &tel)
    {
        type(edit("txtTel"), tel);
        click(button("cmdCheck"));
    }
    void chooseSearchMode(int mode)
    {
        QComboBox *c = combo("cbo5g");
        c->setCurrentIndex(mode);
        emit c->activated(mode);
        QApplication::processEvents();
    }
    // Takes the candidate with this text: Enter on it, as the clerk's keyboard does.
    void pick(const QString &text)
    {
        QTreeWidget *l = list("lsvPick");
        const auto found = l->findItems(text, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        l->setCurrentItem(found.first());
        activate();
        l->setFocus();
        QTest::keyClick(l, Qt::Key_Return);
        QApplication::processEvents();
    }
    void pickGroup(const QString &group)
    {
        QTreeWidget *g = list("lsvGroup");
        const auto found = g->findItems(group, Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1);
        g->scrollToItem(found.first());
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(found.first()).center(), apart());
        QApplication::processEvents();
    }
    QStringList lineTexts()
    {
        QStringList out;
        QTreeWidget *l = list("lsvMenu");
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            out << l->topLevelItem(i)->text(0) + "|" + l->topLevelItem(i)->text(1) + "|" + l->topLevelItem(i)->text(2);
        return out;
    }
    int lineCount() { return list("lsvMenu")->topLevelItemCount(); }

    // A customer on file; returns its index position.
    int addCustomer(const QString &tel, const QString &name, qint32 points = 0, double lastUse = 0, qint16 useCount = 0)
    {
        return AddTestCustomer(data->records, tel, name, points, lastUse, useCount, QStringLiteral("空野ビル"),
                               QStringLiteral("裏口"));
    }

    // A known caller whose order already holds 20 lines.
    void orderWithTwentyLines()
    {
        addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
        open();
        callFrom("0311112222");
        QStringList twenty;
        for (int i = 1; i <= 20; ++i)
            twenty << QStringLiteral("小鉢%1").arg(i, 2, 10, QLatin1Char('0'));
        quickAddFromGroup(QStringLiteral("一品"), twenty);
    }

    // Every line through the group panel with quick add on.
    void quickAddFromGroup(const QString &group, const QStringList &names)
    {
        SavePref("SET", "MENU", "1");
        chooseSearchMode(1);
        pickGroup(group);
        for (const QString &n : names)
            pick(n);
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<AppData> data;
    std::unique_ptr<frmOrder> w;
};

} // namespace

TEST_F(OrderWindow, OpensWithTheAreaCodeAndOnlyThePhoneSectionOn)
{
    SavePref("SET", "HAITATSU", "300");
    open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("注文受付"));
    EXPECT_EQ(w->objectName(), QStringLiteral("frmOrder"));
    EXPECT_EQ(get<QGroupBox>("fraTel")->title(), QStringLiteral("１．注文者電話番号"));
    EXPECT_EQ(get<QGroupBox>("fraCust")->title(), QStringLiteral("２．注文者データ"));
    EXPECT_EQ(get<QGroupBox>("fraMenu")->title(), QStringLiteral("３．注文メニュー"));
    EXPECT_EQ(edit("txtTel")->text(), "03");
    EXPECT_EQ(edit("txtTel")->cursorPosition(), 2);
    EXPECT_TRUE(edit("txtTel")->hasFocus());
    EXPECT_EQ(GetPref("SET", "SEARCH"), "0");
    EXPECT_EQ(edit("txtHai")->text(), "300");

    QStringList fun;
    for (int i = 0; i < combo("cboFun")->count(); ++i)
        fun << combo("cboFun")->itemText(i);
    EXPECT_EQ(fun, (QStringList{"30 分後", "40 分後", "45 分後", "50 分後", "60 分後", "90 分後", "120 分後"}));
    QStringList modes;
    for (int i = 0; i < combo("cbo5g")->count(); ++i)
        modes << combo("cbo5g")->itemText(i);
    EXPECT_EQ(modes, (QStringList{"50音検索", "ｸﾞﾙｰﾌﾟ検索", "ボード検索"}));
    EXPECT_EQ(combo("cboCoo")->count(), 12);
    EXPECT_EQ(combo("cboCoo")->itemText(0), "-50");
    EXPECT_EQ(combo("cboDouki")->count(), 7);
    EXPECT_EQ(combo("cboDouki")->currentIndex(), -1);
    EXPECT_EQ(combo("cboSitei")->currentText(), QStringLiteral("（なし）"));
    EXPECT_EQ(combo("cboSitei")->count(), 2);

    EXPECT_FALSE(get<QGroupBox>("fraCust")->isEnabled());
    EXPECT_FALSE(get<QGroupBox>("fraMenu")->isEnabled());
    EXPECT_FALSE(get<QGroupBox>("fraPrice")->isEnabled());
    for (const char *off : {"cmdNew", "cmdChange", "cmdCust", "cmdZip", "cmdCTI", "cmdTel", "cmdRireki", "cmdMenuSet"})
        EXPECT_FALSE(button(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("tlbGoConfirm")->isEnabled());
    EXPECT_TRUE(button("cmdCheck")->isEnabled());
    EXPECT_TRUE(button("cmdOut")->isEnabled());
    EXPECT_EQ(label("lblMsg")->text(), "");
    EXPECT_EQ(label("lblNum")->text(), "0");
    for (const char *amount : {"lblpreTotal", "lblTax", "lblTotal"})
        EXPECT_EQ(label(amount)->text(), QStringLiteral("¥0")) << amount;

    // Emptying the number disables the check.
    type(edit("txtTel"), "");
    EXPECT_FALSE(button("cmdCheck")->isEnabled());
}

TEST_F(OrderWindow, CaptionLabelsAreBuddiesOfTheirFields)
{
    open();
    const std::pair<const char *, const char *> captions[] = {
        {"ﾅﾏｴ：", "txtNameKana"},
        {"郵便番号：", "txtZip"},
        {"市区町村：", "txtShiku"},
        {"番地：", "txtBanchi"},
        {"ﾏﾝｼｮﾝ名：", "txtBuilding"},
        {"利用動機：", "cboDouki"},
        {"備考：", "txtEtc"},
        {"数量：", "lblNum"},
        {"小計：", "lblpreTotal"},
        {"税：", "lblTax"},
        {"合計：", "lblTotal"},
        {"ﾎﾟｲﾝﾄ使用：", "cmdPoi"},
        {"ｻｰﾋﾞｽ割引：", "chkCoo"},
        {"配達料：", "txtHai"},
        {"時間指定：", "chkTime"},
        {"受付ｽﾀｯﾌ：", "cboStaff"},
        {"配達先指定：", "cboSitei"},
        {"メニューグループ：", "lsvGroup"},
        {"（ハイホンなしで入力）", "txtTel"},
    };
    const QList<QLabel *> labels = w->findChildren<QLabel *>();
    for (const auto &[text, field] : captions) {
        QLabel *found = nullptr;
        for (QLabel *l : labels) {
            if (l->text() == QString::fromUtf8(text))
                found = l;
        }
        ASSERT_NE(found, nullptr) << text;
        ASSERT_NE(found->buddy(), nullptr) << text;
        EXPECT_EQ(found->buddy()->objectName(), QString::fromLatin1(field)) << text;
    }
    EXPECT_EQ(button("cmdTel")->toolTip(), QStringLiteral("着信電話番号の保存"));
}

TEST_F(OrderWindow, PostalLookupButtonFollowsTheTwoFieldsAndFillsThem)
{
    folder.write(QStringLiteral("ZipDB.IDX"),
                 BuildZipDbBytes({{1000001, false, QStringLiteral("東京都千代田区千代田"), {}}}));
    open();
    type(edit("txtTel"), QStringLiteral("0399998888"));
    click(button("cmdCheck"));
    EXPECT_FALSE(button("cmdZip")->isEnabled());
    type(edit("txtZip"), QStringLiteral("100-0001"));
    ASSERT_TRUE(button("cmdZip")->isEnabled());
    ModalHandler post([](QWidget *w) {
        EXPECT_EQ(w->objectName(), QStringLiteral("frmPost"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    click(button("cmdZip"));
    WAIT_UNTIL(post.done());
    EXPECT_EQ(edit("txtZip")->text(), QStringLiteral("1000001"));
    EXPECT_EQ(edit("txtShiku")->text(), QStringLiteral("東京都千代田区千代田"));
    type(edit("txtZip"), QString());
    EXPECT_TRUE(button("cmdZip")->isEnabled()) << "the address alone is enough";
    type(edit("txtShiku"), QString());
    EXPECT_FALSE(button("cmdZip")->isEnabled());
}

TEST_F(OrderWindow, PhoneNumbersOtherThanDigitsAreRefusedAndEmptied)
{
    open();
    for (const QString &bad : {QStringLiteral("03-1234-5678"), QStringLiteral("03abc"), QStringLiteral("０３ー")}) {
        prompt.clear();
        callFrom(bad);
        ASSERT_EQ(prompt.count(), 1) << bad.toStdString();
        EXPECT_EQ(prompt.last().title, kNotNumericTitle);
        EXPECT_EQ(prompt.last().text, kNotNumeric);
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        EXPECT_EQ(edit("txtTel")->text(), "");
        EXPECT_FALSE(get<QGroupBox>("fraCust")->isEnabled());
    }
    // Leaving the field with a hyphen is refused the same way.
    prompt.clear();
    type(edit("txtTel"), "090-1");
    leaveField();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, kNotNumeric);
    EXPECT_EQ(edit("txtTel")->text(), "");

    // The record holds 14 characters; a 15th digit cannot be typed, so no number is cut on file.
    type(edit("txtTel"), "012345678901234");
    EXPECT_EQ(edit("txtTel")->text(), "01234567890123");
}

TEST_F(OrderWindow, KnownCustomerIsLoadedWithLapsedPointsExpired)
{
    const double longAgo = ToOleDate(QDateTime(QDate(2025, 10, 1), QTime(12, 0)));
    addCustomer("0312345678", QStringLiteral("ﾔﾏﾀﾞ"), 500, longAgo, 4);
    open();
    callFrom("0312345678");
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(w->IsNewCustomer());
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("顧客です"));
    EXPECT_EQ(label("lblMsg")->palette().color(QPalette::Window), QColor(192, 192, 255));
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ﾔﾏﾀﾞ"));
    EXPECT_EQ(edit("txtZip")->text(), "1600023");
    EXPECT_EQ(edit("txtShiku")->text(), QStringLiteral("新宿区"));
    EXPECT_EQ(edit("txtBanchi")->text(), QStringLiteral("西新宿2-8-1"));
    EXPECT_EQ(edit("txtBuilding")->text(), QStringLiteral("空野ビル"));
    EXPECT_EQ(edit("txtEtc")->text(), QStringLiteral("裏口"));
    EXPECT_EQ(combo("cboDouki")->currentIndex(), 3);
    // Last order seven months ago with six months of validity: the points are gone.
    EXPECT_EQ(w->Customer().Record.Points, 0);
    EXPECT_TRUE(get<QGroupBox>("fraMenu")->isEnabled());
    EXPECT_TRUE(get<QGroupBox>("fraPrice")->isEnabled());
    EXPECT_FALSE(button("cmdNew")->isEnabled());
    EXPECT_TRUE(button("cmdChange")->isEnabled());
    EXPECT_FALSE(button("cmdPoi")->isEnabled());
    EXPECT_FALSE(get<QAction>("tlbGoConfirm")->isEnabled());
}

TEST_F(OrderWindow, GroupPanelListsGroupsAndQuickAddMergesRepeats)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    chooseSearchMode(1);
    EXPECT_EQ(GetPref("SET", "SEARCH"), "1");
    EXPECT_EQ(get<QStackedWidget>("stkPanels")->currentWidget()->objectName(), "picGroup");
    QTreeWidget *groups = list("lsvGroup");
    ASSERT_EQ(groups->topLevelItemCount(), 3);
    EXPECT_EQ(groups->topLevelItem(0)->text(0), QStringLiteral("丼"));
    EXPECT_EQ(groups->topLevelItem(2)->text(0), QStringLiteral("一品"));

    pickGroup(QStringLiteral("麺"));
    QTreeWidget *pickList = list("lsvPick");
    ASSERT_EQ(pickList->topLevelItemCount(), 2);
    EXPECT_EQ(pickList->topLevelItem(0)->text(0), QStringLiteral("ざるそば"));
    EXPECT_EQ(pickList->topLevelItem(0)->text(1), QStringLiteral("ｻﾞﾙｿﾊﾞ"));
    EXPECT_EQ(pickList->topLevelItem(0)->text(2), QStringLiteral("¥600"));
    EXPECT_TRUE(button("cmdAdd")->isEnabled());

    SavePref("SET", "MENU", "1");
    pick(QStringLiteral("ざるそば"));
    pick(QStringLiteral("ざるそば"));
    pick(QStringLiteral("ざるそば"));
    pick(QStringLiteral("サラダ"));
    EXPECT_EQ(lineTexts(), (QStringList{QStringLiteral("ざるそば|3|¥600"), QStringLiteral("サラダ|1|¥150")}));
    EXPECT_EQ(label("lblNum")->text(), "4");
    EXPECT_EQ(label("lblpreTotal")->text(), QStringLiteral("¥1,950"));
    EXPECT_EQ(label("lblTax")->text(), QStringLiteral("¥156"));
    EXPECT_EQ(label("lblTotal")->text(), QStringLiteral("¥2,106"));
    for (const char *on : {"cmdDel", "cmdReset", "cmdNumChange"})
        EXPECT_TRUE(button(on)->isEnabled()) << on;
    EXPECT_TRUE(get<QAction>("tlbGoConfirm")->isEnabled());

    // Header clicks sort the lines: quantity as a number, again reverses.
    QTreeWidget *lines = list("lsvMenu");
    emit lines->header()->sectionClicked(1);
    EXPECT_EQ(lines->topLevelItem(0)->text(0), QStringLiteral("サラダ"));
    emit lines->header()->sectionClicked(1);
    EXPECT_EQ(lines->topLevelItem(0)->text(0), QStringLiteral("ざるそば"));

    // The group position is remembered across refreshes; the open group shows the open icon.
    w->Re_view();
    EXPECT_EQ(groups->currentItem()->text(0), QStringLiteral("麺"));

    // Delete the selected line, then reset the rest: the line buttons go off with the last line.
    lines->setCurrentItem(lines->topLevelItem(0));
    lines->topLevelItem(0)->setSelected(true);
    click(button("cmdDel"));
    EXPECT_EQ(lineCount(), 1);
    click(button("cmdReset"));
    EXPECT_EQ(lineCount(), 0);
    EXPECT_EQ(label("lblTotal")->text(), QStringLiteral("¥0"));
    for (const char *off : {"cmdDel", "cmdReset", "cmdNumChange"})
        EXPECT_FALSE(button(off)->isEnabled()) << off;
    EXPECT_FALSE(get<QAction>("tlbGoConfirm")->isEnabled());
}

TEST_F(OrderWindow, DeliveryFeeIsAnOwnLineEachTimeAndRemembered)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    type(edit("txtHai"), "");
    click(button("cmdHai"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("配達料が未入力"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("配達料を入力して下さい。"));
    EXPECT_TRUE(edit("txtHai")->hasFocus());
    EXPECT_EQ(lineCount(), 0);

    prompt.clear();
    type(edit("txtHai"), "3OO");
    leaveField();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kNotNumericTitle);
    EXPECT_EQ(edit("txtHai")->text(), "");

    prompt.clear();
    type(edit("txtHai"), "250");
    click(button("cmdHai"));
    click(button("cmdHai"));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(lineTexts(), (QStringList{QStringLiteral("配達料|1|¥250"), QStringLiteral("配達料|1|¥250")}));
    EXPECT_EQ(GetPref("SET", "HAITATSU"), "250");
    EXPECT_EQ(label("lblpreTotal")->text(), QStringLiteral("¥500"));
}

TEST_F(OrderWindow, ServiceDiscountFieldRefusesWhatCannotBeADiscount)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    QComboBox *coo = combo("cboCoo");
    EXPECT_FALSE(coo->isEnabled());
    click(get<QCheckBox>("chkCoo"));
    ASSERT_TRUE(coo->isEnabled());

    const struct {
        const char *text;
        const char *title;
        const char *message;
    } refused[] = {
        {"50", "マイナスで入力して下さい", "マイナスを付けて入力して下さい。"},
        {"-30001", "不正な値", "割引額を確認して下さい。"},
        {"abc", "数字以外が入力されました", "数字以外は入力できません。"},
    };
    for (const auto &r : refused) {
        prompt.clear();
        typeCombo(coo, QString::fromUtf8(r.text));
        leaveField();
        QApplication::processEvents();
        ASSERT_EQ(prompt.count(), 1) << r.text;
        EXPECT_EQ(prompt.last().title, QString::fromUtf8(r.title));
        EXPECT_EQ(prompt.last().text, QString::fromUtf8(r.message));
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
        // The focus stays in the field.
        EXPECT_TRUE(coo->hasFocus() || coo->lineEdit()->hasFocus()) << r.text;
    }
    for (const char *accepted : {"-30000", "-50", "0", ""}) {
        prompt.clear();
        typeCombo(coo, QString::fromUtf8(accepted));
        leaveField();
        EXPECT_EQ(prompt.count(), 0) << accepted;
    }
}

TEST_F(OrderWindow, PointDiscountFollowsTheLines)
{
    const double lastMonth = ToOleDate(QDateTime(QDate(2026, 4, 20), QTime(12, 0)));
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"), 250, lastMonth, 2);
    open();
    callFrom("0311112222");
    EXPECT_FALSE(button("cmdPoi")->isEnabled()); // no line yet
    quickAddFromGroup(QStringLiteral("麺"), {QStringLiteral("サラダ")});
    ASSERT_TRUE(button("cmdPoi")->isEnabled());

    // 250 points, lines worth 150 yen: one block of 100 points for 100 yen.
    click(button("cmdPoi"));
    EXPECT_TRUE(w->PointDiscountOn());
    EXPECT_EQ(button("cmdPoi")->text(), QStringLiteral("取消(&P)"));
    EXPECT_EQ(label("lblPoi0")->text(), QStringLiteral("-100円"));
    EXPECT_EQ(label("lblPoi1")->text(), QStringLiteral("-100P"));

    // More lines: the discount is recomputed to use both blocks.
    pick(QStringLiteral("ざるそば"));
    EXPECT_EQ(label("lblPoi0")->text(), QStringLiteral("-200円"));
    EXPECT_EQ(label("lblPoi1")->text(), QStringLiteral("-200P"));

    // Off again.
    click(button("cmdPoi"));
    EXPECT_FALSE(w->PointDiscountOn());
    EXPECT_EQ(button("cmdPoi")->text(), QStringLiteral("割引(&P)"));
    EXPECT_EQ(label("lblPoi0")->text(), "");

    // On, then the last lines go: the discount is worth nothing and turns itself off.
    click(button("cmdPoi"));
    ASSERT_TRUE(w->PointDiscountOn());
    prompt.clear();
    click(button("cmdReset"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引できません"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("ポイントが貯まっていません。\r\n\r\n現在のポイント：250"));
    EXPECT_FALSE(w->PointDiscountOn());
    EXPECT_EQ(label("lblPoi0")->text(), "");
    EXPECT_FALSE(button("cmdPoi")->isEnabled());
}

TEST_F(OrderWindow, PointButtonStaysOffBelowOneStep)
{
    const double lastMonth = ToOleDate(QDateTime(QDate(2026, 4, 20), QTime(12, 0)));
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"), 99, lastMonth, 2);
    open();
    callFrom("0311112222");
    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼")});
    EXPECT_FALSE(button("cmdPoi")->isEnabled());
}

TEST_F(OrderWindow, TwentyLinesRefuseEveryAddingPath)
{
    orderWithTwentyLines();
    ASSERT_EQ(lineCount(), 20);
    ASSERT_EQ(prompt.count(), 0);

    const auto expectRefused = [&](const char *path) {
        ASSERT_EQ(prompt.count(), 1) << path;
        EXPECT_EQ(prompt.last().title, kLimitTitle) << path;
        EXPECT_EQ(prompt.last().text, kLimitText) << path;
        EXPECT_EQ(prompt.last().icon, PromptIcon::Warning) << path;
        EXPECT_EQ(lineCount(), 20) << path;
        prompt.clear();
    };
    pick(QStringLiteral("小鉢21"));
    expectRefused("new candidate");
    // Even a repeat that would only raise a quantity.
    pick(QStringLiteral("小鉢01"));
    expectRefused("repeated candidate");
    EXPECT_EQ(lineTexts().first(), QStringLiteral("小鉢01|1|¥100"));
    click(button("cmdAdd"));
    expectRefused("option button");
    type(edit("txtHai"), "300");
    click(button("cmdHai"));
    expectRefused("delivery fee");
}

TEST_F(OrderWindow, PendingLinesBeforeANewNumberAreAskedAbout)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    addCustomer("0333334444", QStringLiteral("ｽｽﾞｷ"));
    open();
    callFrom("0311112222");
    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼"), QStringLiteral("カレーライス")});
    ASSERT_EQ(lineCount(), 2);

    // Cancel keeps everything.
    prompt.answerNext(PromptAnswer::Cancel);
    callFrom("0333334444");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kPendingTitle);
    EXPECT_EQ(prompt.last().text, kPendingText);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(lineCount(), 2);
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ｻﾄｳ"));

    // No drops both lines and goes on with the new number.
    prompt.clear();
    prompt.answerNext(PromptAnswer::No);
    callFrom("0333334444");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(lineCount(), 0);
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ｽｽﾞｷ"));
    EXPECT_EQ(label("lblTotal")->text(), QStringLiteral("¥0"));
}

TEST_F(OrderWindow, RequestedTimeStaffAndDeliveryPlace)
{
    SavePref("STAFF", "NAME", QStringLiteral("佐藤"));
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    EXPECT_FALSE(get<QDateTimeEdit>("dtpTime")->isEnabled());
    click(get<QCheckBox>("chkTime"));
    EXPECT_TRUE(get<QDateTimeEdit>("dtpTime")->isEnabled());
    QComboBox *fun = combo("cboFun");
    ASSERT_TRUE(fun->isEnabled());
    fun->setCurrentIndex(5);
    emit fun->activated(5);
    EXPECT_EQ(fun->currentText(), QStringLiteral("90 分後"));
    EXPECT_EQ(get<QDateTimeEdit>("dtpTime")->dateTime(), QDateTime(QDate(2026, 5, 10), QTime(20, 15)));

    QComboBox *staff = combo("cboStaff");
    ASSERT_EQ(staff->count(), 2);
    EXPECT_EQ(staff->currentText(), QStringLiteral("佐藤"));
    staff->setCurrentIndex(0);
    emit staff->activated(0);
    EXPECT_EQ(GetPref("STAFF", "NAME"), QStringLiteral("山田"));

    QComboBox *place = combo("cboSitei");
    typeCombo(place, QStringLiteral("駅前公園"));
    w->Re_view();
    EXPECT_EQ(place->currentText(), QStringLiteral("駅前公園"));
    EXPECT_EQ(staff->currentText(), QStringLiteral("山田"));
}

namespace
{

// The key of a half-width katakana on a kana keyboard.
QPushButton *kanaKey(QWidget *root, QChar ch)
{
    return root->findChild<QPushButton *>(QStringLiteral("cmdMoji%1").arg(KanaKeyCode(ch)));
}

// Fills the order-line dialog and confirms it.
std::unique_ptr<ModalHandler> answerLineDialog(const QString &qty, const QString &option = QString())
{
    return std::make_unique<ModalHandler>([qty, option](QWidget *dlg) {
        auto *num = dlg->findChild<QComboBox *>(QStringLiteral("cboNum"));
        num->setEditText(qty);
        if (!option.isEmpty())
            dlg->findChild<QComboBox *>(QStringLiteral("cboSub"))->setEditText(option);
        dlg->findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
    });
}

class OrderWholeCall : public OrderWindow, public ::testing::WithParamInterface<const char *>
{
};

} // namespace

TEST_P(OrderWholeCall, NewCaller_ThenRepeatOrderWithPoints)
{
    const QString mode = QString::fromLatin1(GetParam());
    SavePref("SET", "SHINKO", mode);
    SavePref("STAFF", "NAME", QStringLiteral("佐藤"));
    data->settings.Shop.PointStep = "10";
    data->settings.Shop.PointStepYen = "10";
    open();

    // 1. The number, the new customer's name typed over the pre-filled "ｳｴ".
    callFrom("0398765432");
    ASSERT_EQ(prompt.count(), 0);
    EXPECT_TRUE(w->IsNewCustomer());
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("新規客です"));
    EXPECT_EQ(label("lblMsg")->palette().color(QPalette::Window), QColor(255, 192, 192));
    EXPECT_TRUE(button("cmdNew")->isEnabled());
    EXPECT_FALSE(button("cmdChange")->isEnabled());
    EXPECT_FALSE(get<QGroupBox>("fraMenu")->isEnabled());
    QLineEdit *name = edit("txtNameKana");
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(name->selectedText(), QStringLiteral("ｳｴ"));
    keys(name, QStringLiteral("ﾀﾅｶ"));
    EXPECT_EQ(name->text(), QStringLiteral("ﾀﾅｶ"));
    type(edit("txtZip"), "160-0023");
    type(edit("txtShiku"), QStringLiteral("新宿区"));
    type(edit("txtBanchi"), "1-2-3");
    combo("cboDouki")->setCurrentIndex(1);
    click(button("cmdNew"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("登録完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客登録が完了しました。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    ASSERT_TRUE(get<QGroupBox>("fraMenu")->isEnabled());
    prompt.clear();

    // 2. By reading: "ｶ" stops (two readings), "ﾂ" completes to ｶﾂﾄﾞﾝ; the dialog takes two.
    ASSERT_EQ(w->SearchMode(), 0);
    EXPECT_TRUE(kanaKey(w.get(), QChar(0xFF76))->isEnabled());  // ｶ
    EXPECT_FALSE(kanaKey(w.get(), QChar(0xFF8F))->isEnabled()); // ﾏ: no reading starts with it
    click(kanaKey(w.get(), QChar(0xFF76)));
    EXPECT_EQ(edit("txtMojiSearch")->text(), QStringLiteral("ｶ"));
    EXPECT_EQ(list("lsvPick")->topLevelItemCount(), 2);
    click(kanaKey(w.get(), QChar(0xFF82))); // ﾂ
    EXPECT_EQ(edit("txtMojiSearch")->text(), QStringLiteral("ｶﾂﾄﾞﾝ"));
    ASSERT_EQ(list("lsvPick")->topLevelItemCount(), 1);
    {
        auto answer = answerLineDialog("2");
        pick(QStringLiteral("カツ丼"));
        EXPECT_TRUE(answer->done());
    }
    // 3. By group, quick add; 4. by board, quick add.
    quickAddFromGroup(QStringLiteral("麺"), {QStringLiteral("サラダ")});
    chooseSearchMode(2);
    auto *board = get<QPushButton>("cmdMenu2");
    ASSERT_TRUE(board->isVisible());
    EXPECT_FALSE(button("cmdAdd")->isEnabled());
    click(board);
    // 5. Delivery fee, service discount, time, place.
    type(edit("txtHai"), "300");
    click(button("cmdHai"));
    click(get<QCheckBox>("chkCoo"));
    typeCombo(combo("cboCoo"), "-100");
    leaveField();
    click(get<QCheckBox>("chkTime"));
    combo("cboFun")->setCurrentIndex(0);
    emit combo("cboFun")->activated(0);
    typeCombo(combo("cboSitei"), QStringLiteral("駅前公園"));
    EXPECT_EQ(lineTexts(), (QStringList{QStringLiteral("カツ丼|2|¥800"), QStringLiteral("サラダ|1|¥150"),
                                        QStringLiteral("ざるそば|1|¥600"), QStringLiteral("配達料|1|¥300")}));
    EXPECT_EQ(label("lblpreTotal")->text(), QStringLiteral("¥2,650"));
    EXPECT_EQ(label("lblTax")->text(), QStringLiteral("¥212"));
    EXPECT_EQ(label("lblTotal")->text(), QStringLiteral("¥2,862"));
    EXPECT_FALSE(button("cmdPoi")->isEnabled()); // a new customer has no points
    ASSERT_EQ(prompt.count(), 0);

    get<QAction>("tlbGoConfirm")->trigger();
    ASSERT_EQ(prompt.count(), 0) << prompt.last().text.toStdString();
    EXPECT_FALSE(w->isVisible()); // the window closes once the order is stored
    EXPECT_TRUE(data->settings.DeliverToList.contains(QStringLiteral("駅前公園")));

    // A second call from the same number an hour later, with the points of the first order.
    Clock::Pin(kNow.addSecs(3600));
    open();
    type(edit("txtTel"), "0398765432");
    QTest::keyClick(edit("txtTel"), Qt::Key_Return); // Enter runs the check

    ASSERT_EQ(label("lblMsg")->text(), QStringLiteral("顧客です"));
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ﾀﾅｶ"));
    EXPECT_EQ(edit("txtZip")->text(), "1600023");
    EXPECT_EQ(combo("cboDouki")->currentIndex(), 1);
    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼")});
    ASSERT_TRUE(button("cmdPoi")->isEnabled());
    click(button("cmdPoi"));
    EXPECT_EQ(label("lblPoi0")->text(), QStringLiteral("-20円"));
    EXPECT_EQ(label("lblPoi1")->text(), QStringLiteral("-20P"));
    get<QAction>("tlbGoConfirm")->trigger();
    ASSERT_EQ(prompt.count(), 0);
    EXPECT_FALSE(w->isVisible());

    // What the files hold, read by a fresh store.
    RecordStore stored(folder.path());
    ASSERT_TRUE(stored.OpenRecordFiles());
    ASSERT_TRUE(stored.BuildIndexes());
    ASSERT_EQ(stored.CustomerCount(), 1);
    ASSERT_EQ(stored.SalesCount(), 2);
    const CustomerRecord c = stored.ReadCustomer(1).value();
    EXPECT_EQ(c.Tel, "0398765432");
    EXPECT_EQ(c.NameKana, QStringLiteral("ﾀﾅｶ"));
    EXPECT_EQ(c.Zip, "1600023");
    EXPECT_EQ(c.Motive, 1);
    // Order 1 earns floor((2650 - 100) / 100) = 25; order 2 spends 20 and earns floor(780 / 100) = 7.
    EXPECT_EQ(c.Points, 25 - 20 + 7);
    // Until an order is completed the visit count stays 0 and each order counts as the first.
    EXPECT_DOUBLE_EQ(c.FirstUseDate, ToOleDate(mode == "2" ? kNow : kNow.addSecs(3600)));
    EXPECT_DOUBLE_EQ(c.LastUseDate, ToOleDate(kNow.addSecs(3600)));
    EXPECT_EQ(c.UseCount, mode == "2" ? 2 : 0);

    SalesRecord s = stored.ReadSale(1).value();
    EXPECT_EQ(s.OrderDate, "20260510");
    EXPECT_EQ(s.OrderNo, 1);
    EXPECT_EQ(s.CustomerId, c.CustomerId);
    EXPECT_DOUBLE_EQ(s.OrderTime, ToOleDate(kNow));
    EXPECT_EQ(s.OrderStaff, QStringLiteral("佐藤"));
    EXPECT_EQ(s.DeliverTo, QStringLiteral("駅前公園"));
    EXPECT_EQ(s.ServiceDiscount, -100);
    EXPECT_EQ(s.PointDiscount, 0);
    EXPECT_DOUBLE_EQ(s.DesignatedTime, ToOleDate(kNow.addSecs(30 * 60)));
    const QString names[] = {"カツ丼", "サラダ", "ざるそば", "配達料"};
    const qint16 qty[] = {2, 1, 1, 1};
    const qint64 price[] = {800, 150, 600, 300};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.ItemName[i + 1], names[i]);
        EXPECT_EQ(s.ItemQty[i + 1], qty[i]);
        EXPECT_EQ(s.ItemPrice[i + 1], YenToCurrency(price[i]));
        EXPECT_EQ(s.ItemOption[i + 1], QStringLiteral("（なし）"));
    }
    EXPECT_EQ(s.ItemName[5], "");
    EXPECT_EQ(s.ItemQty[5], 0);
    if (mode == "2") {
        EXPECT_EQ(s.Status, 0);
        EXPECT_DOUBLE_EQ(s.DepartTime, ToOleDate(kNow));
        EXPECT_DOUBLE_EQ(s.DoneTime, ToOleDate(kNow));
        EXPECT_DOUBLE_EQ(s.CollectTime, ToOleDate(kNow));
        EXPECT_EQ(s.DeliveryStaff, QStringLiteral("佐藤"));
        EXPECT_EQ(s.CollectStaff, QStringLiteral("佐藤"));
    } else {
        EXPECT_EQ(s.Status, 1);
        EXPECT_DOUBLE_EQ(s.DepartTime, 1.0);
        EXPECT_DOUBLE_EQ(s.DoneTime, 1.0);
        EXPECT_DOUBLE_EQ(s.CollectTime, 1.0);
        EXPECT_EQ(s.DeliveryStaff, "");
    }
    s = stored.ReadSale(2).value();
    EXPECT_EQ(s.OrderNo, 2);
    EXPECT_EQ(s.PointDiscount, -20);
    EXPECT_EQ(s.ServiceDiscount, 0);
    EXPECT_DOUBLE_EQ(s.DesignatedTime, 1.0);
    EXPECT_EQ(s.DeliverTo, QStringLiteral("（なし）"));
    EXPECT_EQ(s.LineCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(ProgressModes, OrderWholeCall, ::testing::Values("0", "1", "2"));

TEST_F(OrderWindow, LineDialogRefusesBadQuantitiesAndMergesSameLines)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    chooseSearchMode(1);
    pickGroup(QStringLiteral("丼"));
    QStringList seen;
    ModalHandler refusals([&](QWidget *dlg) {
        auto *num = dlg->findChild<QComboBox *>(QStringLiteral("cboNum"));
        auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("cmdOk"));
        for (const char *bad : {"0", "100", "1.5", "abc"}) {
            num->setEditText(QString::fromLatin1(bad));
            ok->click();
            seen << prompt.last().title + "|" + prompt.last().text + "|" + (dlg->isVisible() ? "open" : "closed");
        }
        num->setEditText("99");
        ok->click();
    });
    pick(QStringLiteral("カツ丼"));
    EXPECT_TRUE(refusals.done());
    EXPECT_EQ(seen, (QStringList{QStringLiteral("不正な入力|1～99の範囲で入力して下さい。|open"),
                                 QStringLiteral("不正な入力|1～99の範囲で入力して下さい。|open"),
                                 QStringLiteral("不正な入力|1～99の範囲で入力して下さい。|open"),
                                 QStringLiteral("不正な入力|数字以外は入力できません。|open")}));
    {
        auto again = answerLineDialog("99");
        click(button("cmdAdd"));
    }
    {
        auto large = answerLineDialog("1", QStringLiteral("大盛"));
        click(button("cmdAdd"));
    }
    EXPECT_EQ(lineTexts(), (QStringList{QStringLiteral("カツ丼|198|¥800"), QStringLiteral("カツ丼（大盛）|1|¥800")}));

    // "変更(&C)" changes the selected line in place.
    QTreeWidget *lines = list("lsvMenu");
    lines->setCurrentItem(lines->topLevelItem(0));
    {
        auto change = answerLineDialog("3");
        click(button("cmdNumChange"));
    }
    EXPECT_EQ(lineTexts().first(), QStringLiteral("カツ丼|3|¥800"));
    EXPECT_EQ(label("lblpreTotal")->text(), QStringLiteral("¥3,200"));
}

TEST_F(OrderWindow, TwentyLinesRefuseTheBoardButLinesCanStillChange)
{
    orderWithTwentyLines();
    ASSERT_EQ(lineCount(), 20);
    chooseSearchMode(2);
    click(get<QPushButton>("cmdMenu1"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kLimitTitle);
    EXPECT_EQ(prompt.last().text, kLimitText);
    EXPECT_EQ(lineCount(), 20);
    // The board with quick add off would open the dialog; at the limit it must not either.
    SavePref("SET", "MENU", "0");
    prompt.clear();
    click(get<QPushButton>("cmdMenu1"));
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_EQ(lineCount(), 20);

    QTreeWidget *lines = list("lsvMenu");
    lines->setCurrentItem(lines->topLevelItem(19));
    {
        auto change = answerLineDialog("5");
        click(button("cmdNumChange"));
        EXPECT_TRUE(change->done());
    }
    EXPECT_EQ(lines->topLevelItem(19)->text(1), "5");
}

TEST_F(OrderWindow, BoardWithDialogTakesTheCellsItem)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    chooseSearchMode(2);
    EXPECT_EQ(GetPref("SET", "SEARCH"), "2");
    EXPECT_FALSE(get<QPushButton>("cmdMenu3")->isVisible()); // an empty slot shows no button
    {
        auto answer = answerLineDialog("2");
        click(get<QPushButton>("cmdMenu2"));
        EXPECT_TRUE(answer->done());
    }
    EXPECT_EQ(w->BoardCellNo(), 2);
    EXPECT_EQ(lineTexts(), (QStringList{QStringLiteral("ざるそば|2|¥600")}));
}

TEST_F(OrderWindow, TakeOutUsesOneSharedCustomer)
{
    open();
    click(button("cmdOut"));
    EXPECT_EQ(edit("txtTel")->text(), "000");
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ｵﾓﾁｶｴﾘ"));
    EXPECT_EQ(edit("txtZip")->text(), "0000000");
    EXPECT_EQ(edit("txtShiku")->text(), QStringLiteral("店頭お持帰り"));
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("お持帰り"));
    EXPECT_EQ(label("lblMsg")->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_FALSE(button("cmdNew")->isEnabled());
    EXPECT_FALSE(button("cmdChange")->isEnabled());
    EXPECT_TRUE(get<QGroupBox>("fraCust")->isEnabled());
    EXPECT_TRUE(get<QGroupBox>("fraMenu")->isEnabled());
    ASSERT_EQ(data->records.CustomerCount(), 1);
    EXPECT_EQ(w->Customer().Record.DmFlag, 1);
    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼")});
    get<QAction>("tlbGoConfirm")->trigger();
    EXPECT_FALSE(w->isVisible());

    // The shop gave its counter customer a name and a building of its own: shown as stored.
    CustomerRecord counter = data->records.ReadCustomer(1).value();
    counter.NameKana = QStringLiteral("ﾃﾝﾄｳ");
    counter.Building = QStringLiteral("本店");
    ASSERT_TRUE(data->records.UpdateCustomer(1, counter));
    open();
    click(button("cmdOut"));
    EXPECT_EQ(data->records.CustomerCount(), 1);
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("お持帰り"));
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ﾃﾝﾄｳ"));
    EXPECT_EQ(edit("txtBuilding")->text(), QStringLiteral("本店"));
    EXPECT_EQ(edit("txtShiku")->text(), QStringLiteral("店頭お持帰り"));
}

TEST_F(OrderWindow, PhoneBookNumberFillsTheFieldsButStaysNew)
{
    PhoneBookRecord entry;
    entry.Tel = "0455556666";
    entry.Name = QStringLiteral("ｺﾊﾞﾔｼ");
    entry.Zip = "2200011";
    entry.Address = QStringLiteral("横浜市西区");
    ASSERT_TRUE(data->records.AppendPhoneBookEntries({entry}));
    open();
    callFrom("0455556666");
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("新規客です"));
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ｺﾊﾞﾔｼ"));
    EXPECT_EQ(edit("txtZip")->text(), "2200011");
    EXPECT_EQ(edit("txtShiku")->text(), QStringLiteral("横浜市西区"));
    EXPECT_TRUE(button("cmdNew")->hasFocus());
    EXPECT_FALSE(get<QGroupBox>("fraMenu")->isEnabled());

    // Registering twice: the second is a duplicate.
    click(button("cmdNew"));
    prompt.clear();
    click(button("cmdNew"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("電話番号の重複エラー"));
    EXPECT_EQ(data->records.CustomerCount(), 1);
}

TEST_F(OrderWindow, PendingLinesYesConfirmsThem)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼")});
    prompt.answerNext(PromptAnswer::Yes);
    callFrom("0399990000");
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kPendingTitle);
    EXPECT_EQ(data->records.SalesCount(), 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(OrderWindow, DiscountsAreCheckedAtConfirmation)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    quickAddFromGroup(QStringLiteral("麺"), {QStringLiteral("サラダ"), QStringLiteral("サラダ")});
    click(get<QCheckBox>("chkCoo"));
    get<QAction>("tlbGoConfirm")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引額が未入力"));
    prompt.clear();
    combo("cboCoo")->setEditText("-310");
    get<QAction>("tlbGoConfirm")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("割引額が不適切です"));
    // A value typed without leaving the field is still refused at confirmation.
    prompt.clear();
    combo("cboCoo")->setEditText("abc");
    get<QAction>("tlbGoConfirm")->trigger();
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, kNotNumeric);
    EXPECT_EQ(data->records.SalesCount(), 0);
    prompt.clear();
    combo("cboCoo")->setEditText("-300");
    get<QAction>("tlbGoConfirm")->trigger();
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(data->records.SalesCount(), 1);
}

TEST_F(OrderWindow, F10FindsACustomerByNameAndF12OpensTheCalculator)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    addCustomer("0333334444", QStringLiteral("ｽｽﾞｷ"));
    open();
    ModalHandler search([](QWidget *dlg) {
        EXPECT_EQ(dlg->objectName(), "frmOrderSub");
        kanaKey(dlg, QChar(0xFF7D))->click(); // ｽ
        auto *found = dlg->findChild<QTreeWidget *>(QStringLiteral("lsvCust"));
        ASSERT_EQ(found->topLevelItemCount(), 1);
        found->setCurrentItem(found->topLevelItem(0));
        dlg->findChild<QPushButton *>(QStringLiteral("cmdGo"))->click();
    });
    edit("txtTel")->setFocus();
    QTest::keyClick(edit("txtTel"), Qt::Key_F10);
    EXPECT_TRUE(search.done());
    EXPECT_EQ(edit("txtTel")->text(), "0333334444");
    EXPECT_EQ(label("lblMsg")->text(), QStringLiteral("顧客です"));
    EXPECT_EQ(edit("txtNameKana")->text(), QStringLiteral("ｽｽﾞｷ"));

    quickAddFromGroup(QStringLiteral("丼"), {QStringLiteral("カツ丼")});
    QString shown;
    ModalHandler calculator([&](QWidget *dlg) {
        EXPECT_EQ(dlg->objectName(), "frmRegi");
        shown = dlg->findChild<QLabel *>(QStringLiteral("lblDai"))->text();
        dlg->close();
    });
    activate();
    list("lsvMenu")->setFocus();
    QTest::keyClick(list("lsvMenu"), Qt::Key_F12);
    EXPECT_TRUE(calculator.done());
    EXPECT_EQ(shown, "864");
}

namespace
{

// Every visible control lies inside the window and gets at least the room its text needs.
void expectControlsFit(QWidget *window, const char *state)
{
    const QRect inside = window->rect();
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *c : all) {
        if (!c->isVisibleTo(window) || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
            continue;
        const bool control = qobject_cast<QAbstractButton *>(c) || qobject_cast<QLineEdit *>(c) ||
                             qobject_cast<QComboBox *>(c) || qobject_cast<QLabel *>(c) ||
                             qobject_cast<QTreeWidget *>(c) || qobject_cast<QDateTimeEdit *>(c);
        if (!control)
            continue;
        const QRect r(c->mapTo(window, QPoint(0, 0)), c->size());
        EXPECT_TRUE(inside.contains(r)) << state << ": " << c->objectName().toStdString() << " outside";
        if (auto *b = qobject_cast<QAbstractButton *>(c)) {
            QString text = b->text();
            text.remove(QLatin1Char('&'));
            const int needed = b->fontMetrics().horizontalAdvance(text) + (qobject_cast<QCheckBox *>(b) ? 16 : 6);
            EXPECT_GE(b->width(), needed) << state << ": " << c->objectName().toStdString() << " squeezed";
        } else if (auto *l = qobject_cast<QLabel *>(c); l && !l->wordWrap() && !l->text().isEmpty()) {
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()))
                << state << ": " << c->objectName().toStdString() << " squeezed";
        }
    }
}

} // namespace

TEST_F(OrderWindow, LayoutFitsTheMainWindowAt1280x800)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    SavePref("SET", "MENU", "1");
    RegisterProgramWindows();
    frmMain frame(*data);
    frame.resize(1280, 800);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.RunCommand(Command::Uketsuke);
    QMdiSubWindow *sub = frame.mdiArea()->activeSubWindow();
    ASSERT_NE(sub, nullptr);
    auto *order = qobject_cast<frmOrder *>(sub->widget());
    ASSERT_NE(order, nullptr);
    sub->showMaximized();
    QApplication::processEvents();
    // Nothing is cut off: the window's smallest useful size fits the frame's working area.
    const QSize room = frame.mdiArea()->viewport()->size();
    EXPECT_LE(order->minimumSizeHint().width(), room.width());
    EXPECT_LE(order->minimumSizeHint().height(), room.height());

    const QString shots = qEnvironmentVariable("SORANOWA_SHOTS");
    const auto shoot = [&](const char *state) {
        QApplication::processEvents();
        expectControlsFit(order, state);
        if (!shots.isEmpty())
            frame.grab().save(shots + "/frmOrder_" + state + ".png");
    };
    shoot("opened");
    order->txtTel->setText("0398765432");
    order->cmdCheck_Click();
    shoot("new");
    order->txtTel->setText("0311112222");
    order->cmdCheck_Click();
    shoot("known_kana");
    order->cbo5g->setCurrentIndex(1);
    emit order->cbo5g->activated(1);
    emit order->lsvGroup->itemClicked(order->lsvGroup->topLevelItem(0), 0);
    shoot("known_group");
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    order->picFrame->cmdMenu[1]->click();
    order->picFrame->cmdMenu[2]->click();
    shoot("known_board");
    order->cmdReset->click();
    order->cmdOut->click();
    shoot("takeout");
    UnregisterCommand(Command::Uketsuke);
}

TEST_F(OrderWindow, SwitchingBackToTheWindowChecksATypedNumber)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    RegisterProgramWindows();
    RegisterCommand(Command::CustView, {[](AppData &, frmMain &) -> QWidget * {
                                            auto *other = new QWidget;
                                            other->setWindowTitle(QStringLiteral("別の子"));
                                            return other;
                                        },
                                        nullptr});
    frmMain frame(*data);
    frame.resize(1280, 800);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.RunCommand(Command::Uketsuke);
    QMdiSubWindow *orderSub = frame.mdiArea()->activeSubWindow();
    auto *order = qobject_cast<frmOrder *>(orderSub->widget());
    ASSERT_NE(order, nullptr);
    // Only the area code: nothing to check yet.
    EXPECT_EQ(order->lblMsg->text(), "");
    order->txtTel->setText("0311112222");
    frame.RunCommand(Command::CustView);
    ASSERT_NE(frame.mdiArea()->activeSubWindow(), orderSub);
    EXPECT_EQ(order->lblMsg->text(), "");
    frame.mdiArea()->setActiveSubWindow(orderSub);
    WAIT_UNTIL_EQ(order->lblMsg->text(), QStringLiteral("顧客です"));
    EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ｻﾄｳ"));
    // A number too short to be one is left alone.
    order->txtTel->setText("0399");
    order->lblMsg->clear();
    frame.RunCommand(Command::CustView);
    frame.mdiArea()->setActiveSubWindow(orderSub);
    QTest::qWait(20);
    EXPECT_EQ(order->lblMsg->text(), "");
    UnregisterCommand(Command::CustView);
    UnregisterCommand(Command::Uketsuke);
}

TEST_F(OrderWindow, ConfirmedOrderIsShownSelectedOnTheBoard)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    SavePref("SET", "MENU", "1");
    RegisterProgramWindows();
    frmMain frame(*data);
    frame.resize(1280, 800);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.RunCommand(Command::Uketsuke);
    QPointer<QMdiSubWindow> orderSub = frame.mdiArea()->activeSubWindow();
    auto *order = qobject_cast<frmOrder *>(orderSub->widget());
    ASSERT_NE(order, nullptr);
    order->txtTel->setText("0311112222");
    order->cmdCheck_Click();
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    order->picFrame->cmdMenu[1]->click();
    order->tlbGoConfirm->trigger();
    ASSERT_EQ(prompt.count(), 0);
    WAIT_UNTIL(orderSub.isNull() || !frame.mdiArea()->subWindowList().contains(orderSub));
    QMdiSubWindow *active = frame.mdiArea()->activeSubWindow();
    ASSERT_NE(active, nullptr);
    auto *board = qobject_cast<frmJokyo *>(active->widget());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->SelectedOrderKey(), "202605101");
    EXPECT_EQ(board->SelectedCustomerName(), QStringLiteral("ｻﾄｳ"));
    UnregisterCommand(Command::Uketsuke);
    UnregisterCommand(Command::Jokyo);
}

TEST_F(OrderWindow, OnlyASwitchFromAnotherChildChecksTheNumberAgain)
{
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    SavePref("SET", "MENU", "1");
    RegisterProgramWindows();
    struct Unregister {
        ~Unregister()
        {
            for (Command c : {Command::Jokyo, Command::Uketsuke, Command::SetShop})
                UnregisterCommand(c);
        }
    } unregister;
    frmMain frame(*data);
    frame.resize(1280, 800);
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QMdiSubWindow *boardSub = frame.mdiArea()->activeSubWindow();
    ASSERT_NE(boardSub, nullptr);
    frame.RunCommand(Command::Uketsuke);
    QMdiSubWindow *orderSub = frame.mdiArea()->activeSubWindow();
    auto *order = qobject_cast<frmOrder *>(orderSub->widget());
    ASSERT_NE(order, nullptr);

    // A new caller typed in as the clerk does.
    order->txtTel->setText("0398765432");
    order->cmdCheck_Click();
    ASSERT_EQ(order->txtNameKana->text(), QStringLiteral("ｳｴ"));
    order->txtNameKana->setText(QStringLiteral("ﾀﾅｶ"));
    order->txtShiku->setText(QStringLiteral("港区芝"));
    const auto typedStays = [&](const char *after) {
        QTest::qWait(20);
        EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ﾀﾅｶ")) << after;
        EXPECT_EQ(order->txtShiku->text(), QStringLiteral("港区芝")) << after;
        EXPECT_EQ(prompt.count(), 0) << after;
    };

    // The program gets the focus back from another one: the area activates the same child
    // again and the frame is activated.
    emit frame.mdiArea()->subWindowActivated(nullptr);
    emit frame.mdiArea()->subWindowActivated(orderSub);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&frame, &activate);
    typedStays("the focus came back");

    // The order window's own dialog, and one of the frame, closing.
    ModalHandler search([](QWidget *dlg) { dlg->close(); });
    order->txtTel->setFocus();
    QTest::keyClick(order->txtTel, Qt::Key_F10);
    EXPECT_TRUE(search.done());
    typedStays("the customer search closed");
    ModalHandler shop([](QWidget *dlg) { dlg->close(); });
    frame.RunCommand(Command::SetShop);
    EXPECT_TRUE(shop.done());
    typedStays("the shop settings closed");
    // A closed dialog does not give the activation back on the offscreen platform; on a desktop
    // the frame has it back before the clerk can pick another child.
    QApplication::setActiveWindow(&frame);
    typedStays("the frame was activated again");

    // To the board and back: the number is checked again.
    frame.mdiArea()->setActiveSubWindow(boardSub);
    QTest::qWait(20);
    EXPECT_EQ(order->txtNameKana->text(), QStringLiteral("ﾀﾅｶ"));
    frame.mdiArea()->setActiveSubWindow(orderSub);
    EXPECT_TRUE(QTest::qWaitFor([&] { return order->txtNameKana->text() == QStringLiteral("ｳｴ"); }, 2000));
    EXPECT_EQ(order->txtShiku->text(), QString());

    // A known caller with a line: the focus coming back leaves the line alone; a switch from
    // the board asks about it.
    order->txtTel->setText("0311112222");
    order->cmdCheck_Click();
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    order->picFrame->cmdMenu[1]->click();
    ASSERT_EQ(order->lsvMenu->topLevelItemCount(), 1);
    emit frame.mdiArea()->subWindowActivated(nullptr);
    emit frame.mdiArea()->subWindowActivated(orderSub);
    QApplication::sendEvent(&frame, &activate);
    QTest::qWait(20);
    EXPECT_EQ(prompt.count(), 0);
    frame.mdiArea()->setActiveSubWindow(boardSub);
    prompt.answerNext(PromptAnswer::Cancel);
    frame.mdiArea()->setActiveSubWindow(orderSub);
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.count() == 1; }, 2000));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, kPendingTitle);
    EXPECT_EQ(order->lsvMenu->topLevelItemCount(), 1);
}
