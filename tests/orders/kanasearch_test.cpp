// Search by reading with the kana keyboard, and the keyboard itself.
#include <gtest/gtest.h>

#include "orders/kanasearch.h"
#include "orders/ui/kanakeyboard.h"
#include "store/records.h"

#include <QPushButton>
#include <QSignalSpy>

namespace
{

std::vector<KanaReading> readings(std::initializer_list<const char *> texts)
{
    std::vector<KanaReading> out;
    int i = 1;
    for (const char *t : texts)
        out.push_back({QString::fromUtf8(t), i++});
    return out;
}

} // namespace

TEST(KanaSearch, KeyCodesAreTheShiftJisCodesOfHalfWidthKatakana)
{
    EXPECT_EQ(KanaKeyCharacter(166), QChar(u'ｦ'));
    EXPECT_EQ(KanaKeyCharacter(167), QChar(u'ｧ'));
    EXPECT_EQ(KanaKeyCharacter(176), QChar(u'ｰ'));
    EXPECT_EQ(KanaKeyCharacter(177), QChar(u'ｱ'));
    EXPECT_EQ(KanaKeyCharacter(221), QChar(u'ﾝ'));
    EXPECT_EQ(KanaKeyCharacter(222), QChar(u'ﾞ'));
    EXPECT_EQ(KanaKeyCharacter(223), QChar(u'ﾟ'));
    EXPECT_TRUE(KanaKeyCharacter(165).isNull());
    EXPECT_TRUE(KanaKeyCharacter(224).isNull());
    EXPECT_EQ(KanaKeyCode(QChar(u'ｶ')), 182);
    EXPECT_EQ(KanaKeyCode(QChar(u'ﾟ')), 223);
    EXPECT_EQ(KanaKeyCode(QChar(u'･')), -1);  // code 165 has no key
    EXPECT_EQ(KanaKeyCode(QChar(u'カ')), -1); // full-width
    EXPECT_EQ(KanaKeyCode(QChar(u'A')), -1);
}

TEST(KanaSearch, EmptyTextOffersTheFirstCharactersAndNoCandidates)
{
    const auto list = readings({"ｶﾚｰﾗｲｽ", "ｻﾗﾀﾞ", "ｶﾂﾄﾞﾝ", "", "ﾗｰﾒﾝ"});
    const KanaSearchResult r = KanaSearch("", 1, list);
    EXPECT_EQ(r.Text, "");
    EXPECT_TRUE(r.Matches.empty());
    EXPECT_EQ(r.NextCharacters, QStringLiteral("ｶｻﾗ"));
    EXPECT_FALSE(r.ClearEnabled);
    EXPECT_FALSE(r.Completed);
}

TEST(KanaSearch, TwoDifferentNextCharactersStopTheCompletion)
{
    const auto list = readings({"ｶﾚｰﾗｲｽ", "ｻﾗﾀﾞ", "ｶﾂﾄﾞﾝ"});
    const KanaSearchResult r = KanaSearch("ｶ", 0, list);
    EXPECT_EQ(r.Text, QStringLiteral("ｶ"));
    EXPECT_FALSE(r.Completed);
    EXPECT_EQ(r.Matches, (std::vector<int>{1, 3}));
    EXPECT_EQ(r.NextCharacters, QStringLiteral("ﾚﾂ"));
    EXPECT_TRUE(r.ClearEnabled);
}

TEST(KanaSearch, ASingleReadingIsCompletedToItsEnd)
{
    const auto list = readings({"ｶﾚｰﾗｲｽ", "ｻﾗﾀﾞ", "ｶﾂﾄﾞﾝ"});
    const KanaSearchResult r = KanaSearch("ｻ", 0, list);
    EXPECT_EQ(r.Text, QStringLiteral("ｻﾗﾀﾞ"));
    EXPECT_TRUE(r.Completed);
    EXPECT_EQ(r.Matches, (std::vector<int>{2}));
    EXPECT_EQ(r.NextCharacters, QString()); // the reading ends here: no key to press
    EXPECT_TRUE(r.ClearEnabled);

    // The same reading twice still has one next character at every step.
    const KanaSearchResult twice = KanaSearch("ｻ", 0, readings({"ｻﾗﾀﾞ", "ｻﾗﾀﾞ"}));
    EXPECT_EQ(twice.Text, QStringLiteral("ｻﾗﾀﾞ"));
    EXPECT_EQ(twice.Matches, (std::vector<int>{1, 2}));
}

TEST(KanaSearch, CompletionStopsWhereAReadingEnds)
{
    // Both continue with ﾂ, then ｶﾂ itself is a complete reading: the text stops there even
    // though the only next character is ﾄ.
    const auto list = readings({"ｶﾂ", "ｶﾂﾄﾞﾝ"});
    const KanaSearchResult r = KanaSearch("ｶ", 0, list);
    EXPECT_EQ(r.Text, QStringLiteral("ｶﾂ"));
    EXPECT_TRUE(r.Completed);
    EXPECT_EQ(r.Matches, (std::vector<int>{1, 2}));
    EXPECT_EQ(r.NextCharacters, QStringLiteral("ﾄ"));
    // Typing the reading exactly is not completed either.
    EXPECT_FALSE(KanaSearch("ｶﾂ", 1, list).Completed);
}

TEST(KanaSearch, AShorterTextIsNotCompletedAgain)
{
    const auto list = readings({"ｻﾗﾀﾞ"});
    // "<" after the completion: the text got shorter, so ﾞ is not put straight back.
    const KanaSearchResult back = KanaSearch("ｻﾗﾀ", 4, list);
    EXPECT_EQ(back.Text, QStringLiteral("ｻﾗﾀ"));
    EXPECT_FALSE(back.Completed);
    EXPECT_EQ(back.NextCharacters, QStringLiteral("ﾞ"));
    // A text of unchanged length is completed.
    EXPECT_EQ(KanaSearch("ｻﾗﾀ", 3, list).Text, QStringLiteral("ｻﾗﾀﾞ"));
}

TEST(KanaSearch, NoCandidateLeavesEveryKeyOff)
{
    const KanaSearchResult r = KanaSearch("ﾝ", 0, readings({"ｶﾚｰﾗｲｽ", "ｻﾗﾀﾞ"}));
    EXPECT_EQ(r.Text, QStringLiteral("ﾝ"));
    EXPECT_TRUE(r.Matches.empty());
    EXPECT_TRUE(r.NextCharacters.isEmpty());
    EXPECT_TRUE(r.ClearEnabled); // the text can still be deleted
    EXPECT_FALSE(r.Completed);
}

TEST(KanaSearch, WithoutCompletionTheTextStaysAsTyped)
{
    const auto list = readings({"ﾔﾏﾀﾞﾀﾛｳ", "ﾔﾏﾓﾄﾊﾅｺ", "ｽｽﾞｷ"});
    const KanaSearchResult r = KanaSearchNoCompletion("ﾔ", list);
    EXPECT_EQ(r.Text, QStringLiteral("ﾔ"));
    EXPECT_FALSE(r.Completed);
    EXPECT_EQ(r.Matches, (std::vector<int>{1, 2}));
    EXPECT_EQ(r.NextCharacters, QStringLiteral("ﾏ"));
    EXPECT_EQ(KanaSearchNoCompletion("ｽ", list).Text, QStringLiteral("ｽ"));
    EXPECT_EQ(KanaSearchNoCompletion("", list).NextCharacters, QStringLiteral("ﾔｽ"));
}

TEST(KanaSearch, MenuReadingsCarryTheirTablePositions)
{
    std::vector<MenuEntry> table(1);
    table.push_back({"丼", "カツ丼", YenToCurrency(800), "ｶﾂﾄﾞﾝ"});
    table.push_back({"丼", "天丼", YenToCurrency(900), "ﾃﾝﾄﾞﾝ"});
    table.push_back({"麺", "ざるそば", YenToCurrency(700), "ｻﾞﾙｿﾊﾞ"});
    const std::vector<KanaReading> list = MenuReadings(table);
    ASSERT_EQ(list.size(), 3u);
    const KanaSearchResult r = KanaSearch("ﾃ", 0, list);
    EXPECT_EQ(r.Text, QStringLiteral("ﾃﾝﾄﾞﾝ"));
    EXPECT_EQ(r.Matches, (std::vector<int>{2}));
    EXPECT_EQ(KanaSearch("", 0, list).NextCharacters, QStringLiteral("ｶﾃｻ"));
}

TEST(KanaKeyboard, OneKeyPerCodeThatTypesItsCharacter)
{
    KanaKeyboard keyboard;
    const auto buttons = keyboard.findChildren<QPushButton *>();
    EXPECT_EQ(buttons.size(), kLastKanaKey - kFirstKanaKey + 1);
    for (int code = kFirstKanaKey; code <= kLastKanaKey; ++code) {
        auto *b = keyboard.findChild<QPushButton *>(QStringLiteral("cmdMoji%1").arg(code));
        ASSERT_NE(b, nullptr) << code;
        EXPECT_EQ(b, keyboard.key(code));
        EXPECT_EQ(b->text(), QString(KanaKeyCharacter(code)));
        EXPECT_FALSE(b->isEnabled()); // nothing to press until a search ran
    }
    EXPECT_EQ(keyboard.key(165), nullptr);

    QSignalSpy pressed(&keyboard, &KanaKeyboard::characterPressed);
    keyboard.setNextCharacters(QStringLiteral("ｶﾞ・A"));
    for (int code = kFirstKanaKey; code <= kLastKanaKey; ++code) {
        const bool on = code == 182 || code == 222;
        EXPECT_EQ(keyboard.key(code)->isEnabled(), on) << code;
        EXPECT_EQ(keyboard.isHighlighted(code), on) << code;
    }
    EXPECT_EQ(keyboard.key(182)->palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_NE(keyboard.key(183)->palette().color(QPalette::Button), QColor(255, 128, 128));
    keyboard.key(182)->click();
    keyboard.key(183)->click(); // disabled: no character
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed.at(0).at(0).toString(), QStringLiteral("ｶ"));

    keyboard.setNextCharacters(QStringLiteral("ｷ"));
    EXPECT_FALSE(keyboard.key(182)->isEnabled());
    EXPECT_FALSE(keyboard.isHighlighted(182));
    EXPECT_NE(keyboard.key(182)->palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_TRUE(keyboard.isHighlighted(183));
    keyboard.disableAll();
    EXPECT_FALSE(keyboard.key(183)->isEnabled());
    EXPECT_FALSE(keyboard.isHighlighted(183));
}
