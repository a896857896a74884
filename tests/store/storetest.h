#pragma once
// A temporary data folder, the scripted prompt service and a record store opened on it.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/clock.h"
#include "store/recordstore.h"

#include <memory>

class StoreTest : public ::testing::Test
{
  protected:
    void TearDown() override { Clock::Unpin(); }

    void writeCustomers(const std::vector<fx::Customer> &records) const
    {
        folder.write(RecordStore::kCustomerFile, fx::FileOf(records));
    }
    void writeSales(const std::vector<fx::Sale> &records) const
    {
        folder.write(RecordStore::kSalesFile, fx::FileOf(records));
    }
    void writePhoneBook(const std::vector<fx::PhoneBook> &records) const
    {
        folder.write(RecordStore::kPhoneBookFile, fx::FileOf(records));
    }

    // A fresh store on the folder: files opened, tables built. No box expected.
    RecordStore &open()
    {
        store = std::make_unique<RecordStore>(folder.path());
        EXPECT_TRUE(store->OpenRecordFiles());
        EXPECT_TRUE(store->BuildIndexes());
        EXPECT_EQ(prompt.count(), 0);
        return *store;
    }

    // Exactly one box since the last check: the common error box with this text.
    void expectErrorBox(const QString &text)
    {
        ASSERT_EQ(prompt.count(), 1) << "boxes: " << prompt.count();
        const PromptRequest &r = prompt.last();
        EXPECT_EQ(r.icon, PromptIcon::Warning);
        EXPECT_EQ(r.title, QStringLiteral("エラー"));
        EXPECT_EQ(r.text, text);
        EXPECT_EQ(r.buttons, PromptButtons::Ok);
        prompt.clear();
    }

    QByteArray customerRecordOnFile(int recordNo) const
    {
        return fx::RecordAt(folder.read(RecordStore::kCustomerFile), kCustomerRecordLength, recordNo);
    }
    QByteArray saleRecordOnFile(int recordNo) const
    {
        return fx::RecordAt(folder.read(RecordStore::kSalesFile), kSalesRecordLength, recordNo);
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<RecordStore> store;
};

inline QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline fx::Customer CustomerNo(int32_t id, const QByteArray &tel)
{
    fx::Customer c;
    c.CustomerId = id;
    c.Tel = tel;
    return c;
}

inline fx::Sale SaleOf(const QByteArray &date, int16_t no, int32_t customer, int16_t status,
                       double orderTime = fx::kOle20040115_1230)
{
    fx::Sale s;
    s.OrderDate = date;
    s.OrderNo = no;
    s.CustomerId = customer;
    s.Status = status;
    s.OrderTime = orderTime;
    return s;
}
