#include "adminsupport.h"

#include "store/oledate.h"
#include "store/textfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

QStringList AdminRun::outLines() const
{
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

AdminRun RunAdmin(const QStringList &args, int timeoutMs)
{
    QProcess process;
    process.start(QStringLiteral(SORANOWA_ADMIN_PATH), args);
    AdminRun run;
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << "soranowa-admin did not start";
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "soranowa-admin did not finish";
        return run;
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return run;
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::vector<SalesRecord> ReadSalesFile(const QString &path)
{
    const QByteArray bytes = ReadBytes(path);
    std::vector<SalesRecord> out;
    for (qsizetype at = 0; at + kSalesRecordLength <= bytes.size(); at += kSalesRecordLength)
        out.push_back(SalesRecord::fromBytes(bytes.constData() + at));
    return out;
}

std::vector<CustomerRecord> ReadCustomerFile(const QString &path)
{
    const QByteArray bytes = ReadBytes(path);
    std::vector<CustomerRecord> out;
    for (qsizetype at = 0; at + kCustomerRecordLength <= bytes.size(); at += kCustomerRecordLength)
        out.push_back(CustomerRecord::fromBytes(bytes.constData() + at));
    return out;
}

QStringList ReadSettingLines(const QString &path)
{
    const auto lines = ReadCp932Lines(path);
    EXPECT_TRUE(lines.has_value()) << path.toStdString();
    return lines.value_or(QStringList());
}

qint64 ItemsSubtotal(const SalesRecord &sale)
{
    qint64 sum = 0;
    for (int i = 1; i <= kMaxOrderLines; ++i)
        sum += sale.ItemQty[size_t(i)] * CurrencyToYen(sale.ItemPrice[size_t(i)]);
    return sum;
}

bool IsHalfWidthKatakana(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0xFF66 || c.unicode() > 0xFF9F)
            return false;
    }
    return !text.isEmpty();
}

PointRules ReadPointRules(const QString &shopFile)
{
    const QStringList lines = ReadSettingLines(shopFile);
    PointRules r;
    if (lines.size() < 15) {
        ADD_FAILURE() << "Shop.snw has " << lines.size() << " lines";
        return r;
    }
    r.yenUnit = lines[10].toInt();
    r.perUnit = lines[11].toInt();
    r.step = lines[12].toInt();
    r.stepYen = lines[13].toInt();
    r.validMonths = lines[14].toInt();
    return r;
}

std::map<qint32, qint32> ReplayPoints(const std::vector<SalesRecord> &sales, const PointRules &rules, int *lapses)
{
    struct State {
        qint32 points = 0;
        double last = 0;
    };
    std::map<qint32, State> state;
    int lapsed = 0;
    for (const SalesRecord &s : sales) {
        if (s.Status < 0)
            continue;
        State &st = state[s.CustomerId];
        const QDate orderDay = QDate::fromString(s.OrderDate, QStringLiteral("yyyyMMdd"));
        if (st.last != 0 && FromOleDate(st.last).date().addMonths(rules.validMonths) < orderDay) {
            if (st.points > 0)
                ++lapsed;
            st.points = 0;
        }
        const qint64 spent = qint64(rules.step) * (-qint64(s.PointDiscount) / rules.stepYen);
        EXPECT_LE(spent, st.points) << "order " << s.OrderKey().toStdString() << " spends points not held";
        const qint64 base = ItemsSubtotal(s) + s.ServiceDiscount + s.PointDiscount;
        if (base > 0)
            st.points += qint32(rules.perUnit * (base / rules.yenUnit));
        st.points -= qint32(spent);
        st.last = s.OrderTime;
    }
    if (lapses)
        *lapses = lapsed;
    std::map<qint32, qint32> out;
    for (const auto &[id, st] : state)
        out[id] = st.points;
    return out;
}
