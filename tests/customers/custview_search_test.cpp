// The customer search window: the name search with its kana keypad, the phone search from the
// shop's area code, the id search, and the list's sort order.
#include "custviewtest.h"

TEST_F(CustViewTest, KeypadOffersOnlyTheLettersThatLeadToACustomer)
{
    addCustomer(1, "0312345671", QStringLiteral("ｱｵｷ"));
    addCustomer(2, "0312345672", QStringLiteral("ｲﾄｳ"));
    addCustomer(3, "0312345673", QStringLiteral("ｱﾍﾞ"));
    addCustomer(4, "0312345674", QStringLiteral("ｶﾄｳ"));
    addCustomer(5, "0312345675", QStringLiteral("ｱｲ"));
    addCustomer(6, "0312345676", QStringLiteral("ABC")); // no key for a letter
    addCustomer(7, "0312345677", QStringLiteral("ｱ"));   // nothing follows
    open();

    // 58 keys, each showing its full-width kana; the long vowel shows "-".
    int keys = 0;
    for (int code = KanaKeypad::kFirstCode; code <= KanaKeypad::kLastCode; ++code)
        keys += window->cmd50->key(code) ? 1 : 0;
    EXPECT_EQ(keys, 58);
    EXPECT_EQ(window->cmd50->key(KeypadCode(u'ｱ'))->text(), QStringLiteral("ア"));
    EXPECT_EQ(window->cmd50->key(KeypadCode(u'ｦ'))->text(), QStringLiteral("ヲ"));
    EXPECT_EQ(window->cmd50->key(KeypadCode(u'ｯ'))->text(), QStringLiteral("ッ"));
    EXPECT_EQ(window->cmd50->key(KeypadCode(u'ｰ'))->text(), QStringLiteral("-"));
    EXPECT_EQ(window->cmd50->key(KeypadCode(u'ﾟ'))->text(), QStringLiteral("゜"));

    // An empty name lists nobody and offers the first letters.
    EXPECT_EQ(window->txtMojiSearch->text(), "");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(enabledKeys(), codes(QStringLiteral("ｱｲｶ")));
    EXPECT_FALSE(window->cmdMojiClear->isEnabled());
    EXPECT_TRUE(commandsDisabled());

    // A tap lists the names that begin with it and offers exactly the second letters.
    tap(u'ｱ');
    EXPECT_EQ(window->txtMojiSearch->text(), QStringLiteral("ｱ"));
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("00001 0312345671 ｱｵｷ"), QStringLiteral("00003 0312345673 ｱﾍﾞ"),
                                   QStringLiteral("00005 0312345675 ｱｲ"), QStringLiteral("00007 0312345677 ｱ")}));
    EXPECT_EQ(enabledKeys(), codes(QStringLiteral("ｵﾍｲ")));
    EXPECT_TRUE(window->cmdMojiClear->isEnabled());
    window->openDetail = [](int) {};
    tap(u'ﾍ');
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00003 0312345673 ｱﾍﾞ")});
    EXPECT_EQ(enabledKeys(), codes(QStringLiteral("ﾞ")));
    EXPECT_TRUE(commandsEnabled());

    // A typed prefix that no name begins with: nothing listed, no key to press, only the
    // one-letter clear leads back.
    window->txtMojiSearch->setText(QStringLiteral("ｱﾝ"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(enabledKeys().empty());
    EXPECT_TRUE(commandsDisabled());
    QTest::mouseClick(window->cmdMojiClear, Qt::LeftButton);
    EXPECT_EQ(window->txtMojiSearch->text(), QStringLiteral("ｱ"));
    EXPECT_EQ(rows().size(), 4);
    QTest::mouseClick(window->cmdMojiClear, Qt::LeftButton);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(enabledKeys(), codes(QStringLiteral("ｱｲｶ")));
    // Width counts: a full-width prefix finds none of the half-width names.
    window->txtMojiSearch->setText(QStringLiteral("ア"));
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(CustViewTest, PhoneSearchNarrowsFromTheAreaCode)
{
    addCustomer(1, "0312345678", QStringLiteral("ｱｵｷ"));
    addCustomer(2, "0398765432", QStringLiteral("ｲﾄｳ"));
    addCustomer(3, "0451112222", QStringLiteral("ｶﾄｳ"));
    addCustomer(4, "0312349999", QStringLiteral("ｻﾄｳ"));
    open();

    // The area code is ready to be continued, yet the list starts empty.
    EXPECT_EQ(window->txtTelSearch->text(), QStringLiteral("03"));
    EXPECT_EQ(window->txtTelSearch->selectedText(), QStringLiteral("03"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(window->cmdTelClear->isEnabled());

    window->txtTelSearch->setFocus();
    window->txtTelSearch->end(false);
    QTest::keyClicks(window->txtTelSearch, "1");
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("00001 0312345678 ｱｵｷ"), QStringLiteral("00004 0312349999 ｻﾄｳ")}));
    QTest::keyClicks(window->txtTelSearch, "23456");
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00001 0312345678 ｱｵｷ")});
    // Delete is offered; the detail command waits for a detail window to be connected.
    EXPECT_TRUE(window->mnuDel->isEnabled());
    EXPECT_FALSE(window->mnuDetail->isEnabled());

    QTest::mouseClick(window->cmdTelClear, Qt::LeftButton);
    EXPECT_EQ(window->txtTelSearch->text(), QStringLiteral("0312345"));
    EXPECT_EQ(rows().size(), 1);
    window->txtTelSearch->clear();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(window->cmdTelClear->isEnabled());
    EXPECT_TRUE(commandsDisabled());
    QTest::mouseClick(window->cmdTelClear, Qt::LeftButton); // nothing to clear
    EXPECT_EQ(window->txtTelSearch->text(), "");

    // Reset: the area code back, every field else empty, nothing listed.
    window->txtTelSearch->setText(QStringLiteral("04"));
    window->txtIDSearch->setText(QStringLiteral("3"));
    EXPECT_EQ(rows().size(), 1);
    window->tlbReset->trigger();
    EXPECT_EQ(window->txtTelSearch->text(), QStringLiteral("03"));
    EXPECT_EQ(window->txtIDSearch->text(), "");
    EXPECT_FALSE(window->cmdIDSearch->isEnabled());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(commandsDisabled());
    EXPECT_EQ(enabledKeys(), codes(QStringLiteral("ｱｲｶｻ")));
    EXPECT_EQ(prompt.count(), 0);
}

TEST_F(CustViewTest, IdSearchListsTheOneCustomerOrSaysThereIsNone)
{
    addCustomer(3, "0312345678", QStringLiteral("ｱｵｷ"));
    addCustomer(12, "0398765432", QStringLiteral("ｲﾄｳ"));
    open();
    std::vector<int> opened;
    window->openDetail = [&opened](int pos) { opened.push_back(pos); };

    EXPECT_FALSE(window->cmdIDSearch->isEnabled());
    window->txtIDSearch->setText(QStringLiteral("12"));
    EXPECT_TRUE(window->cmdIDSearch->isEnabled());
    QTest::mouseClick(window->cmdIDSearch, Qt::LeftButton);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00012 0398765432 ｲﾄｳ")});
    EXPECT_TRUE(commandsEnabled());
    // The detail command opens the customer found although no row was clicked.
    window->mnuDetail->trigger();
    EXPECT_EQ(opened, std::vector<int>{2});

    window->txtIDSearch->setText(QStringLiteral("7"));
    QTest::mouseClick(window->cmdIDSearch, Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    EXPECT_EQ(prompt.last().title, QStringLiteral("該当IDなし"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("顧客ID：00007での登録はございません。"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(commandsDisabled());

    // A fraction is rounded to the nearest number.
    window->txtIDSearch->setText(QStringLiteral("2.5"));
    QTest::mouseClick(window->cmdIDSearch, Qt::LeftButton);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00003 0312345678 ｱｵｷ")});

    // Text that is not a number is refused, and the focus stays to correct it.
    QApplication::setActiveWindow(window.get());
    window->txtIDSearch->setFocus();
    window->txtIDSearch->setText(QStringLiteral("1x"));
    QTest::keyClick(window->txtIDSearch, Qt::Key_Return);
    ASSERT_EQ(prompt.count(), 2);
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().title, QStringLiteral("数字以外が入力されました"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_TRUE(window->txtIDSearch->hasFocus());
    EXPECT_EQ(rows(), QStringList{QStringLiteral("00003 0312345678 ｱｵｷ")});
}

TEST_F(CustViewTest, HeaderClicksSortAndTheSelectionFollows)
{
    addCustomer(1, "0333333333", QStringLiteral("ｶﾝ"));
    addCustomer(2, "0311111111", QStringLiteral("ｶﾞｲ"));
    addCustomer(3, "0322222222", QStringLiteral("ｱﾗｲ"));
    addCustomer(10, "0344444444", QStringLiteral("ｻｲﾄｳ"));
    open();
    window->txtTelSearch->setText(QStringLiteral("0"));
    auto column = [this](int c) {
        QStringList out;
        for (int r = 0; r < window->lsvCust->model()->rowCount(); ++r)
            out << window->lsvCust->model()->index(r, c).data().toString();
        return out;
    };
    EXPECT_EQ(column(0), (QStringList{"00001", "00002", "00003", "00010"}));
    window->lsvCust->setCurrentIndex(window->lsvCust->model()->index(2, 0));

    // Names in 50-sound order: ｶﾞｲ is read as ガイ, before カン.
    clickHeader(2);
    EXPECT_EQ(column(2), (QStringList{"ｱﾗｲ", "ｶﾞｲ", "ｶﾝ", "ｻｲﾄｳ"}));
    EXPECT_EQ(window->SelectedHit()->CustomerId, 3);
    clickHeader(2);
    EXPECT_EQ(column(2), (QStringList{"ｻｲﾄｳ", "ｶﾝ", "ｶﾞｲ", "ｱﾗｲ"}));
    clickHeader(1);
    EXPECT_EQ(column(1), (QStringList{"0311111111", "0322222222", "0333333333", "0344444444"}));
    clickHeader(0);
    EXPECT_EQ(column(0), (QStringList{"00001", "00002", "00003", "00010"}));
    clickHeader(0);
    EXPECT_EQ(column(0), (QStringList{"00010", "00003", "00002", "00001"}));

    // A new search keeps the chosen order.
    window->txtTelSearch->setText(QStringLiteral("031"));
    window->txtTelSearch->setText(QStringLiteral("03"));
    EXPECT_EQ(column(0), (QStringList{"00010", "00003", "00002", "00001"}));
}
