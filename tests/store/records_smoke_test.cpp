#include <gtest/gtest.h>

#include "store/records.h"

TEST(Records, LengthsMatchTheLayouts)
{
    EXPECT_EQ(CustomerRecord().toBytes().size(), kCustomerRecordLength);
    EXPECT_EQ(SalesRecord().toBytes().size(), kSalesRecordLength);
    EXPECT_EQ(PhoneBookRecord().toBytes().size(), kPhoneBookRecordLength);
}
