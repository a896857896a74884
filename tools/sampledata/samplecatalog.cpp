#include "sampledata/samplecatalog.h"

#include "store/settingtables.h"

namespace SampleCatalog
{

namespace
{
constexpr int kNoodle = 1, kBowl = 2, kSushi = 4;

QStringList fromUtf8(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}
} // namespace

const std::vector<MenuItem> &MenuItems()
{
    static const std::vector<MenuItem> items = {
        {"麺類", "かけそば", 550, "ｶｹｿﾊﾞ", 6, kNoodle},
        {"麺類", "もりそば", 550, "ﾓﾘｿﾊﾞ", 8, kNoodle},
        {"麺類", "ざるそば", 650, "ｻﾞﾙｿﾊﾞ", 9, kNoodle},
        {"麺類", "天ぷらそば", 1100, "ﾃﾝﾌﾟﾗｿﾊﾞ", 7, kNoodle},
        {"麺類", "たぬきそば", 650, "ﾀﾇｷｿﾊﾞ", 4, kNoodle},
        {"麺類", "きつねうどん", 650, "ｷﾂﾈｳﾄﾞﾝ", 5, kNoodle},
        {"麺類", "鍋焼きうどん", 1200, "ﾅﾍﾞﾔｷｳﾄﾞﾝ", 4, kNoodle},
        {"麺類", "カレーうどん", 800, "ｶﾚｰｳﾄﾞﾝ", 4, kNoodle},
        {"麺類", "天ざる", 1350, "ﾃﾝｻﾞﾙ", 5, kNoodle},
        {"麺類", "ラーメン", 700, "ﾗｰﾒﾝ", 6, kNoodle},
        {"丼物", "カツ丼", 950, "ｶﾂﾄﾞﾝ", 10, kBowl},
        {"丼物", "親子丼", 850, "ｵﾔｺﾄﾞﾝ", 8, kBowl},
        {"丼物", "天丼", 1100, "ﾃﾝﾄﾞﾝ", 7, kBowl},
        {"丼物", "他人丼", 900, "ﾀﾆﾝﾄﾞﾝ", 2, kBowl},
        {"丼物", "玉子丼", 700, "ﾀﾏｺﾞﾄﾞﾝ", 3, kBowl},
        {"丼物", "かき揚げ丼", 950, "ｶｷｱｹﾞﾄﾞﾝ", 3, kBowl},
        {"丼物", "鰻重", 2800, "ｳﾅｼﾞｭｳ", 2, kBowl},
        {"寿司", "上にぎり", 2200, "ｼﾞｮｳﾆｷﾞﾘ", 6, kSushi},
        {"寿司", "特上にぎり", 3200, "ﾄｸｼﾞｮｳﾆｷﾞﾘ", 3, kSushi},
        {"寿司", "ちらし寿司", 1800, "ﾁﾗｼｽﾞｼ", 4, kSushi},
        {"寿司", "鉄火巻", 900, "ﾃｯｶﾏｷ", 4, kSushi},
        {"寿司", "かっぱ巻", 500, "ｶｯﾊﾟﾏｷ", 3, kSushi},
        {"寿司", "いなり寿司", 600, "ｲﾅﾘｽﾞｼ", 3, kSushi},
        {"寿司", "助六", 850, "ｽｹﾛｸ", 2, kSushi},
        {"寿司", "海鮮ちらし", 2400, "ｶｲｾﾝﾁﾗｼ", 3, kSushi},
        {"一品料理", "天ぷら盛り合わせ", 1500, "ﾃﾝﾌﾟﾗﾓﾘｱﾜｾ", 3, 0},
        {"一品料理", "鶏の唐揚げ", 700, "ﾄﾘﾉｶﾗｱｹﾞ", 4, 0},
        {"一品料理", "茶碗蒸し", 450, "ﾁｬﾜﾝﾑｼ", 3, 0},
        {"一品料理", "味噌汁", 150, "ﾐｿｼﾙ", 5, 0},
        {"一品料理", "赤だし", 200, "ｱｶﾀﾞｼ", 3, 0},
        {"飲み物", "瓶ビール", 650, "ﾋﾞﾝﾋﾞｰﾙ", 3, 0},
        {"飲み物", "日本酒", 600, "ﾆﾎﾝｼｭ", 1, 0},
        {"飲み物", "ウーロン茶", 250, "ｳｰﾛﾝﾁｬ", 3, 0},
        {"飲み物", "コーラ", 250, "ｺｰﾗ", 2, 0},
        {"飲み物", "オレンジジュース", 250, "ｵﾚﾝｼﾞｼﾞｭｰｽ", 2, 0},
        // A group prepared for the season but not filled yet.
        {"季節限定", "", 0, "", 0, 0},
    };
    return items;
}

const std::vector<Option> &Options()
{
    static const std::vector<Option> options = {
        {"大盛り", kNoodle | kBowl}, {"つゆ別", kNoodle},      {"ネギ抜き", kNoodle | kBowl},
        {"麺かため", kNoodle},       {"ご飯少なめ", kBowl},    {"つゆだく", kBowl},
        {"わさび抜き", kSushi},      {"シャリ小さめ", kSushi}, {"醤油多め", kSushi},
    };
    return options;
}

const std::vector<Town> &Towns()
{
    static const std::vector<Town> towns = {
        {"1540024", "東京都世田谷区三軒茶屋", "世田谷区三軒茶屋", 2},
        {"1540004", "東京都世田谷区太子堂", "世田谷区太子堂", 5},
        {"1540002", "東京都世田谷区下馬", "世田谷区下馬", 6},
        {"1540011", "東京都世田谷区上馬", "世田谷区上馬", 5},
        {"1540012", "東京都世田谷区駒沢", "世田谷区駒沢", 5},
        {"1540016", "東京都世田谷区弦巻", "世田谷区弦巻", 5},
        {"1540017", "東京都世田谷区世田谷", "世田谷区世田谷", 4},
        {"1540023", "東京都世田谷区若林", "世田谷区若林", 5},
        {"1540001", "東京都世田谷区池尻", "世田谷区池尻", 4},
        {"1540003", "東京都世田谷区野沢", "世田谷区野沢", 4},
        {"1540005", "東京都世田谷区三宿", "世田谷区三宿", 2},
        {"1550032", "東京都世田谷区代沢", "世田谷区代沢", 5},
        {"1540014", "東京都世田谷区新町", "世田谷区新町", 3},
        {"1560052", "東京都世田谷区経堂", "世田谷区経堂", 5},
        {"1560051", "東京都世田谷区宮坂", "世田谷区宮坂", 3},
    };
    return towns;
}

const std::vector<Building> &Buildings()
{
    static const std::vector<Building> buildings = {
        {"パークハウス三軒茶屋", 0, 2, 14, 3, 8}, {"三茶ガーデンハイツ", 0, 1, 32, 7, 5},
        {"太子堂コーポ", 1, 4, 3, 12, 3},         {"グランドメゾン下馬", 2, 2, 21, 5, 10},
        {"上馬レジデンス", 3, 4, 9, 1, 6},        {"駒沢パークサイド", 4, 3, 18, 2, 7},
        {"弦巻ハイツ", 5, 1, 7, 15, 4},           {"世田谷ロイヤルマンション", 6, 3, 2, 8, 9},
        {"若林グリーンヒル", 7, 5, 11, 4, 5},     {"池尻タワー", 8, 2, 30, 1, 14},
        {"野沢フラット", 9, 2, 6, 9, 3},          {"三宿ヴィラ", 10, 1, 4, 22, 4},
        {"代沢ハウス", 11, 5, 27, 3, 3},          {"ライオンズマンション経堂", 13, 1, 19, 6, 8},
    };
    return buildings;
}

const QStringList &Staff()
{
    static const QStringList staff = fromUtf8({"山田", "佐藤", "鈴木", "高橋", "伊藤", "中村"});
    return staff;
}

const QStringList &DeliveryPlaces()
{
    static const QStringList places =
        fromUtf8({"裏口", "一階受付", "駐車場", "管理人室", "三軒茶屋駅前交番横", "駒沢公園野球場"});
    return places;
}

const QStringList &Surnames()
{
    static const QStringList names = fromUtf8(
        {"ﾔﾏﾀﾞ",  "ｻﾄｳ",  "ｽｽﾞｷ", "ﾀｶﾊｼ", "ﾀﾅｶ",  "ﾜﾀﾅﾍﾞ", "ｲﾄｳ",   "ﾅｶﾑﾗ", "ｺﾊﾞﾔｼ", "ｶﾄｳ",  "ﾖｼﾀﾞ", "ﾔﾏﾓﾄ", "ｻｻｷ",
         "ﾔﾏｸﾞﾁ", "ﾏﾂﾓﾄ", "ｲﾉｳｴ", "ｷﾑﾗ",  "ﾊﾔｼ",  "ｼﾐｽﾞ",  "ﾔﾏｻﾞｷ", "ﾓﾘ",   "ｱﾍﾞ",   "ｲｹﾀﾞ", "ﾊｼﾓﾄ", "ﾔﾏｼﾀ", "ｲｼｶﾜ",
         "ﾅｶｼﾞﾏ", "ﾏｴﾀﾞ", "ﾌｼﾞﾀ", "ｵｶﾞﾜ", "ｺﾞﾄｳ", "ｵｶﾀﾞ",  "ﾊｾｶﾞﾜ", "ﾑﾗｶﾐ", "ｺﾝﾄﾞｳ", "ｲｼｲ",  "ｻｲﾄｳ", "ｻｶﾓﾄ", "ｴﾝﾄﾞｳ",
         "ｱｵｷ",   "ﾌｼﾞｲ", "ﾆｼﾑﾗ", "ﾌｸﾀﾞ", "ｵｵﾀ",  "ﾐｳﾗ",   "ﾌｼﾞﾜﾗ", "ｵｶﾓﾄ", "ﾏﾂﾀﾞ",  "ﾅｶｶﾞﾜ"});
    return names;
}

const QStringList &GivenNames()
{
    static const QStringList names =
        fromUtf8({"ﾀﾛｳ",  "ｲﾁﾛｳ", "ｹﾝｼﾞ", "ﾋﾛｼ", "ﾀｶｼ", "ﾏｺﾄ", "ﾕｳｷ", "ｼｮｳﾀ", "ﾀﾞｲｽｹ", "ｶｽﾞﾔ",
                  "ﾅｵｷ",  "ﾂﾖｼ",  "ﾊﾅｺ",  "ﾖｳｺ", "ｹｲｺ", "ﾕｷｺ", "ﾐﾎ",  "ｻﾁｺ",  "ｱﾔ",    "ﾕｲ",
                  "ﾒｸﾞﾐ", "ﾄﾓｺ",  "ｱｷﾗ",  "ﾏｻﾙ", "ｻﾄｼ", "ﾐﾂｺ", "ｴﾘ",  "ｶｵﾘ",  "ﾅﾂﾐ",   "ﾏﾕﾐ"});
    return names;
}

const QStringList &Remarks()
{
    static const QStringList remarks = fromUtf8({"インターホン故障中", "裏口から", "犬がいます", "領収書必要",
                                                 "釣銭不要", "建物の奥の階段から", "夜間は門が閉まっています"});
    return remarks;
}

const QList<int> &ServiceDiscounts()
{
    static const QList<int> discounts = {-50, -100, -150, -200, -300, -500};
    return discounts;
}

QStringList ShopLines()
{
    return {QStringLiteral("手打ちそば 空の輪"),
            QStringLiteral("1540024"),
            QStringLiteral("東京都世田谷区三軒茶屋1-27-5"),
            QStringLiteral("03"),
            QStringLiteral("3412"),
            QStringLiteral("5678"),
            QString::number(kTaxRate),
            QStringLiteral("今日も1日頑張りましょう！"),
            QStringLiteral("いつもご利用ありがとうございます。出前は11時から22時まで承ります。"),
            QStringLiteral("1"),
            QString::number(kPointYenUnit),
            QString::number(kPointsPerUnit),
            QString::number(kPointStep),
            QString::number(kPointStepYen),
            QString::number(kPointValidMonths)};
}

QStringList MenuLines()
{
    QStringList lines;
    const QChar tab(QLatin1Char('\t'));
    for (const MenuItem &m : MenuItems())
        lines << QString::fromUtf8(m.group) + tab + QString::fromUtf8(m.name) + tab + QString::number(m.price) + tab +
                     QString::fromUtf8(m.kana);
    return lines;
}

QStringList MenuOptionLines()
{
    QStringList lines;
    for (const Option &o : Options())
        lines << QString::fromUtf8(o.text);
    return lines;
}

QStringList BuildingLines()
{
    QStringList lines;
    for (const Building &b : Buildings())
        lines << QString::fromUtf8(b.name) + QLatin1Char('\t') + QString::fromUtf8(Towns()[size_t(b.town)].cityShort) +
                     QStringLiteral("%1-%2-%3").arg(b.chome).arg(b.ban).arg(b.go);
    return lines;
}

QStringList CtiLines()
{
    return {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("AT\\L1"), QString()};
}

QStringList MenuBoardLines()
{
    const QString empty = QStringLiteral("00000\t0\t00000");
    QStringList lines;
    for (int i = 0; i < kMenuBoardWrittenSlots; ++i)
        lines << empty;
    // One row per main group, in menu order; captions are cut as the board cuts them:
    // six characters in the wide first column, three in the others.
    const char *groups[] = {"麺類", "丼物", "寿司", "一品料理", "飲み物"};
    for (int row = 0; row < 5; ++row) {
        int column = 0;
        for (const MenuItem &m : MenuItems()) {
            if (column == 5 || qstrcmp(m.group, groups[row]) != 0 || m.name[0] == '\0')
                continue;
            const QString name = QString::fromUtf8(m.name);
            const QString caption = name.left(column == 0 ? 6 : 3);
            lines[row * 5 + column] = name + QLatin1Char('\t') + QString::number(m.price) + QLatin1Char('\t') + caption;
            ++column;
        }
    }
    return lines;
}

} // namespace SampleCatalog
