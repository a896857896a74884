// Operations that write several records are undone as a whole when the program stops inside them,
// and a restore stopped halfway is either finished or leaves the folder as it was.
#include "storetest.h"

#include "store/pendingrestore.h"
#include "store/recordjournal.h"

#include <QDir>
#include <QFile>

namespace
{

class JournalTest : public StoreTest
{
  protected:
    void SetUp() override
    {
        writeCustomers({CustomerNo(1, "0311111111"), CustomerNo(2, "0322222222")});
        writeSales({SaleOf("20040115", 1, 1, 1), SaleOf("20040115", 2, 2, 0)});
        customersBefore = folder.read(RecordStore::kCustomerFile);
        salesBefore = folder.read(RecordStore::kSalesFile);
    }

    // The work of an order: a new sale and its customer's points, then a changed older sale.
    void writeOrderInGroup(RecordStore &r)
    {
        r.BeginGroup();
        SalesRecord sale = *r.ReadSale(1);
        sale.OrderNo = 3;
        ASSERT_TRUE(r.AddSale(sale));
        CustomerRecord c = *r.ReadCustomer(1);
        c.Points += 25;
        ASSERT_TRUE(r.UpdateCustomer(1, c));
        c.Points += 5; // the same record twice: the oldest bytes must come back
        ASSERT_TRUE(r.UpdateCustomer(1, c));
        sale = *r.ReadSale(2);
        sale.Status = 0;
        ASSERT_TRUE(r.UpdateSale(2, sale));
    }

    bool journalExists() const { return QFile::exists(folder.file(RecordJournal::kFileName)); }

    QByteArray customersBefore, salesBefore;
};

} // namespace

TEST_F(JournalTest, AGroupCutShortIsUndoneAtTheNextOpenAndACompletedOneIsKept)
{
    writeOrderInGroup(open());
    EXPECT_TRUE(journalExists());
    store.reset(); // stopped before the group ended

    RecordStore &reopened = open();
    EXPECT_FALSE(journalExists());
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesBefore);
    EXPECT_EQ(reopened.SalesCount(), 2);
    EXPECT_EQ(reopened.NextSalesRecordNo, 3);

    // Run to its end, the same group stays on file and leaves no journal.
    const qint32 pointsBefore = reopened.ReadCustomer(1)->Points;
    writeOrderInGroup(reopened);
    EXPECT_TRUE(reopened.EndGroup());
    EXPECT_FALSE(journalExists());
    const QByteArray customersAfter = folder.read(RecordStore::kCustomerFile);
    const QByteArray salesAfter = folder.read(RecordStore::kSalesFile);
    EXPECT_EQ(salesAfter.size(), 3 * kSalesRecordLength);
    EXPECT_NE(customersAfter, customersBefore);
    store.reset();
    RecordStore &third = open();
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersAfter);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesAfter);
    EXPECT_EQ(third.ReadCustomer(1)->Points, pointsBefore + 30);
}

TEST_F(JournalTest, ATornLastJournalEntryIsIgnoredAndNestedGroupsCommitOnlyAtTheOutermostEnd)
{
    RecordStore &r = open();
    r.BeginGroup();
    r.BeginGroup();
    CustomerRecord c = *r.ReadCustomer(2);
    c.Points = 70;
    ASSERT_TRUE(r.UpdateCustomer(2, c));
    EXPECT_TRUE(r.EndGroup());
    EXPECT_TRUE(journalExists()) << "an inner end must not commit";
    const qint64 oneEntry = QFileInfo(folder.file(RecordJournal::kFileName)).size();
    SalesRecord s = *r.ReadSale(1);
    s.Status = 2;
    ASSERT_TRUE(r.UpdateSale(1, s));
    store.reset();

    // The sale's entry torn: its write never happened as far as the journal can tell, so only
    // the customer goes back; the sale keeps what is on file.
    const QByteArray journal = folder.read(RecordJournal::kFileName);
    ASSERT_GT(journal.size(), oneEntry + 10);
    folder.write(RecordJournal::kFileName, journal.left(oneEntry + 10));
    const QByteArray salesOnFile = folder.read(RecordStore::kSalesFile);
    open();
    EXPECT_FALSE(journalExists());
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), salesOnFile);
}

TEST_F(JournalTest, AnImportBatchStoppedHalfwayLeavesNoneOfItsCustomers)
{
    RecordStore &r = open();
    std::vector<CustomerRecord> batch(20000, *r.ReadCustomer(1));
    r.BeginGroup(); // the stop comes before the import's own group could end the outer one
    ASSERT_TRUE(r.RecordAddAll(batch));
    EXPECT_EQ(r.CustomerCount(), 20002);
    store.reset();
    EXPECT_EQ(open().CustomerCount(), 2);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
}

TEST_F(JournalTest, AJournalThatCannotBeUndoneFailsTheOpen)
{
    // A journal naming a data file that cannot be written: nothing is opened half-undone.
    folder.write(RecordJournal::kFileName, QByteArray());
    open(); // an empty journal holds nothing to undo
    EXPECT_FALSE(journalExists());
    store.reset();

    RecordStore &r = open();
    r.BeginGroup();
    CustomerRecord c = *r.ReadCustomer(1);
    c.Points = 9;
    ASSERT_TRUE(r.UpdateCustomer(1, c));
    store.reset();
    QFile::remove(folder.file(RecordStore::kCustomerFile));
    ASSERT_TRUE(QDir(folder.path()).mkdir(RecordStore::kCustomerFile));
    store = std::make_unique<RecordStore>(folder.path());
    EXPECT_FALSE(store->OpenRecordFiles());
    expectErrorBox(U("ErrorNo: 1\r\rファイルオープンエラー"));
    EXPECT_TRUE(journalExists()) << "kept for the next try";
}

TEST_F(JournalTest, ARestoreIsFinishedWhenReadyAndDroppedWhenNot)
{
    const QString ready = folder.file(kRestoreStagingPrefix + QStringLiteral("a1"));
    const QString unready = folder.file(kRestoreStagingPrefix + QStringLiteral("b2"));
    ASSERT_TRUE(QDir().mkpath(ready) && QDir().mkpath(unready));
    const QByteArray restoredSales = fx::FileOf(std::vector<fx::Sale>{SaleOf("20050101", 1, 1, 0)});
    folder.write(kRestoreStagingPrefix + QStringLiteral("a1/Sales.snw"), restoredSales);
    folder.write(kRestoreStagingPrefix + QStringLiteral("b2/Customer.snw"), QByteArray("half"));
    // Customer.snw of the ready restore had moved in before the stop.
    ASSERT_TRUE(MarkRestoreReady(ready, {RecordStore::kCustomerFile, RecordStore::kSalesFile}));

    RecordStore &r = open();
    EXPECT_FALSE(QFileInfo::exists(ready));
    EXPECT_FALSE(QFileInfo::exists(unready));
    EXPECT_EQ(folder.read(RecordStore::kSalesFile), restoredSales);
    EXPECT_EQ(folder.read(RecordStore::kCustomerFile), customersBefore);
    EXPECT_EQ(r.SalesCount(), 1);
}
