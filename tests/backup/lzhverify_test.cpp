// The read-back check of new archives, and archives with the larger dictionaries of -lh6- and
// -lh7- (made here with our coder at those sizes) restored through the regular reader.
#include "archivetools.h"
#include "rawlzh.h"

#include "backup/backupdata.h"
#include "backup/crc16.h"
#include "backup/lh5encoder.h"
#include "backup/lhdecoder.h"
#include "backup/lzhreader.h"
#include "backup/lzhverify.h"
#include "backup/lzhwriter.h"
#include "mock/testfolder.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace
{

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(rng.bounded(256));
    return out;
}

// Fixed-width records with a few changing fields, as the record files hold.
QByteArray records(int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        QByteArray r = QByteArray("\x8e\x52\x93\x63  ") + QByteArray::number(rng.bounded(100000)) +
                       QByteArray(40, ' ') + QByteArray::number(i) + QByteArray(60, '\0');
        r.resize(120, ' ');
        out += r;
    }
    return out;
}

TEST(ReadBackCheck, AgreesWithLibarchiveAndCatchesEveryDamage)
{
    QTemporaryDir dir;
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("Empty.snw"), QByteArray()},
        {QStringLiteral("Random.snw"), randomBytes(30000, 3)}, // stored: packing would not pay
        {QStringLiteral("Sales.snw"), records(6000, 5)},
        {QStringLiteral("Blanks.snw"), QByteArray(200000, ' ')},
        {QStringLiteral("顧客.snw"), records(300, 9)},
    };
    std::vector<LzhSource> sources;
    for (const auto &[name, bytes] : files) {
        WriteBytes(dir.filePath(name), bytes);
        sources.push_back({name, dir.filePath(name), QDateTime::fromSecsSinceEpoch(1700000000)});
    }
    const QString archive = dir.filePath(QStringLiteral("a.snb"));
    std::vector<LzhEntryInfo> written;
    {
        QFile out(archive);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WriteLzhArchive(out, sources, &written));
    }
    const auto checked = VerifyLzhArchive(archive);
    ASSERT_TRUE(checked.has_value());
    const auto read = ReadLzhArchive(archive, QString(), [](const LzhEntry &) { return true; });
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(checked->size(), files.size());
    ASSERT_EQ(read->size(), files.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        const QByteArray &bytes = files[int(i)].second;
        EXPECT_EQ((*checked)[i].name, files[int(i)].first);
        EXPECT_EQ((*checked)[i].size, bytes.size());
        EXPECT_EQ((*checked)[i].crc, Crc16(bytes.constData(), std::size_t(bytes.size())));
        EXPECT_EQ((*read)[i].size, (*checked)[i].size);
        EXPECT_EQ((*read)[i].crc, (*checked)[i].crc);
    }

    // Any flipped bit, anywhere, and a cut-short archive fail the check.
    const QByteArray good = ReadBytes(archive);
    const QString damaged = dir.filePath(QStringLiteral("damaged.snb"));
    int tried = 0;
    for (qsizetype at = 0; at < good.size(); at += 1 + good.size() / 97, ++tried) {
        for (int bit : {0, 5}) {
            QByteArray bad = good;
            bad[at] = char(bad[at] ^ (1 << bit));
            WriteBytes(damaged, bad);
            EXPECT_FALSE(VerifyLzhArchive(damaged).has_value()) << "byte " << at << " bit " << bit;
        }
    }
    EXPECT_GT(tried, 90);
    for (qsizetype cut : {qsizetype(1), qsizetype(100), good.size() / 2, good.size() - 1}) {
        WriteBytes(damaged, good.left(cut));
        EXPECT_FALSE(VerifyLzhArchive(damaged).has_value()) << "cut at " << cut;
    }
    EXPECT_FALSE(VerifyLzhArchive(dir.filePath(QStringLiteral("missing.snb"))).has_value());
}

// A valid -lh5- stream of 7 bytes: lhasa unpacks it, libarchive does not. Our writer never makes
// one, so the read-back check refuses it; a restore of another packer's archive unpacks it with our
// own decoder, at every header level, and still refuses it damaged.
TEST(ShortLastBlock, TheCheckRefusesItTheRestoreUnpacksItAndDamageStillFails)
{
    QTemporaryDir dir;
    const QByteArray data = QByteArray::fromHex("0001010100000100");
    const QByteArray packed = QByteArray::fromHex("000800c0400e40");
    const quint16 crc = Crc16(data.constData(), std::size_t(data.size()));
    const QByteArray next = records(40, 2);
    const QString archive = dir.filePath(QStringLiteral("short.snb"));
    const auto restore = [&](const QByteArray &bytes) {
        WriteBytes(archive, bytes);
        const QString out = dir.filePath(QStringLiteral("out"));
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const auto entries = ReadLzhArchive(archive, out, [](const LzhEntry &) { return true; });
        const bool whole = entries && entries->size() == 2 && ReadBytes(out + QStringLiteral("/Bits.snw")) == data &&
                           ReadBytes(out + QStringLiteral("/Next.snw")) == next && (*entries)[0].crc == crc;
        return std::make_pair(entries.has_value(), whole);
    };

    const QByteArray levelTwo = RawLzhPackedEntry("-lh5-", "Bits.snw", packed, data.size(), crc);
    const QByteArray after = RawLzhEntry("-lh0-", "Next.snw", next);
    WriteBytes(archive, RawLzhArchive({levelTwo, after}));
    if (HaveTool(QStringLiteral("lha"))) {
        const ToolRun run = RunTool(QStringLiteral("lha"), {QStringLiteral("t"), archive});
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    }
    EXPECT_FALSE(VerifyLzhArchive(archive).has_value());
    EXPECT_EQ(restore(RawLzhArchive({levelTwo, after})), std::make_pair(true, true));
    for (int level : {0, 1})
        for (bool extension : {false, true})
            EXPECT_EQ(restore(RawLzhArchive(
                          {RawLzhOldLevelPackedEntry(level, "-lh5-", "Bits.snw", packed, data.size(), crc, extension),
                           after})),
                      std::make_pair(true, true))
                << "level " << level << (extension ? " with an extended header" : "");

    // One bit that matters in each byte (count, tables, codes; not the unused position symbol or padding).
    const int masks[] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x08, 0x80};
    for (int at = 0; at < packed.size(); ++at) {
        QByteArray bad = packed;
        bad[at] = char(bad[at] ^ masks[at]);
        EXPECT_FALSE(
            restore(RawLzhArchive({RawLzhPackedEntry("-lh5-", "Bits.snw", bad, data.size(), crc), after})).first)
            << "byte " << at;
    }
    EXPECT_FALSE(
        restore(RawLzhArchive({RawLzhPackedEntry("-lh5-", "Bits.snw", packed, data.size(), quint16(crc ^ 1)), after}))
            .first);
    EXPECT_FALSE(
        restore(RawLzhArchive({RawLzhPackedEntry("-lh5-", "Bits.snw", packed, data.size() + 1, crc), after})).first);
}

// Data whose repeats lie further back than -lh5-'s 8 KiB window reaches.
QByteArray farRepeats(int blockSize)
{
    const QByteArray block = randomBytes(blockSize, quint32(blockSize));
    return block + block + block.left(blockSize / 2) + records(200, 1);
}

TEST(LargerDictionaries, Lh6AndLh7ArchivesAreRestored)
{
    TestDataFolder data;
    data.write(QStringLiteral("Sales.snw"), QByteArray("current sales"));
    data.write(QStringLiteral("Customer.snw"), QByteArray("current customers"));
    QTemporaryDir dir;
    struct Method {
        QByteArray id;
        int dictBits;
        int blockSize;
        QString name;
    };
    const QList<Method> methods = {{"-lh6-", 15, 20000, QStringLiteral("Sales.snw")},
                                   {"-lh7-", 16, 50000, QStringLiteral("Customer.snw")}};
    QList<QByteArray> entries;
    QMap<QString, QByteArray> expected;
    for (const Method &m : methods) {
        QByteArray original = farRepeats(m.blockSize);
        QBuffer in(&original);
        in.open(QIODevice::ReadOnly);
        QByteArray packed;
        QBuffer out(&packed);
        out.open(QIODevice::WriteOnly);
        const Lh5Result r = EncodeLh(in, out, m.dictBits);
        ASSERT_TRUE(r.ok);
        // The repeats were found at their distance, which -lh5- could not have reached.
        EXPECT_LT(packed.size(), m.blockSize * 13 / 10) << m.id.constData();
        const auto decoded = DecodeLh(reinterpret_cast<const unsigned char *>(packed.constData()), packed.size(),
                                      original.size(), m.dictBits);
        ASSERT_TRUE(decoded.has_value()) << m.id.constData();
        EXPECT_EQ(decoded->crc, r.crc);
        entries << RawLzhPackedEntry(m.id, m.name.toLatin1(), packed, original.size(), r.crc);
        expected.insert(m.name, original);
    }
    const QString archive = dir.filePath(QStringLiteral("other.lzh"));
    WriteBytes(archive, RawLzhArchive(entries));

    if (HaveTool(QStringLiteral("lha"))) {
        const ToolRun run = RunTool(QStringLiteral("lha"), {QStringLiteral("t"), archive});
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    }
    const auto checked = VerifyLzhArchive(archive);
    ASSERT_TRUE(checked.has_value());
    EXPECT_EQ(checked->size(), 2u);

    ASSERT_TRUE(UnpackData(archive));
    EXPECT_EQ(data.read(QStringLiteral("Sales.snw")), expected.value(QStringLiteral("Sales.snw")));
    EXPECT_EQ(data.read(QStringLiteral("Customer.snw")), expected.value(QStringLiteral("Customer.snw")));
}

} // namespace
