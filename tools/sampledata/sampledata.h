#pragma once
// A complete, realistic data folder for demonstrations, manual testing and benchmarks: the
// setting files of a demonstration shop, its customers and their orders of the last days.
//
// The data obeys the rules the program itself keeps: order numbers restart every day, the time
// fields match each order's status, a customer's use count is the number of completed orders,
// the use dates are those of the first and last live order, and the points are what the point
// service gave and took on those orders. The same options give the same bytes.
#include <QDate>
#include <QString>

#include <array>

struct SampleDataOptions {
    int customers = 0;
    int orders = 0;
    int days = 30; // orders are spread over this many days, ending on `today`
    quint64 seed = 1;
    QDate today; // invalid: Clock::Today()
};

struct SampleDataSummary {
    int customers = 0;
    int orders = 0;
    // Orders by status: index 0 = deleted (-1), 1 = complete (0), 2..4 = statuses 1..3.
    std::array<int, 5> byStatus{};
    QDate firstDay;
    QDate lastDay;

    int withStatus(int status) const { return byStatus[size_t(status + 1)]; }
};

// Limits the generator accepts. Order numbers are 16-bit, so a day holds at most 32767 orders.
constexpr int kSampleMaxCustomers = 10'000'000;
constexpr int kSampleMaxOrders = 10'000'000;
constexpr int kSampleMaxDays = 3650;
constexpr int kSampleMaxOrdersPerDay = 32767;

// Why the options cannot be used, or the empty text when they can.
QString SampleDataProblem(const SampleDataOptions &options);

// Writes the setting files, "Customer.snw", "Sales.snw" and an empty "Tel.snw" into `folder`
// (which must exist), replacing what is there; every file is replaced atomically.
// On failure returns false with the reason in `error`.
bool WriteSampleData(const QString &folder, const SampleDataOptions &options, SampleDataSummary *summary,
                     QString *error);
