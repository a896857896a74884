// The postal-code finder over databases built from handmade sources: the matching rules, the
// result limit, KEN_ALL input, and files that are damaged or cut short.
#include "ziptestdata.h"

#include "customers/zipdb.h"
#include "customers/zipnofinder.h"
#include "customers/zipsources.h"
#include "store/cp932.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace
{

struct Match {
    QString zip, address;
    bool operator==(const Match &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Match &m)
{
    return os << m.zip.toStdString() << ' ' << m.address.toStdString();
}

class ZipFinder : public ::testing::Test
{
  protected:
    void SetUp() override { BuildHandmadeZipDb(dir.path()); }

    // Every match of a search, or the negative count alone.
    std::vector<Match> find(const QString &zip, const QString &address, int *count = nullptr)
    {
        ZipNoFinder f;
        f.setDatabaseFile(dir.filePath(QStringLiteral("ZipDB.IDX")));
        f.setZipKey(zip);
        f.setAddressKey(address);
        std::vector<Match> out;
        const int n = f.ResultCount();
        if (count)
            *count = n;
        for (int i = 0; i < n; ++i)
            out.push_back({f.ResultZip(i), f.ResultAddress(i)});
        return out;
    }

    QTemporaryDir dir;
};

const Match kChiyoda{"100-0001", "東京都千代田区千代田"};
const Match kKunaicho{"100-8111*", "東京都千代田区千代田１－１（宮内庁）"};

} // namespace

TEST_F(ZipFinder, CodeKeysFindExactCodesAndPrefixesInAnyWidth)
{
    EXPECT_EQ(find("1000001", ""), std::vector<Match>{kChiyoda});
    EXPECT_EQ(find("１００－０００１", ""), std::vector<Match>{kChiyoda});
    EXPECT_EQ(find("〒100 0001", ""), std::vector<Match>{kChiyoda});
    // A business code carries the marker; its office name follows the address.
    EXPECT_EQ(find("1008111", ""), std::vector<Match>{kKunaicho});

    const std::vector<Match> prefix = find("100", "");
    ASSERT_EQ(prefix.size(), 7u);
    EXPECT_EQ(prefix.front(), kChiyoda);
    EXPECT_EQ(prefix.back(), kKunaicho);
    // Two towns under one code are two matches, in source order.
    const std::vector<Match> twoTowns = find("0600042", "");
    ASSERT_EQ(twoTowns.size(), 2u);
    EXPECT_EQ(twoTowns[0].address, QStringLiteral("北海道札幌市中央区大通西"));

    int count = 0;
    find("10", "", &count);
    EXPECT_EQ(count, -2) << "two digits are no usable key";
    find("", "", &count);
    EXPECT_EQ(count, -2);
    find("1000009", "", &count);
    EXPECT_EQ(count, 0);
    find("abc", "", &count);
    EXPECT_EQ(count, 0);
    // Both keys: the codes whose address also holds the address key.
    EXPECT_EQ(find("100", "有楽町"), (std::vector<Match>{{"100-0006", "東京都千代田区有楽町"}}));
}

TEST_F(ZipFinder, AddressKeysMatchPartsOfAddressesWhateverTheirForm)
{
    EXPECT_EQ(find("", "千代田区千代田"), (std::vector<Match>{kChiyoda, kKunaicho}));
    // Blanks, a street number and a prefecture-less key: the town is still found.
    EXPECT_EQ(find("", "千代田区　千代田"), (std::vector<Match>{kChiyoda, kKunaicho}));
    EXPECT_EQ(find("", "目黒区下目黒3-1-1"), (std::vector<Match>{{"153-0064", "東京都目黒区下目黒"}}));
    // "1-1", "１丁目１番地" and "１−１" are one street number.
    for (const QString key :
         {QStringLiteral("千代田1-1"), QStringLiteral("千代田１丁目１番地"), QStringLiteral("千代田一丁目1")})
        EXPECT_EQ(find("", key), std::vector<Match>{kKunaicho}) << key.toStdString();
    EXPECT_EQ(find("", "北三条西6-"),
              (std::vector<Match>{{"060-8588*", "北海道札幌市中央区北三条西６丁目（北海道庁）"}}));
    // Half-width katakana and the office's name are searchable.
    EXPECT_EQ(find("", "ﾐｯﾄﾞﾗﾝﾄﾞｽｸｴｱ").size(), 2u);
    EXPECT_EQ(find("", "宮内庁"), std::vector<Match>{kKunaicho});
    // A single character is searched too.
    EXPECT_EQ(find("", "橋"), (std::vector<Match>{{"100-0003", "東京都千代田区一ツ橋"}}));
    int count = -9;
    EXPECT_TRUE(find("", "大阪府", &count).empty());
    EXPECT_EQ(count, 0);
}

TEST(ZipFinderLimit, StopsAtTheLimitAndSaysSo)
{
    std::vector<ZipDbEntry> entries;
    for (quint32 i = 0; i < 600; ++i)
        entries.push_back({1230000 + i, false, QStringLiteral("県市町%1").arg(i), {}});
    QTemporaryDir dir;
    QFile f(dir.filePath("ZipDB.IDX"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(BuildZipDbBytes(entries));
    f.close();

    ZipNoFinder finder;
    finder.setDatabaseFile(f.fileName());
    finder.setAddressKey(QStringLiteral("市町"));
    EXPECT_EQ(finder.ResultCount(), ZipNoFinder::kResultLimit);
    EXPECT_TRUE(finder.IsTruncated());
    EXPECT_EQ(finder.ResultZip(499), QStringLiteral("123-0499"));
    EXPECT_EQ(finder.ResultZip(500), QString());

    finder.Reset();
    finder.setZipKey(QStringLiteral("1230")); // 1230000..1230599: 600 codes
    EXPECT_EQ(finder.ResultCount(), ZipNoFinder::kResultLimit);
    EXPECT_TRUE(finder.IsTruncated());
    finder.Reset();
    finder.setZipKey(QStringLiteral("12301")); // 100 codes
    EXPECT_EQ(finder.ResultCount(), 100);
    EXPECT_FALSE(finder.IsTruncated());
}

TEST(ZipSources, KenAllRowsAreJoinedCleanedAndDetectedByContent)
{
    const QString csv = QStringLiteral(
        "01101,\"060  \",\"0600000\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ\",\"ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ\",\"北海道\",\"札幌市中央区\","
        "\"以下に掲載がない場合\",0,0,0,0,0,0\r\n"
        "01101,\"064  \",\"0640941\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ\",\"ｱｻﾋｶﾞｵｶ\",\"北海道\",\"札幌市中央区\","
        "\"旭ケ丘\",0,0,1,0,0,0\r\n"
        "01101,\"060  \",\"0600042\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ\",\"ｵｵﾄﾞｵﾘﾆｼ\",\"北海道\",\"札幌市中央区\","
        "\"大通西（１～１９丁目、\",1,0,1,0,0,0\r\n"
        "01101,\"060  \",\"0600042\",\"ﾎｯｶｲﾄﾞｳ\",\"ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ\",\"ｵｵﾄﾞｵﾘﾆｼ\",\"北海道\",\"札幌市中央区\","
        "\"２０丁目）\",1,0,1,0,0,0\r\n"
        "23105,\"450  \",\"4506201\",\"ｱｲﾁｹﾝ\",\"ﾅｺﾞﾔｼﾅｶﾑﾗｸ\",\"ﾒｲｴｷ\",\"愛知県\",\"名古屋市中村区\","
        "\"名駅ミッドランドスクエア（１階）\",0,0,0,0,0,0\r\n");
    QTemporaryDir dir;
    const QString path = dir.filePath("ken_all.csv");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ToCp932(csv));
    f.close();
    EXPECT_EQ(DetectZipSource(ToCp932(csv)), ZipSourceKind::KenAllCsv);
    EXPECT_EQ(DetectZipSource(HandmadeSkkDictionary()), ZipSourceKind::SkkDictionary);
    EXPECT_EQ(DetectZipSource("hello, world\n"), ZipSourceKind::Unknown);

    std::vector<ZipSourceReport> reports;
    qint64 size = 0;
    QString error;
    ASSERT_TRUE(BuildZipDbFile(dir.filePath("ZipDB.IDX"), {path}, &reports, &size, &error)) << error.toStdString();
    EXPECT_EQ(reports.at(0).entries, 4);
    const auto db = ZipDatabase::open(dir.filePath("ZipDB.IDX"));
    ASSERT_NE(db, nullptr);
    QStringList listed;
    for (quint32 i = 0; i < db->count(); ++i)
        listed << QString::number(db->code(i)) + QLatin1Char(' ') + db->display(i);
    EXPECT_EQ(listed, QStringList({"600000 北海道札幌市中央区", "600042 北海道札幌市中央区大通西",
                                   "640941 北海道札幌市中央区旭ケ丘",
                                   "4506201 愛知県名古屋市中村区名駅ミッドランドスクエア（１階）"}));

    // A file of neither kind is refused and the database is left as it was.
    QFile other(dir.filePath("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("hello\n");
    other.close();
    EXPECT_FALSE(BuildZipDbFile(dir.filePath("ZipDB.IDX"), {other.fileName()}, &reports, &size, &error));
    EXPECT_NE(ZipDatabase::open(dir.filePath("ZipDB.IDX")), nullptr);
}

TEST(ZipSources, UndecodableBytesCostOneMarkEach)
{
    int bad = 0;
    const QByteArray bytes = ToEucJis2004(QStringLiteral("1000001 /東京都")) + QByteArray("\xA1\x20") +
                             ToEucJis2004(QStringLiteral("千代田/\n"));
    const QString text = DecodeEucJis2004(bytes, &bad);
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(text, QStringLiteral("1000001 /東京都〓 千代田/\n"));
}

TEST(ZipDatabaseFile, DamagedOrCutShortFilesAreRefusedWithoutACrash)
{
    QTemporaryDir dir;
    BuildHandmadeZipDb(dir.path());
    const QString path = dir.filePath("ZipDB.IDX");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    ASSERT_NE(ZipDatabase::fromBytes(good), nullptr);

    auto refusedByFinder = [&](const QByteArray &bytes) {
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        ZipNoFinder finder;
        finder.setDatabaseFile(path);
        finder.setZipKey(QStringLiteral("1000001"));
        return !finder.IsOpen() && finder.ResultCount() == -1;
    };
    EXPECT_TRUE(refusedByFinder(QByteArray()));
    EXPECT_TRUE(refusedByFinder("SNZIPDX" + good.mid(7)));
    for (qsizetype cut : {qsizetype(10), qsizetype(64), good.size() / 2, good.size() - 1})
        EXPECT_TRUE(refusedByFinder(good.left(cut))) << cut;
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x40);
    EXPECT_TRUE(refusedByFinder(flipped)) << "the checksum catches a changed byte";

    ZipNoFinder missing;
    missing.setDatabaseFile(dir.filePath("nothing.IDX"));
    missing.setAddressKey(QStringLiteral("千代田"));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.ResultCount(), -1);

    // A forged file with a valid checksum but offsets past its end, at every field of the
    // header and the first entry: still refused.
    auto forge = [](QByteArray bytes) {
        const auto *body = reinterpret_cast<const uchar *>(bytes.constData()) + kZipDbHeaderSize;
        qToLittleEndian(ZipDbChecksum(body, bytes.size() - kZipDbHeaderSize), bytes.data() + 40);
        return bytes;
    };
    for (int at : {12, 16, 20, 24, 64 + 4, 64 + 8, 64 + 12, 64 + 14}) {
        QByteArray bad = good;
        bad[at + 1] = char(0x7F);
        EXPECT_EQ(ZipDatabase::fromBytes(forge(bad)), nullptr) << at;
    }
    // Damaged postings under a valid checksum: searches end early instead of reading astray.
    QByteArray postings = good;
    for (qsizetype i = postings.size() - 40; i < postings.size(); ++i)
        postings[i] = char(0xFF);
    const auto db = ZipDatabase::fromBytes(forge(postings));
    ASSERT_NE(db, nullptr);
    bool more = false;
    for (const QString key : {QStringLiteral("千代田"), QStringLiteral("目黒"), QStringLiteral("西")})
        for (quint32 i : db->findAddress(key, 500, &more))
            EXPECT_LT(i, db->count());
}

TEST(ZipDebianData, BuildsFromTheDebianDictionariesAndFindsChiyoda)
{
    if (!QFile::exists(kDebianZipDictionary))
        GTEST_SKIP() << "skkdic-extra is not installed";
    QTemporaryDir dir;
    std::vector<ZipSourceReport> reports;
    qint64 size = 0;
    QString error;
    ASSERT_TRUE(BuildZipDbFile(dir.filePath("ZipDB.IDX"), {}, &reports, &size, &error)) << error.toStdString();
    EXPECT_GT(reports.at(0).entries, 100000);
    ZipNoFinder finder;
    finder.setDatabaseFile(dir.filePath("ZipDB.IDX"));
    finder.setZipKey(QStringLiteral("1000001"));
    ASSERT_EQ(finder.ResultCount(), 1);
    EXPECT_EQ(finder.ResultZip(0), QStringLiteral("100-0001"));
    EXPECT_EQ(finder.ResultAddress(0), QStringLiteral("東京都千代田区千代田"));
    finder.Reset();
    finder.setAddressKey(QStringLiteral("東京都"));
    EXPECT_EQ(finder.ResultCount(), ZipNoFinder::kResultLimit);
    EXPECT_TRUE(finder.IsTruncated());
}
