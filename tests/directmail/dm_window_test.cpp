// The direct-mail windows driven as the staff use them: an extraction, a customer declining mail
// in the detail window, registering and deleting history, closing, and the paper window's checks.
#include "dmtest.h"

#include "customers/ui/frmCust.h"
#include "directmail/ui/frmDM.h"
#include "directmail/ui/frmDMPaper.h"
#include "mock/modal.h"
#include "mock/waitfor.h"
#include "store/cp932.h"
#include "store/prefs.h"
#include "store/settingfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <QHeaderView>
#include <QFile>

namespace
{

class DmWindow : public DmTest
{
  protected:
    // With SORANOWA_SHOTS set to a folder, the window as the staff see it at the frame sizes the
    // program runs in (the child area of 1366x768 and 1024x768 screens).
    static void shoot(QWidget &w, const char *name)
    {
        const QString dir = qEnvironmentVariable("SORANOWA_SHOTS");
        if (dir.isEmpty())
            return;
        const QSize original = w.size();
        for (const QSize &size : {QSize(1300, 600), QSize(980, 600)}) {
            if (qobject_cast<frmDM *>(&w))
                w.resize(size);
            w.grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, QString::fromLatin1(name)).arg(size.width()));
        }
        w.resize(original);
    }
    void chooseTarget(frmDM &w, int target)
    {
        w.cboTar->setCurrentIndex(target);
        emit w.cboTar->activated(target);
    }
};

TEST_F(DmWindow, ExtractDeclineInDetailRegisterDeleteAndCloseWritesHistory)
{
    standardSet();
    std::vector<std::pair<qint64, qint64>> progress;
    auto *w = new frmDM(*data, [&](qint64 v, qint64 m) { progress.emplace_back(v, m); });
    w->resize(900, 600);
    w->show();
    EXPECT_EQ(w->SnapshotSize(), 6);
    ASSERT_GE(progress.size(), 2u);
    EXPECT_EQ(progress.front(), std::make_pair(qint64(7), qint64(7)));
    // Opening state: 全顧客, すべて, the conditions and the result buttons disabled.
    EXPECT_EQ(w->cboTar->currentText(), QStringLiteral("全顧客"));
    EXPECT_EQ(w->cboMoku->currentText(), QStringLiteral("季節の挨拶"));
    EXPECT_TRUE(w->optPic[1]->isChecked());
    EXPECT_FALSE(w->chkCon[0]->isEnabled());
    EXPECT_EQ(w->cboKaisu->currentText(), QStringLiteral("50"));
    EXPECT_EQ(w->dtpFirst->date(), kNow.date());
    for (QPushButton *b : {w->cmdCustView, w->cmdGo[0], w->cmdGo[1], w->cmdRegist, w->cmdEx})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(w->cmdDel[0]->isEnabled());

    // 休眠顧客 on 2024/03/01: last order on or before the day, and the one who never ordered.
    chooseTarget(*w, 3);
    EXPECT_TRUE(w->optPic[0]->isChecked());
    EXPECT_TRUE(w->chkCon[1]->isChecked());
    EXPECT_FALSE(w->dtpFirst->isEnabled());
    EXPECT_TRUE(w->dtpLast->isEnabled());
    EXPECT_EQ(w->cboLast->currentText(), QStringLiteral("以前"));
    w->dtpLast->setDate(kDay);
    w->cboMoku->setCurrentIndex(2);
    QTest::mouseClick(w->cmdPic, Qt::LeftButton);
    ASSERT_EQ(w->ResultCount(), 3);
    EXPECT_EQ(w->lblNum->text(), QStringLiteral("3名"));
    EXPECT_EQ(w->ResultRowTexts(0),
              (QStringList{QStringLiteral("00001"), QStringLiteral("ｱｵｷ"), QStringLiteral("2024/03/01"),
                           QStringLiteral("2024/03/01"), QStringLiteral("005")}));
    EXPECT_EQ(w->ResultRowTexts(2),
              (QStringList{QStringLiteral("00004"), QStringLiteral("ｴﾉﾓﾄ"), QStringLiteral("-----"),
                           QStringLiteral("-----"), QStringLiteral("000")}));
    EXPECT_TRUE(w->cmdRegist->isEnabled());
    shoot(*w, "frmDM-pick");

    // The second row's detail: "しない" and OK take the customer off the list.
    w->lsvList->setCurrentIndex(w->lsvList->model()->index(1, 0));
    ModalHandler detail([](QWidget *dialog) {
        auto *cust = qobject_cast<frmCust *>(dialog);
        ASSERT_NE(cust, nullptr);
        QTest::mouseClick(cust->optDM[1], Qt::LeftButton);
        QTest::mouseClick(cust->cmdOk[0], Qt::LeftButton);
    });
    QTest::mouseClick(w->cmdCustView, Qt::LeftButton);
    EXPECT_TRUE(detail.done());
    ASSERT_EQ(w->ResultCount(), 2);
    EXPECT_EQ(w->ResultRowTexts(1).at(0), QStringLiteral("00004"));
    EXPECT_EQ(w->lblNum->text(), QStringLiteral("2名"));
    // A detail window opened elsewhere is heard through the slot, at the next refresh.
    w->DirectMailDeclined(QStringLiteral("4"));
    EXPECT_EQ(w->ResultCount(), 2);
    w->Re_view();
    EXPECT_EQ(w->ResultCount(), 1);

    // Registering asks first; No registers nothing.
    prompt.answerNext(PromptAnswer::No);
    QTest::mouseClick(w->cmdRegist, Qt::LeftButton);
    EXPECT_EQ(w->HistoryCount(), 0);
    EXPECT_EQ(prompt.last().title, QStringLiteral("登録確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("DM宛名印刷履歴に登録してもよろしいですか？"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);
    QTest::mouseClick(w->cmdRegist, Qt::LeftButton);
    ASSERT_EQ(w->HistoryCount(), 1);
    const QString condition = QString(16, QLatin1Char(' ')) + QStringLiteral("2024/03/01以前、");
    EXPECT_EQ(w->HistoryRowTexts(0), (QStringList{QStringLiteral("2024/05/10"), QStringLiteral("休眠顧客"),
                                                  QStringLiteral("利用促進"), condition, QStringLiteral("0001")}));
    EXPECT_TRUE(w->cmdDel[1]->isEnabled());

    // A second entry with everyone, then sorted by 人数 descending: the file follows the list.
    chooseTarget(*w, 0);
    QTest::mouseClick(w->cmdPic, Qt::LeftButton);
    // The two who declined stay off the list, though the snapshot is older than their choice.
    EXPECT_EQ(w->ResultCount(), 3);
    QTest::mouseClick(w->cmdRegist, Qt::LeftButton);
    ASSERT_EQ(w->HistoryCount(), 2);
    emit w->lsvRireki->header()->sectionClicked(4);
    emit w->lsvRireki->header()->sectionClicked(4);
    EXPECT_EQ(w->HistoryRowTexts(0).at(4), QStringLiteral("0003"));

    // Deleting the selected entry asks, then a third entry is deleted again.
    QTest::mouseClick(w->cmdRegist, Qt::LeftButton);
    ASSERT_EQ(w->HistoryCount(), 3);
    w->lsvRireki->setCurrentItem(w->lsvRireki->topLevelItem(2));
    QTest::mouseClick(w->cmdDel[0], Qt::LeftButton);
    EXPECT_EQ(prompt.last().title, QStringLiteral("削除確認"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("削除してもよろしいですか？"));
    EXPECT_EQ(w->HistoryCount(), 2);

    w->tabMain->setCurrentIndex(1);
    shoot(*w, "frmDM-history");
    w->close();
    const QByteArray expected = ToCp932(QStringLiteral("\"2024/05/10 18:45:12\t0\t2\tすべて\t3\"\r\n"
                                                       "\"2024/05/10 18:45:12\t3\t2\t%1\t1\"\r\n")
                                            .arg(condition));
    EXPECT_EQ(folder.read(QStringLiteral("dm.snw")), expected);
    ASSERT_EQ(data->settings.DmHistory.size(), 3u);
    EXPECT_EQ(data->settings.DmHistory[1].DmCount, 3);
}

TEST_F(DmWindow, DeleteAllEmptiesTheHistoryAndClosingRemovesTheFile)
{
    add(QStringLiteral("ｱｵｷ"), 0, 0, 0);
    folder.write(QStringLiteral("dm.snw"), ToCp932(QStringLiteral("\"2023/12/01 09:05:00\t0\t1\tすべて\t12\"\r\n")));
    ASSERT_TRUE(LoadDmHistory(data->settings));
    auto *w = new frmDM(*data);
    ASSERT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(w->HistoryRowTexts(0).at(1), QStringLiteral("全顧客"));
    EXPECT_TRUE(w->cmdDel[0]->isEnabled());
    prompt.answerNext(PromptAnswer::No);
    QTest::mouseClick(w->cmdDel[1], Qt::LeftButton);
    EXPECT_EQ(w->HistoryCount(), 1);
    QTest::mouseClick(w->cmdDel[1], Qt::LeftButton);
    EXPECT_EQ(w->HistoryCount(), 0);
    EXPECT_FALSE(w->cmdDel[0]->isEnabled());
    EXPECT_FALSE(w->cmdDel[1]->isEnabled());
    w->close();
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("dm.snw"))));
}

TEST_F(DmWindow, ExportAsksForAFileAndReportsCompletion)
{
    add(QStringLiteral("ﾔﾏﾀﾞ"), 0, 0, 0, 0, QStringLiteral("1600023"));
    frmDM w(*data);
    QTest::mouseClick(w.cmdPic, Qt::LeftButton);
    ASSERT_EQ(w.ResultCount(), 1);
    prompt.fileNext(QString()); // cancelled: nothing written, nothing said
    QTest::mouseClick(w.cmdEx, Qt::LeftButton);
    EXPECT_EQ(prompt.count(), 0);
    prompt.fileNext(folder.file(QStringLiteral("list.csv")));
    QTest::mouseClick(w.cmdEx, Qt::LeftButton);
    EXPECT_EQ(folder.read(QStringLiteral("list.csv")),
              ToCp932(QStringLiteral("\"ﾔﾏﾀﾞ\",\"160-0023\",\"新宿区西新宿2-8-1\",\"空ビル2F\"\r\n")));
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("エクスポートが完了しました。"));
}

TEST_F(DmWindow, PaperWindowChecksFieldsAndTheA4Limits)
{
    frmDMPaper w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    EXPECT_EQ(w.txtA[0]->text(), QStringLiteral("23.5"));
    EXPECT_EQ(w.txtA[4]->text(), QStringLiteral("7"));
    EXPECT_FALSE(w.cmdApply->isEnabled());
    shoot(w, "frmDMPaper");

    // Leaving a field: not a number, out of range, a label lower than 24.6 mm.
    w.txtA[3]->setFocus();
    w.txtA[3]->setText(QStringLiteral("abc"));
    QTest::keyClick(w.txtA[3], Qt::Key_Tab);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("数字以外は入力できません。"));
    EXPECT_TRUE(w.txtA[3]->hasFocus() || QApplication::focusWidget() == w.txtA[3]);
    prompt.clear();
    w.txtA[3]->setText(QStringLiteral("20"));
    QTest::keyClick(w.txtA[3], Qt::Key_Tab);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("不正な値"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("24.6mm未満は設定できません。"));
    prompt.clear();
    w.txtA[3]->setText(QStringLiteral("33.9"));
    w.txtA[2]->setFocus();
    w.txtA[2]->setText(QStringLiteral("201"));
    QTest::keyClick(w.txtA[2], Qt::Key_Tab);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().text, QStringLiteral("不正な数値が入力されました。"));
    prompt.clear();

    // 7 + 3 x 68 = 211 is refused and nothing is stored; 67.6 fits.
    QTest::keyClicks(w.txtA[2], QStringLiteral("x"));
    w.txtA[2]->setText(QStringLiteral("68"));
    EXPECT_TRUE(w.cmdApply->isEnabled());
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("不正な設定"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("横幅がA4サイズ（210mm）を超えています。"));
    EXPECT_EQ(GetPref(QStringLiteral("PAPER"), QStringLiteral("WIDTH")), QString());
    w.txtA[2]->setText(QStringLiteral("67.6"));
    w.txtA[4]->setText(QStringLiteral("8"));
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(GetPref(QStringLiteral("PAPER"), QStringLiteral("WIDTH")), QStringLiteral("67.6"));
    EXPECT_EQ(GetPref(QStringLiteral("PAPER"), QStringLiteral("TATE")), QStringLiteral("8"));
    EXPECT_FALSE(w.cmdApply->isEnabled());
    // 23.5 + 33.9 x 9 = 328.6 is too tall.
    QTest::keyClicks(w.txtA[4], QStringLiteral("9"));
    w.txtA[4]->setText(QStringLiteral("9"));
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    EXPECT_EQ(prompt.last().text, QStringLiteral("縦幅がA4サイズ（297mm）を超えています。"));
    EXPECT_TRUE(w.isVisible());

    // The defaults come back; closing asks, Cancel stays, No closes without saving.
    QTest::mouseClick(w.cmdAone, Qt::LeftButton);
    EXPECT_EQ(w.txtA[2]->text(), QStringLiteral("64"));
    prompt.answerNext(PromptAnswer::Cancel);
    QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(prompt.last().text, QStringLiteral("用紙設定が変更されています。保存しますか？"));
    EXPECT_TRUE(w.isVisible());
    prompt.answerNext(PromptAnswer::No);
    QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(GetPref(QStringLiteral("PAPER"), QStringLiteral("WIDTH")), QStringLiteral("67.6"));
}

} // namespace
