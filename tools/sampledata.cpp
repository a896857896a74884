// sample-data: a demonstration shop with customers and orders.
#include "admin.h"

#include "sampledata/sampledata.h"
#include "store/datastats.h"
#include "store/recordstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace
{

bool holdsRecords(const QDir &dir)
{
    return QFileInfo(dir.filePath(RecordStore::kCustomerFile)).size() > 0 ||
           QFileInfo(dir.filePath(RecordStore::kSalesFile)).size() > 0;
}

} // namespace

int RunSampleData(const QStringList &args)
{
    const QString customersOpt = QStringLiteral("--customers"), ordersOpt = QStringLiteral("--orders"),
                  daysOpt = QStringLiteral("--days"), seedOpt = QStringLiteral("--seed"),
                  forceOpt = QStringLiteral("--force");
    QString error;
    const auto parsed = ParseArgs(args, {customersOpt, ordersOpt, daysOpt, seedOpt}, {forceOpt}, &error);
    if (parsed && parsed->positional.size() != 1)
        error = QStringLiteral("sample-data takes exactly one DATA_DIR");
    else if (parsed && (!parsed->values.contains(customersOpt) || !parsed->values.contains(ordersOpt)))
        error = QStringLiteral("sample-data needs --customers N and --orders N");

    SampleDataOptions options;
    if (error.isEmpty()) {
        struct Field {
            const QString &name;
            qint64 min, max;
            qint64 value;
        };
        Field fields[] = {{customersOpt, 0, kSampleMaxCustomers, 0},
                          {ordersOpt, 0, kSampleMaxOrders, 0},
                          {daysOpt, 1, kSampleMaxDays, options.days},
                          {seedOpt, 0, std::numeric_limits<qint64>::max(), qint64(options.seed)}};
        for (Field &f : fields) {
            if (!parsed->values.contains(f.name))
                continue;
            const auto value = ParseNumber(parsed->values.value(f.name), f.min, f.max);
            if (!value) {
                error = QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                            .arg(f.name)
                            .arg(f.min)
                            .arg(f.max)
                            .arg(parsed->values.value(f.name));
                break;
            }
            f.value = *value;
        }
        options.customers = int(fields[0].value);
        options.orders = int(fields[1].value);
        options.days = int(fields[2].value);
        options.seed = quint64(fields[3].value);
        if (error.isEmpty())
            error = SampleDataProblem(options);
    }
    if (!error.isEmpty()) {
        PrintErr(error);
        PrintErr(QStringLiteral("try 'soranowa-admin --help'"));
        return kExitUsage;
    }

    const QString folder = parsed->positional.front();
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder)) {
        PrintErr(QStringLiteral("cannot create %1").arg(folder));
        return kExitFailure;
    }
    const QString problem = DataFolderProblem(folder);
    if (!problem.isEmpty()) {
        PrintErr(problem);
        return kExitFailure;
    }
    if (holdsRecords(QDir(folder)) && !parsed->flags.contains(forceOpt)) {
        PrintErr(QStringLiteral("%1 already holds customers or orders; give --force to replace them").arg(folder));
        return kExitFailure;
    }

    QElapsedTimer timer;
    timer.start();
    SampleDataSummary s;
    if (!WriteSampleData(folder, options, &s, &error)) {
        PrintErr(error);
        return kExitFailure;
    }
    PrintOut(QStringLiteral("wrote %1").arg(QDir(folder).absolutePath()));
    PrintOut(QStringLiteral("customers: %1").arg(s.customers));
    PrintOut(QStringLiteral("orders: %1 (complete %2, received %3, departed %4, delivered %5, deleted %6)")
                 .arg(s.orders)
                 .arg(s.withStatus(0))
                 .arg(s.withStatus(1))
                 .arg(s.withStatus(2))
                 .arg(s.withStatus(3))
                 .arg(s.withStatus(-1)));
    PrintOut(
        QStringLiteral("days: %1 - %2")
            .arg(s.firstDay.toString(QStringLiteral("yyyy/MM/dd")), s.lastDay.toString(QStringLiteral("yyyy/MM/dd"))));
    PrintOut(QStringLiteral("seconds: %1").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    return kExitOk;
}
