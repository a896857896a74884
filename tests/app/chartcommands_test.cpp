// "売上分析" and "顧客分析" open the chart windows inside the frame, once each, with the frame's
// progress bar following the loading of their copies.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "sales/ui/frmChCust.h"
#include "sales/ui/frmChSales.h"
#include "store/appdata.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>

TEST(ChartCommands, OpenTheChartWindowsOnceWithTheProgressBarMoving)
{
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data(folder.path());
    ASSERT_TRUE(data.records.OpenRecordFiles());
    ASSERT_TRUE(data.records.BuildIndexes());
    CustomerRecord customer;
    customer.CustomerId = 1;
    customer.Tel = QStringLiteral("0312345678");
    ASSERT_TRUE(data.records.AddCustomer(customer));
    SalesRecord sale;
    sale.OrderDate = QStringLiteral("20040101");
    sale.CustomerId = 1;
    for (qint16 no = 1; no <= 3; ++no) {
        sale.OrderNo = no;
        ASSERT_TRUE(data.records.AddSale(sale));
    }
    RegisterProgramWindows();
    // The registration must not outlive the test, whatever assertion ends it.
    struct Unregister {
        ~Unregister() { UnregisterProgramWindows(); }
    } unregister;
    {
        frmMain w(data);
        w.show();
        std::vector<int> values;
        QObject::connect(w.progressBar(), &QProgressBar::valueChanged, [&values](int v) { values.push_back(v); });
        QAction *sales = w.findChild<QAction *>(QStringLiteral("mnuSalesBunseki"));
        ASSERT_TRUE(sales && sales->isEnabled());
        sales->trigger();
        sales->trigger();
        // Beside the order board the frame opens with, one chart window however often asked for.
        const qsizetype before = w.mdiArea()->subWindowList().size();
        ASSERT_EQ(w.findChildren<frmChSales *>().size(), 1);
        auto *charts = w.findChildren<frmChSales *>().front();
        EXPECT_EQ(w.mdiArea()->activeSubWindow()->widget(), charts);
        EXPECT_EQ(charts->Copy().Sales.size(), 3u);
        EXPECT_EQ(values, (std::vector<int>{3, 0}));
        EXPECT_EQ(w.progressBar()->maximum(), 3);

        w.findChild<QAction *>(QStringLiteral("mnuCustBunseki"))->trigger();
        EXPECT_EQ(w.mdiArea()->subWindowList().size(), before + 1);
        EXPECT_TRUE(qobject_cast<frmChCust *>(w.mdiArea()->activeSubWindow()->widget()));
        EXPECT_EQ(w.progressBar()->value(), 0);

        // The direct-mail snapshot ends with an empty bar, never the endless busy animation.
        w.findChild<QAction *>(QStringLiteral("mnuCustDM"))->trigger();
        EXPECT_EQ(w.mdiArea()->subWindowList().size(), before + 2);
        EXPECT_GT(w.progressBar()->maximum(), 0);
        EXPECT_EQ(w.progressBar()->value(), 0);
        EXPECT_EQ(prompt.count(), 0);
    }
}
