// soranowa-admin render --kind DM: address labels of a data folder without a screen.
#include "printing/pdfwords.h"
#include "store/recordstore.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace
{

int runAdmin(const QTemporaryDir &home, const QStringList &args)
{
    QProcess p;
    // The label paper comes from the user's preferences: a fresh home has the defaults.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SORANOWA_ADMIN_PATH), args);
    if (!p.waitForFinished(120000))
        return -1;
    return p.exitCode();
}

TEST(DmRenderCommand, LabelsInTheOrderGivenOrAllInFileOrder)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    ASSERT_EQ(runAdmin(dir, {"sample-data", data, "--customers", "25", "--orders", "3", "--days", "2"}), 0);
    RecordStore store(data);
    ASSERT_TRUE(store.OpenRecordFiles() && store.BuildIndexes());
    ASSERT_EQ(store.CustomerCount(), 25);
    auto zipText = [&](int pos) {
        const QString zip = store.ReadCustomer(pos)->Zip;
        return QStringLiteral("〒") + zip.left(3) + QLatin1Char('-') + zip.mid(3, 4);
    };
    const QString third = zipText(3), first = zipText(1), last = zipText(25);
    const qint32 id3 = store.CustomerIndex[3].CustomerId, id1 = store.CustomerIndex[1].CustomerId;
    store.CloseRecordFiles();

    const QString out = dir.filePath(QStringLiteral("two.pdf"));
    ASSERT_EQ(runAdmin(dir, {"render", data, "--kind", "DM", "--customers", QStringLiteral("%1,%2").arg(id3).arg(id1),
                             "--out", out}),
              0);
    const auto pages = ReadPdfWords(out);
    ASSERT_EQ(pages.size(), 1u);
    // Default sheet: the first label at (7 + 5, 23.5 + 5), the second one label width to the right.
    const PdfWord *a = pages[0].find(third, 12, 28.5);
    const PdfWord *b = pages[0].find(first, 76, 28.5);
    ASSERT_TRUE(a && b);
    EXPECT_NEAR(a->left, 12, 1.0);
    EXPECT_NEAR(b->left, 76, 1.0);
    EXPECT_NEAR(b->top, 28.5, 1.0);

    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    ASSERT_EQ(runAdmin(dir, {"render", data, "--kind", "DM", "--customers", "all", "--out", all}), 0);
    const auto allPages = ReadPdfWords(all);
    ASSERT_EQ(allPages.size(), 2u);
    // Label 25 is the fourth of page 2: second row, first column.
    const PdfWord *z = allPages[1].find(last, 12, 28.5 + 33.9);
    ASSERT_NE(z, nullptr);
    EXPECT_NEAR(z->top, 28.5 + 33.9, 1.0);

    EXPECT_EQ(runAdmin(dir, {"render", data, "--kind", "DM", "--customers", "x", "--out", all}), 2);
    EXPECT_EQ(runAdmin(dir, {"render", data, "--kind", "DM", "--customers", "99999", "--out", all}), 1);
}

} // namespace
