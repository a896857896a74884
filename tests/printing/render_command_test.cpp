// soranowa-admin render: a stored order of a data folder as a PDF file.
#include "pdfwords.h"

#include "store/recordstore.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace
{

int runAdmin(const QStringList &args, QString *err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(SORANOWA_ADMIN_PATH), args);
    if (!p.waitForFinished(120000))
        return -1;
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

TEST(RenderCommand, WritesBothFormsOfAStoredOrder)
{
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    ASSERT_EQ(runAdmin({"sample-data", data, "--customers", "5", "--orders", "6", "--days", "2"}), 0);
    RecordStore store(data);
    ASSERT_TRUE(store.OpenRecordFiles() && store.BuildIndexes());
    ASSERT_GE(store.SalesCount(), 1);
    const std::optional<SalesRecord> sale = store.ReadSale(1);
    ASSERT_TRUE(sale);
    const QString key = sale->OrderKey();
    const QString receiptNo =
        QStringLiteral("No.") + key.mid(4, 4) + QStringLiteral("%1").arg(sale->OrderNo, 3, 10, QLatin1Char('0'));
    const QString firstItem = sale->ItemName[1].trimmed();
    store.CloseRecordFiles();

    const QString portrait = dir.filePath("n1.pdf"), landscape = dir.filePath("n2.pdf");
    ASSERT_EQ(runAdmin({"render", data, "--kind", "Nohin", "--order", key, "--out", portrait}), 0);
    ASSERT_EQ(runAdmin({"render", data, "--kind", "Nohin2", "--order", key, "--out", landscape}), 0);
    const auto p1 = ReadPdfWords(portrait), p2 = ReadPdfWords(landscape);
    ASSERT_EQ(p1.size(), 1u);
    ASSERT_EQ(p2.size(), 1u);
    EXPECT_NEAR(p1[0].width, 148, 0.5);
    EXPECT_NEAR(p2[0].width, 210, 0.5);
    EXPECT_TRUE(p1[0].find("納品書", 98, 18));
    EXPECT_TRUE(p1[0].contains(receiptNo));
    EXPECT_EQ(p2[0].count(receiptNo), 4);
    if (!firstItem.contains(QLatin1Char(' ')))
        EXPECT_EQ(p2[0].count(firstItem), 3);

    QString err;
    EXPECT_EQ(runAdmin({"render", data, "--kind", "Nohin", "--order", "19990101", "--out", portrait}, &err), 1);
    EXPECT_TRUE(err.contains("no order 19990101"));
    EXPECT_EQ(runAdmin({"render", data, "--kind", "DM", "--order", key, "--out", portrait}), 2);
}

} // namespace
