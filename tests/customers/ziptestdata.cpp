#include "ziptestdata.h"

#include "customers/zipsources.h"

#include <gtest/gtest.h>

#include <QFile>

#include <iconv.h>

QByteArray ToEucJis2004(const QString &text)
{
    const QByteArray in = text.toUtf8();
    iconv_t cd = iconv_open("EUC-JISX0213", "UTF-8");
    EXPECT_NE(cd, iconv_t(-1));
    QByteArray out(in.size() * 2 + 16, '\0');
    char *src = const_cast<char *>(in.constData());
    char *dst = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    EXPECT_NE(iconv(cd, &src, &inLeft, &dst, &outLeft), size_t(-1));
    iconv_close(cd);
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

QByteArray HandmadeSkkDictionary()
{
    return ToEucJis2004(QStringLiteral(";; -*- coding: euc-jis-2004; -*-\n"
                                       ";; okuri-nasi entries.\n"
                                       "0600042 /北海道札幌市中央区大通西/北海道札幌市中央区大通西（１～１９丁目）/\n"
                                       "1000001 /東京都千代田区千代田/\n"
                                       "1000002 /東京都千代田区皇居外苑/\n"
                                       "1000003 /東京都千代田区一ツ橋/\n"
                                       "1000004 /東京都千代田区大手町/\n"
                                       "1000005 /東京都千代田区丸の内/\n"
                                       "1000006 /東京都千代田区有楽町/\n"
                                       "1530064 /東京都目黒区下目黒/\n"
                                       "4506201 /愛知県名古屋市中村区名駅ミッドランドスクエア高層棟（１階）/\n"
                                       "4506202 /愛知県名古屋市中村区名駅ミッドランドスクエア高層棟（２階）/\n"));
}

QByteArray HandmadeSkkOfficeDictionary()
{
    return ToEucJis2004(QStringLiteral(";; -*- coding: euc-jis-2004; -*-\n"
                                       "0608588 /北海道庁 @ 北海道札幌市中央区北三条西６丁目/\n"
                                       "1008111 /宮内庁 @ 東京都千代田区千代田１−１/\n"));
}

void BuildHandmadeZipDb(const QString &folder)
{
    const QString skk = folder + QStringLiteral("/SKK-JISYO.zipcode");
    const QString office = folder + QStringLiteral("/SKK-JISYO.office.zipcode");
    for (const auto &[path, bytes] :
         {std::pair{skk, HandmadeSkkDictionary()}, std::pair{office, HandmadeSkkOfficeDictionary()}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::vector<ZipSourceReport> reports;
    qint64 size = 0;
    QString error;
    ASSERT_TRUE(BuildZipDbFile(folder + QStringLiteral("/ZipDB.IDX"), {skk, office}, &reports, &size, &error))
        << error.toStdString();
}
