// The order window driven offscreen by objectName through whole telephone orders; boxes
// answered by the test prompt, stored records read back through a fresh store on the folder.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/modal.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/frmOrder.h"
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
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

const QString kNotNumeric = QStringLiteral("数字以外は入力できません。");
const QString kNotNumericTitle = QStringLiteral("数字以外が入力されました");
const QString kLimitTitle = QStringLiteral("注文商品の上限に達しています");
const QString kLimitText = QStringLiteral("20品目以上は登録できません。");
const QString kPendingTitle = QStringLiteral("注文未確定商品の確認");
const QString kPendingText = QStringLiteral("注文が確定していない入力が存在します。注文登録しますか？");

class OrderWindow : public ::testing::Test {
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
    void type(QLineEdit *e, const QString &text)
    {
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
    int addCustomer(const QString &tel, const QString &name, qint32 points = 0, double lastUse = 0,
                    qint16 useCount = 0)
    {
        RecordStore &r = data->records;
        CustomerRecord c;
        c.CustomerId = r.MaxCustomerId() + 1;
        c.Tel = tel;
        c.NameKana = name;
        c.Zip = QStringLiteral("1600023");
        c.City = QStringLiteral("新宿区");
        c.Banchi = QStringLiteral("西新宿2-8-1");
        c.Building = QStringLiteral("空野ビル");
        c.Remarks = QStringLiteral("裏口");
        c.Points = points;
        c.LastUseDate = lastUse;
        c.FirstUseDate = lastUse;
        c.UseCount = useCount;
        c.Motive = 3;
        r.CurrentCustomer = c;
        EXPECT_TRUE(r.AddCustomer());
        return r.CurrentCustomerPos;
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
        {"ﾅﾏｴ：", "txtNameKana"},   {"郵便番号：", "txtZip"},   {"市区町村：", "txtShiku"},
        {"番地：", "txtBanchi"},     {"ﾏﾝｼｮﾝ名：", "txtBuilding"}, {"利用動機：", "cboDouki"},
        {"備考：", "txtEtc"},        {"数量：", "lblNum"},       {"小計：", "lblpreTotal"},
        {"税：", "lblTax"},          {"合計：", "lblTotal"},     {"ﾎﾟｲﾝﾄ使用：", "cmdPoi"},
        {"ｻｰﾋﾞｽ割引：", "chkCoo"},   {"配達料：", "txtHai"},     {"時間指定：", "chkTime"},
        {"受付ｽﾀｯﾌ：", "cboStaff"},  {"配達先指定：", "cboSitei"}, {"メニューグループ：", "lsvGroup"},
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
    EXPECT_EQ(data->records.CurrentCustomer.Points, 0);
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
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    open();
    callFrom("0311112222");
    QStringList twenty;
    for (int i = 1; i <= 20; ++i)
        twenty << QStringLiteral("小鉢%1").arg(i, 2, 10, QLatin1Char('0'));
    quickAddFromGroup(QStringLiteral("一品"), twenty);
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
