// The two chart windows opened offscreen on the sample data: the kinds drawn one after another,
// the side tables as shown, the month drag, the slot times kept, copy and print.
#include "chartfixture.h"
#include "ziptestdata.h"

#include "mock/testprompt.h"
#include "platform/clock.h"
#include "sales/ui/chartcriteriapanel.h"
#include "sales/ui/chartpanel.h"
#include "sales/ui/frmChCust.h"
#include "sales/ui/frmChSales.h"
#include "store/appdata.h"
#include "store/preferences.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPieSeries>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>

namespace
{

class ChartWindows : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("Sales.snw"), ChartRecords(ChartSampleSales()));
        BuildHandmadeZipDb(folder.path());
        ASSERT_TRUE(data.records.OpenRecordFiles());
        for (const CustomerRecord &c : ChartSampleCustomers())
            ASSERT_TRUE(data.records.AddCustomer(c));
        ASSERT_TRUE(data.records.BuildIndexes());
    }

    static QStringList sideColumn(QTableWidget *t, int column)
    {
        QStringList out;
        for (int r = 0; r < t->rowCount(); ++r)
            out << (t->item(r, column) ? t->item(r, column)->text() : QString());
        return out;
    }

    static QStringList pieLabels(ChartPanel *panel)
    {
        QStringList out;
        for (QAbstractSeries *s : panel->View()->chart()->series())
            if (auto *pie = qobject_cast<QPieSeries *>(s))
                for (QPieSlice *slice : pie->slices())
                    out << slice->label();
        return out;
    }

    // With SORANOWA_SHOTS set to a folder, each window as the staff see it goes there as a picture.
    static void shoot(QWidget *w, const QString &name)
    {
        if (const QString shots = qEnvironmentVariable("SORANOWA_SHOTS"); !shots.isEmpty())
            w->grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};
};

TEST_F(ChartWindows, SalesChartsDrawEveryKindFromTheCopyTakenAtOpening)
{
    frmChSales w(data);
    std::vector<std::pair<qint64, qint64>> progress;
    w.progress = [&](qint64 v, qint64 m) { progress.push_back({v, m}); };
    w.LoadCopy();
    EXPECT_EQ(progress.back(), (std::pair<qint64, qint64>{0, 10}));
    w.resize(1200, 700);
    w.show();
    EXPECT_EQ(w.cboSyu->currentText(), QStringLiteral("月別売上"));
    EXPECT_FALSE(w.cmdPrint->isEnabled());
    EXPECT_FALSE(w.cmdClip->isEnabled());

    // An order added after opening is not seen.
    data.records.AddSale(ChartOrder("20040110", 1, 1, "12:00", "12:30", {{QStringLiteral("ラーメン"), 9, 650}}));

    w.picCriteria->cboYear->setCurrentText(QStringLiteral("2004年度"));
    ASSERT_EQ(w.picCriteria->cboYear->currentText(), QStringLiteral("2004年度"));
    w.picCriteria->cmdAll->click();
    QTest::mouseClick(w.cmdGo, Qt::LeftButton);
    EXPECT_EQ(w.lblKikan->text(), QStringLiteral("2004/01/01～2004/12/31"));
    EXPECT_TRUE(w.cmdPrint->isEnabled());
    auto *bars = qobject_cast<QBarSeries *>(w.picCh->View()->chart()->series().value(0));
    ASSERT_TRUE(bars);
    ASSERT_EQ(bars->count(), 2);
    EXPECT_EQ(bars->barSets()[1]->label(), QStringLiteral("今年度"));
    EXPECT_EQ(bars->barSets()[1]->at(0), 1600);
    // All year: the April order joins in; 5450 over four selling months is 1362.5.
    EXPECT_EQ(sideColumn(w.picSide, 1).mid(12), (QStringList{"¥5,450", "¥1,363"}));
    EXPECT_EQ(w.picSide->verticalHeaderItem(13)->text(), QStringLiteral("平均"));

    w.cboSyu->setCurrentIndex(1);
    w.cmdGo->click();
    EXPECT_EQ(w.picSide->columnCount(), 1);
    EXPECT_EQ(sideColumn(w.picSide, 0).value(0), QStringLiteral("¥4,850"));

    w.cboSyu->setCurrentIndex(5);
    w.cmdGo->click();
    // Equal amounts keep the order they were met in.
    EXPECT_EQ(pieLabels(w.picCh),
              (QStringList{"東京都千代田区千代田 (38.5%)", "お持ち帰り (38.5%)", "未記入 (11.9%)"}));
    EXPECT_EQ(w.picSide->horizontalHeaderItem(1)->text(), QStringLiteral("売上件数"));
    EXPECT_EQ(sideColumn(w.picSide, 1).value(8), QStringLiteral("5"));

    // The period tab: February 2004 against the text 20030229.
    w.picCriteria->sstSeach->setCurrentIndex(1);
    w.picCriteria->dtpDate[0]->setDate(QDate(2004, 2, 1));
    w.picCriteria->dtpDate[1]->setDate(QDate(2004, 2, 29));
    w.cboSyu->setCurrentIndex(0);
    w.cmdGo->click();
    EXPECT_EQ(sideColumn(w.picSide, 0).value(1), QStringLiteral("¥1,000"));
    EXPECT_EQ(sideColumn(w.picSide, 1).value(1), QStringLiteral("¥1,250"));

    // A slot of the time group filters on delivery times.
    w.picCriteria->optTime[1]->setChecked(true);
    w.picCriteria->dtpTimeE[1]->setTime(QTime(13, 0));
    w.picCriteria->dtpTimeS[1]->setTime(QTime(12, 0));
    w.picCriteria->sstSeach->setCurrentIndex(2);
    w.picCriteria->dtpDate[2]->setDate(QDate(2004, 1, 1));
    w.cboSyu->setCurrentIndex(3);
    w.cmdGo->click();
    EXPECT_EQ(sideColumn(w.picSide, 0).value(11), QStringLiteral("¥1,600"));
}

TEST_F(ChartWindows, MonthDragTicksARunAndSlotTimesAreKept)
{
    Prefs::BandStart2.set(QStringLiteral("11:30:00"));
    Prefs::BandEnd2.set(QStringLiteral("14:00:00"));
    {
        frmChSales w(data);
        w.show();
        ChartCriteriaPanel *c = w.picCriteria;
        EXPECT_EQ(c->dtpTimeS[2]->time(), QTime(11, 30));
        EXPECT_EQ(c->dtpTimeE[2]->time(), QTime(14, 0));
        EXPECT_FALSE(c->dtpTimeS[2]->isEnabled());
        EXPECT_TRUE(c->chkMonth[1]->isChecked());
        QTest::mousePress(c->chkMonth[3], Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), c->chkMonth[5]->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c->chkMonth[3], &move);
        QTest::mouseRelease(c->chkMonth[3], Qt::LeftButton);
        QStringList ticked;
        for (int m = 1; m <= 12; ++m)
            if (c->chkMonth[size_t(m)]->isChecked())
                ticked << QString::number(m);
        EXPECT_EQ(ticked, (QStringList{"3", "5"}));
        EXPECT_EQ(c->Periods().Start.mid(4), QStringLiteral("0301"));
        EXPECT_EQ(c->Periods().End.mid(4), QStringLiteral("0331"));
        // An end moved before its start pulls the start along.
        c->dtpTimeE[1]->setTime(QTime(9, 0));
        c->dtpTimeS[1]->setTime(QTime(10, 0));
        EXPECT_EQ(c->dtpTimeE[1]->time(), QTime(10, 0));
        w.close();
    }
    EXPECT_EQ(ChartSlotTimeFromText(Prefs::BandStart1.get()), QTime(10, 0));
    EXPECT_EQ(ChartSlotTimeFromText(Prefs::BandEnd2.get()), QTime(14, 0));
}

TEST_F(ChartWindows, CopyAndPrintTheChart)
{
    frmChSales w(data);
    w.LoadCopy();
    w.resize(1000, 650);
    w.show();
    w.cmdGo->click();
    QApplication::clipboard()->clear();
    w.cmdClip->click();
    EXPECT_FALSE(QApplication::clipboard()->pixmap().isNull());
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("コピー完了"));
    EXPECT_EQ(prompt.last().text, QStringLiteral("クリップボードへのコピーが完了しました。"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Information);

    const QString pdf = folder.file(QStringLiteral("window.pdf"));
    bool asked = false;
    SetChartPrinterDialog([&](QWidget *) -> std::unique_ptr<QPrinter> {
        if (!asked) {
            asked = true;
            return nullptr; // cancelled
        }
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageOrientation(QPageLayout::Landscape);
        return printer;
    });
    w.cmdPrint->click();
    EXPECT_FALSE(QFile::exists(pdf));
    w.cmdPrint->click();
    SetChartPrinterDialog({});
    EXPECT_TRUE(folder.read(QStringLiteral("window.pdf")).startsWith("%PDF"));
    EXPECT_EQ(prompt.count(), 1);
}

TEST_F(ChartWindows, CustomerAnalysisFillsTheCountRows)
{
    folder.write(QStringLiteral("Customer.snw"),
                 ChartCustomer(1, "1000001", 3, 31).toBytes() + ChartCustomer(-1, "1000001", 3, 31).toBytes() +
                     ChartCustomer(2, "", 5, 1).toBytes() + ChartCustomer(3, "1000001", 1, 0).toBytes());
    frmChCust w(data);
    std::vector<std::pair<qint64, qint64>> progress;
    w.progress = [&](qint64 v, qint64 m) { progress.push_back({v, m}); };
    w.LoadCopy();
    EXPECT_EQ(progress.front(), (std::pair<qint64, qint64>{3, 4}));
    w.resize(900, 600);
    w.show();
    EXPECT_FALSE(w.picCh->isVisible());
    w.cmdGo->click();
    EXPECT_TRUE(w.picCh->isVisible());
    EXPECT_EQ(pieLabels(w.picCh), (QStringList{"東京都千代田区千代田 (66.7%)", "未記入 (33.3%)"}));
    EXPECT_EQ(w.lblNum[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(w.lblNum[3]->text(), QStringLiteral("0"));
    EXPECT_EQ(w.lblNum[0]->text(), QStringLiteral("3"));

    w.cboSyu->setCurrentIndex(1);
    w.cmdGo->click();
    EXPECT_EQ(pieLabels(w.picCh),
              (QStringList{"店舗利用経験有り (33.3%)", "知人の紹介 (33.3%)", "新聞折込広告 (33.3%)"}));
    w.cboSyu->setCurrentIndex(2);
    w.cmdGo->click();
    EXPECT_EQ(pieLabels(w.picCh).size(), 8);
    EXPECT_EQ(pieLabels(w.picCh).front(), QStringLiteral("31-回 (33.3%)"));
    EXPECT_EQ(w.lblNum[8]->text(), QStringLiteral("1"));
    EXPECT_EQ(w.lblNum[6]->text(), QStringLiteral("0"));
}

// The frame's child area is about 1150 x 600 on a 1366 x 768 screen and 800 x 560 on 1024 x 768.
TEST_F(ChartWindows, BothWindowsFitTheChildAreaOfSmallScreens)
{
    folder.write(QStringLiteral("Customer.snw"), ChartCustomer(1, "1000001", 3, 31).toBytes() +
                                                     ChartCustomer(2, "4506201", 5, 2).toBytes() +
                                                     ChartCustomer(3, "", 1, 0).toBytes());
    frmChSales sales(data);
    sales.LoadCopy();
    frmChCust cust(data);
    cust.LoadCopy();
    for (QWidget *w : {static_cast<QWidget *>(&sales), static_cast<QWidget *>(&cust)}) {
        EXPECT_LE(w->minimumSizeHint().width(), 800) << w->objectName().toStdString();
        EXPECT_LE(w->minimumSizeHint().height(), 560) << w->objectName().toStdString();
    }
    sales.picCriteria->cmdAll->click();
    sales.picCriteria->cboYear->setCurrentText(QStringLiteral("2004年度"));
    for (const QSize size : {QSize(1150, 600), QSize(800, 560)}) {
        const QString suffix = QStringLiteral("_%1").arg(size.width());
        sales.resize(size);
        sales.show();
        for (int kind : {0, 4}) {
            sales.cboSyu->setCurrentIndex(kind);
            sales.cmdGo->click();
            QApplication::processEvents();
            shoot(&sales, QStringLiteral("frmChSales%1_kind%2").arg(suffix).arg(kind));
        }
        cust.resize(size);
        cust.show();
        cust.cmdGo->click();
        QApplication::processEvents();
        shoot(&cust, QStringLiteral("frmChCust") + suffix);
    }
}

} // namespace
