// The item dialog fills in the reading of a new menu name, and never replaces one the staff typed.
#include "settings/ui/frmMenuName.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

TEST(MenuNameDialog, LeavingTheNameFillsTheReadingUnlessOneWasTyped)
{
    MenuCatalogue::Group group;
    group.name = QStringLiteral("麺");
    frmMenuName dialog(frmMenuName::Mode::Add, group);
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("txtName"));
    auto *kana = dialog.findChild<QLineEdit *>(QStringLiteral("txtNameKana"));
    ASSERT_NE(name, nullptr);
    ASSERT_NE(kana, nullptr);

    name->setText(QStringLiteral("天ぷらそば"));
    emit name->editingFinished();
    EXPECT_EQ(kana->text(), QStringLiteral("ﾃﾝﾌﾟﾗｿﾊﾞ"));

    // A reading typed by the staff wins over the analyser's.
    kana->setText(QStringLiteral("ﾃﾝｿﾊﾞ"));
    emit kana->textEdited(kana->text());
    name->setText(QStringLiteral("天ぷらそば大盛"));
    emit name->editingFinished();
    EXPECT_EQ(kana->text(), QStringLiteral("ﾃﾝｿﾊﾞ"));
}

namespace
{

// What an input method sends while a word is written as kana and then converted.
void composeWord(QLineEdit *edit, const QStringList &compositions, const QString &committed)
{
    for (const QString &preedit : compositions) {
        QInputMethodEvent event(preedit, {});
        QApplication::sendEvent(edit, &event);
    }
    QInputMethodEvent event;
    event.setCommitString(committed);
    QApplication::sendEvent(edit, &event);
}

} // namespace

TEST(MenuNameDialog, ReadingFollowsTheInputMethodAndTheAnalyserFillsWhatItMissed)
{
    MenuCatalogue::Group group;
    group.name = QStringLiteral("定食");
    frmMenuName dialog(frmMenuName::Mode::Add, group);
    dialog.show();
    QLineEdit *name = dialog.txtName;
    QLineEdit *kana = dialog.txtNameKana;
    name->setFocus();

    // The shop says かしわ for 鶏: the sound typed before conversion is the reading, not the
    // analyser's.
    composeWord(name, {QStringLiteral("か"), QStringLiteral("かs"), QStringLiteral("かしわ"), QStringLiteral("鶏")},
                QStringLiteral("鶏"));
    composeWord(name, {QStringLiteral("ていしょく"), QStringLiteral("定食")}, QStringLiteral("定食"));
    // A katakana word counts as its own reading; a letter typed directly goes in as it is.
    composeWord(name, {QStringLiteral("せっと"), QStringLiteral("セット")}, QStringLiteral("セット"));
    QTest::keyClicks(name, QStringLiteral("A"));
    EXPECT_EQ(name->text(), QStringLiteral("鶏定食セットA"));
    EXPECT_EQ(kana->text(), QStringLiteral("ｶｼﾜﾃｲｼｮｸｾｯﾄA"));
    // A word written at the start of the name puts its sound at the start of the reading.
    name->setCursorPosition(0);
    composeWord(name, {QStringLiteral("とくせい"), QStringLiteral("特製")}, QStringLiteral("特製"));
    EXPECT_EQ(kana->text(), QStringLiteral("ﾄｸｾｲｶｼﾜﾃｲｼｮｸｾｯﾄA"));
    EXPECT_TRUE(dialog.txtMoney->text().isEmpty());
    emit name->editingFinished();
    EXPECT_EQ(kana->text(), QStringLiteral("ﾄｸｾｲｶｼﾜﾃｲｼｮｸｾｯﾄA"));

    // Emptying the name empties the reading. A word that arrives without its sound (no kana
    // composition shown) leaves the reading incomplete, and leaving the name takes the analyser's.
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_TRUE(kana->text().isEmpty());
    composeWord(name, {QStringLiteral("おやこ"), QStringLiteral("親子")}, QStringLiteral("親子"));
    composeWord(name, {}, QStringLiteral("丼"));
    EXPECT_EQ(kana->text(), QStringLiteral("ｵﾔｺ"));
    emit name->editingFinished();
    EXPECT_EQ(kana->text(), QStringLiteral("ｵﾔｺﾄﾞﾝ"));

    // Typing over the whole name starts the reading again.
    name->selectAll();
    composeWord(name, {QStringLiteral("かつどん"), QStringLiteral("カツ丼")}, QStringLiteral("カツ丼"));
    EXPECT_EQ(kana->text(), QStringLiteral("ｶﾂﾄﾞﾝ"));
}
