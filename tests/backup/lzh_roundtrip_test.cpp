// Archives we write, read back by our reader and by lhasa's and libarchive's command-line tools.
#include "archivetools.h"

#include "backup/crc16.h"
#include "backup/lzhreader.h"
#include "backup/lzhwriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace
{

struct Sample {
    QString name;
    QByteArray bytes;
};

QByteArray textLike(int size, quint32 seed)
{
    // Record-like data: fixed-width fields, CP932 names, numbers, long blank runs.
    QRandomGenerator rng(seed);
    const QList<QByteArray> words = {"\x8e\x52\x93\x63\x91\xbe\x98\x59",
                                     "\x82\xe7\x81\x5b\x82\xdf\x82\xf1",
                                     "03-1234-5678",
                                     "       ",
                                     "\x90\x5f\x8f\x68\x8b\xe6",
                                     "1200",
                                     "\0\0\0\0"};
    QByteArray out;
    while (out.size() < size)
        out += words[int(rng.bounded(quint32(words.size())))];
    out.truncate(size);
    return out;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(rng.bounded(256));
    return out;
}

// Few distinct bytes, few long repeats: mostly literals, so the data spans several blocks.
QByteArray manySymbols(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = "ACGT"[rng.bounded(4)];
    return out;
}

std::vector<Sample> samples()
{
    return {
        {QStringLiteral("Empty.snw"), QByteArray()},
        {QStringLiteral("One.snw"), QByteArray("x")},
        {QStringLiteral("Repeat.snw"), QByteArray(300000, 'A')},
        {QStringLiteral("Random.snw"), randomBytes(70000, 7)},
        {QStringLiteral("Sales.snw"), textLike(200000, 11)},
        {QStringLiteral("Short.snw"), QByteArray("abcabcabcabcabcabd")},
        {QStringLiteral("Blocks.snw"), manySymbols(1000000, 5)},
        {QStringLiteral("顧客ソ表.snw"), textLike(5000, 3)},
    };
}

class LzhArchive : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        src = dir.filePath(QStringLiteral("src"));
        QDir().mkpath(src);
        std::vector<LzhSource> sources;
        for (const Sample &s : samples()) {
            QFile f(src + QLatin1Char('/') + s.name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(s.bytes);
            f.close();
            sources.push_back({s.name, f.fileName(), QDateTime::fromSecsSinceEpoch(1700000000)});
        }
        archive = dir.filePath(QStringLiteral("a.snb"));
        QFile out(archive);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WriteLzhArchive(out, sources, &written));
    }
    QTemporaryDir dir;
    QString src;
    QString archive;
    std::vector<LzhEntryInfo> written;
};

TEST_F(LzhArchive, OurReaderGetsBackEveryByteAndTheWriterReportsTheRightCrcs)
{
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    const auto entries = ReadLzhArchive(archive, out, [](const LzhEntry &) { return true; });
    ASSERT_TRUE(entries.has_value());
    const auto all = samples();
    ASSERT_EQ(entries->size(), all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const LzhEntry &e = (*entries)[i];
        EXPECT_EQ(e.name, all[i].name);
        EXPECT_TRUE(e.regularFile);
        EXPECT_EQ(e.size, all[i].bytes.size()) << e.name.toStdString();
        EXPECT_EQ(e.crc, Crc16(all[i].bytes.constData(), std::size_t(all[i].bytes.size())));
        EXPECT_EQ(written[i].crc, e.crc);
        EXPECT_EQ(e.modified, QDateTime::fromSecsSinceEpoch(1700000000));
        QFile f(out + QLatin1Char('/') + e.name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == all[i].bytes) << e.name.toStdString();
    }
    // Compression works where it can: the repetitive and record-like files shrink a lot.
    EXPECT_LT(QFileInfo(archive).size(), 70000 + 200000 / 3 + 1000000 / 3 + 20000);
}

TEST(Crc16, MatchesTheArcCheckValueInOneGoAndInPieces)
{
    const QByteArray check("123456789");
    EXPECT_EQ(Crc16(check.constData(), 9), 0xBB3D);
    const QByteArray longer = QByteArray("0123456789abcdefXYZ").repeated(7);
    std::uint16_t pieces = 0;
    for (int at = 0; at < longer.size(); at += 5)
        pieces = Crc16Update(pieces, longer.constData() + at, std::size_t(std::min<qsizetype>(5, longer.size() - at)));
    EXPECT_EQ(pieces, Crc16(longer.constData(), std::size_t(longer.size())));
}

TEST_F(LzhArchive, LhasaTestsTheArchiveClean)
{
    if (!HaveTool(QStringLiteral("lha")))
        GTEST_SKIP() << "lha (lhasa) not installed";
    const ToolRun run = RunTool(QStringLiteral("lha"), {QStringLiteral("t"), archive});
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(QLatin1String("CRC"), Qt::CaseInsensitive) &&
                 run.output.contains(QLatin1String("error"), Qt::CaseInsensitive))
        << run.output.toStdString();
}

TEST_F(LzhArchive, BsdtarListsTheCp932NamesAndExtractsIdenticalFiles)
{
    if (!HaveTool(QStringLiteral("bsdtar")))
        GTEST_SKIP() << "bsdtar not installed";
    const QStringList charset = {QStringLiteral("--options"), QStringLiteral("hdrcharset=CP932")};
    const ToolRun list = RunTool(QStringLiteral("bsdtar"), charset + QStringList{QStringLiteral("-tvf"), archive});
    ASSERT_TRUE(list.started);
    EXPECT_EQ(list.exitCode, 0) << list.output.toStdString();
    EXPECT_TRUE(list.output.contains(QStringLiteral("顧客ソ表.snw"))) << list.output.toStdString();

    const QString out = dir.filePath(QStringLiteral("bsd"));
    QDir().mkpath(out);
    const ToolRun x = RunTool(QStringLiteral("bsdtar"), charset + QStringList{QStringLiteral("-xf"), archive}, out);
    EXPECT_EQ(x.exitCode, 0) << x.output.toStdString();
    for (const Sample &s : samples()) {
        QFile f(out + QLatin1Char('/') + s.name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s.name.toStdString();
        EXPECT_TRUE(f.readAll() == s.bytes) << s.name.toStdString();
    }
}

// libarchive, which restores, refuses a stream whose last block starts fewer than 8 bytes before
// its end, though lhasa reads it. Tiny files that still compress, and zeros that fill one block
// and spill a few codes into the next, give such ends.
TEST(LzhArchiveEnds, TinyStreamsAndShortLastBlocksAreRestored)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Sample> files = {{QStringLiteral("Bits.snw"), QByteArray::fromHex("0001010100000100")}};
    // A literal and 65534 longest matches fill the first block; the matches left over make a
    // last block of a few bits. How the first block's tables fall decides where that one starts.
    constexpr int kOneBlockOfZeros = 1 + 65534 * 256;
    for (int lead : {5, 12})
        files.push_back({QStringLiteral("Zeros%1.snw").arg(lead),
                         QByteArray("The quick brown fox").left(lead) + QByteArray(kOneBlockOfZeros, '\0')});

    std::vector<LzhSource> sources;
    for (const Sample &s : files) {
        const QString path = dir.filePath(s.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(s.bytes) == s.bytes.size());
        sources.push_back({s.name, path, QDateTime::fromSecsSinceEpoch(1700000000)});
    }
    const QString archive = dir.filePath(QStringLiteral("a.snb"));
    {
        QFile out(archive);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_TRUE(WriteLzhArchive(out, sources, nullptr));
    }
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    const auto entries = ReadLzhArchive(archive, out, [](const LzhEntry &) { return true; });
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), files.size());
    for (const Sample &s : files) {
        QFile f(out + QLatin1Char('/') + s.name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s.name.toStdString();
        EXPECT_TRUE(f.readAll() == s.bytes) << s.name.toStdString();
    }
}

} // namespace
