#pragma once
// Internals of the sample-data generator shared by its two halves: customers and setting files
// (sampledata.cpp) and orders (sampleorders.cpp).
#include "sampledata/sampledata.h"
#include "sampledata/samplerandom.h"

#include <QByteArray>
#include <QDate>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <vector>

namespace SampleDetail
{

constexpr int kSecondsPerDay = 86400;
// Records are collected and written in chunks of about this size.
constexpr int kChunkBytes = 8 << 20;

// Separate random streams, so that for example more orders do not change the customers.
constexpr quint64 kCustomerStream = 0x43555354ull;
constexpr quint64 kOrderStream = 0x4f524445ull;
constexpr quint64 kDayStream = 0x44415953ull;

// Copies pre-encoded text into a blank-padded field.
inline void putBytes(char *field, const QByteArray &bytes, int width)
{
    std::memcpy(field, bytes.constData(), size_t(std::min<qsizetype>(bytes.size(), width)));
}

struct DayPlan {
    QDate date;
    QByteArray key;  // "yyyymmdd"
    double base = 0; // OLE date of midnight
    int orders = 0;
};

struct CustomerUse {
    double first = 0;
    double last = 0;
    int lastDay = -1;
    qint32 points = 0;
    int completed = 0;
};

// Field texts encoded once, so that a record is assembled by copying bytes.
struct EncodedCatalog {
    std::vector<QByteArray> menuName;
    std::vector<int> menuPrice;
    std::vector<std::vector<int>> menuOptions; // options that suit each item
    std::vector<int> menuCumulative;           // weights of the orderable items
    std::vector<int> menuOrderable;            // their indexes into MenuItems()
    std::vector<QByteArray> option;
    std::vector<QByteArray> staff;
    std::vector<QByteArray> place;
    QByteArray none; // "（なし）"
    QByteArray fee;  // "配達料"
    std::vector<QByteArray> surname, given, city, building, remark;

    EncodedCatalog();
};

// Appends records to a file that replaces the old one only when complete.
class ChunkWriter
{
  public:
    ChunkWriter(const QString &path, int recordLength, const QByteArray &blank)
        : m_file(path), m_length(recordLength), m_blank(blank)
    {
        m_file.setDirectWriteFallback(false);
        m_ok = m_file.open(QIODevice::WriteOnly);
        m_chunk.reserve(kChunkBytes + recordLength);
    }
    // A new record, initialised to the blank record.
    char *append()
    {
        if (m_chunk.size() + m_length > kChunkBytes)
            flush();
        m_chunk.append(m_blank);
        return m_chunk.data() + m_chunk.size() - m_length;
    }
    bool commit(QString *error)
    {
        flush();
        if (m_ok && m_file.commit())
            return true;
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(m_file.fileName(), m_file.errorString());
        m_file.cancelWriting();
        return false;
    }

  private:
    void flush()
    {
        m_ok = m_ok && m_file.write(m_chunk) == m_chunk.size();
        m_chunk.resize(0); // keeps the capacity for the next chunk
    }
    QSaveFile m_file;
    int m_length;
    QByteArray m_blank;
    QByteArray m_chunk;
    bool m_ok = false;
};

struct OrderContext {
    const SampleDataOptions &options;
    const std::vector<DayPlan> &days;
    const EncodedCatalog &cat;
    std::vector<CustomerUse> &use;
    SampleDataSummary &summary;
};

// Spreads the orders over the days ending on `today`.
std::vector<DayPlan> planDays(const SampleDataOptions &options, const QDate &today);
// Writes all orders in time order, updating the customers' use figures and points.
bool writeOrders(const QString &path, OrderContext &ctx, QString *error);

} // namespace SampleDetail
