// The item dialog fills in the reading of a new menu name, and never replaces one the staff typed.
#include "settings/ui/frmMenuName.h"

#include <gtest/gtest.h>

#include <QLineEdit>

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
