// The detail settings window: what it shows for the stored preferences and what it stores.
#include <gtest/gtest.h>

#include "mock/shellrecorder.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "settings/ui/frmSettei.h"
#include "store/preferences.h"
#include "store/prefs.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace
{

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const char *const kKeys[] = {"ORDER", "MENU", "SHINKO", "PRINT", "NOHIN"};

class DetailWindow : public ::testing::Test
{
  protected:
    void open()
    {
        dlg.reset();
        dlg = std::make_unique<frmSettei>();
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    QRadioButton *option(const char *name)
    {
        auto *r = dlg->findChild<QRadioButton *>(QString::fromLatin1(name));
        EXPECT_NE(r, nullptr) << name;
        return r;
    }
    QPushButton *button(const char *name) { return dlg->findChild<QPushButton *>(QString::fromLatin1(name)); }
    void click(QAbstractButton *b)
    {
        // A page shown for the first time is laid out by the event loop.
        QApplication::processEvents();
        ASSERT_TRUE(b->isVisible()) << b->objectName().toStdString();
        // Chosen from the keyboard, as the mnemonics invite.
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
    }
    // The checked option of each of the five groups, in the order of the keys.
    QString checked()
    {
        QString out;
        for (const char *group : {"optOrder", "optMenu", "optShinko", "optPrint", "optNohin"})
            for (int i = 0; i < 3; ++i) {
                auto *r = dlg->findChild<QRadioButton *>(QStringLiteral("%1%2").arg(QLatin1String(group)).arg(i));
                if (r && r->isChecked())
                    out += QString::number(i);
            }
        return out;
    }
    QString stored()
    {
        QString out;
        for (const char *key : kKeys)
            out += GetPref(QStringLiteral("SET"), QString::fromLatin1(key)) + QLatin1Char('|');
        return out;
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<frmSettei> dlg;
};

} // namespace

TEST_F(DetailWindow, ShowsTheDefaultsThenStoresWhatIsChosen)
{
    open();
    EXPECT_EQ(dlg->windowTitle(), S("詳細設定"));
    auto *tabs = dlg->findChild<QTabWidget *>("tabSettei");
    ASSERT_EQ(tabs->count(), 3);
    // Nothing stored: every group shows its first choice, the one marked as the initial value.
    EXPECT_EQ(checked(), "00000");
    for (const char *name : {"optOrder0", "optMenu0", "optShinko0", "optPrint0", "optNohin0"})
        EXPECT_TRUE(option(name)->text().contains(S("（初期値）"))) << name;
    EXPECT_FALSE(button("cmdApply")->isEnabled());

    // Apply stores all five and stays open.
    click(option("optOrder1"));
    tabs->setCurrentIndex(1);
    click(option("optShinko2"));
    tabs->setCurrentIndex(2);
    click(option("optNohin1"));
    EXPECT_TRUE(button("cmdApply")->isEnabled());
    click(button("cmdApply"));
    EXPECT_EQ(stored(), "1|0|2|0|1|");
    EXPECT_FALSE(button("cmdApply")->isEnabled());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Prefs::ProgressMode.get(), ProgressMode::CompleteAtConfirm);

    // Closing with a change asks; Cancel stays, No discards.
    tabs->setCurrentIndex(0);
    click(option("optMenu1"));
    prompt.answerNext(PromptAnswer::Cancel);
    click(button("cmdCancel"));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, S("保存確認"));
    EXPECT_EQ(prompt.last().text, S("設定が変更されています。保存しますか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_EQ(prompt.last().buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(dlg->isVisible());
    prompt.answerNext(PromptAnswer::No);
    click(button("cmdCancel"));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(stored(), "1|0|2|0|1|");

    // Reopened, it shows what is stored; Yes on closing saves as OK does.
    open();
    EXPECT_EQ(checked(), "10201");
    EXPECT_FALSE(button("cmdApply")->isEnabled());
    tabs = dlg->findChild<QTabWidget *>("tabSettei");
    tabs->setCurrentIndex(2);
    click(option("optPrint1"));
    tabs->setCurrentIndex(1);
    click(option("optShinko1"));
    prompt.clear();
    prompt.answerNext(PromptAnswer::Yes);
    click(button("cmdCancel"));
    EXPECT_EQ(prompt.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(stored(), "1|0|1|1|1|");

    // OK stores and closes without asking.
    open();
    dlg->findChild<QTabWidget *>("tabSettei")->setCurrentIndex(0);
    click(option("optOrder0"));
    prompt.clear();
    click(button("cmdOK"));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(stored(), "0|0|1|1|1|");
}

TEST_F(DetailWindow, UnreadableValuesShowTheInitialChoiceAndHelpOpensItsPage)
{
    SavePref(QStringLiteral("SET"), QStringLiteral("SHINKO"), QStringLiteral("7"));
    SavePref(QStringLiteral("SET"), QStringLiteral("MENU"), QStringLiteral("1"));
    ShellRecorder shell;
    open();
    EXPECT_EQ(checked(), "01000");
    // Closing untouched asks nothing and stores nothing.
    click(button("cmdHelp"));
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], HelpTopicUrl(160));
    click(button("cmdCancel"));
    EXPECT_EQ(prompt.count(), 0);
    EXPECT_EQ(GetPref(QStringLiteral("SET"), QStringLiteral("SHINKO")), "7");
    EXPECT_EQ(GetPref(QStringLiteral("SET"), QStringLiteral("ORDER")), "");
}
