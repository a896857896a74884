// Order entry with "confirm and print": the delivery note of the new order goes to the printer.
#include <gtest/gtest.h>

#include "fakeprinters.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/orderlinelist.h"
#include "pdfwords.h"
#include "platform/clock.h"
#include "store/appdata.h"
#include "store/prefs.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

TEST(PrintOnConfirm, ConfirmingPrintsTheNewOrdersDeliveryNote)
{
    TestDataFolder folder;
    TestPrompt prompt;
    Clock::Pin(QDateTime(QDate(2024, 5, 10), QTime(18, 45)));
    FakePrinters printers(folder.path(), {QStringLiteral("店のプリンタ")});
    SavePref("SET", "ORDER", "1");
    SavePref("SET", "PRINT", "1"); // straight to the printer, no dialog
    AppData data(folder.path());
    data.LoadAll();
    CustomerRecord customer;
    customer.CustomerId = 1;
    customer.Tel = QStringLiteral("0312345678");
    customer.NameKana = QStringLiteral("ﾔﾏﾀﾞ");
    ASSERT_TRUE(data.records.AddCustomer(customer));

    frmOrder w(data);
    EXPECT_EQ(w.tlbGoConfirm->text(), QStringLiteral(" 注文確定＆印刷 "));
    w.txtTel->setText(QStringLiteral("0312345678"));
    w.cmdCheck_Click();
    OrderLineList::Append(w.lsvMenu, {QStringLiteral("天丼"), kNoOption, 1100, 2});
    w.LinesChanged();
    w.tlbGoConfirm->trigger();

    EXPECT_EQ(prompt.count(), 0);
    ASSERT_EQ(data.records.SalesCount(), 1);
    ASSERT_EQ(printers.jobs.size(), 1u);
    QStringList words;
    for (const PdfPage &page : ReadPdfWords(printers.jobs[0].file))
        for (const PdfWord &word : page.words)
            words << word.text;
    EXPECT_TRUE(words.contains(QStringLiteral("天丼")));
    EXPECT_TRUE(words.join(QString()).contains(QStringLiteral("ﾔﾏﾀﾞ")));
    Clock::Unpin();
}
