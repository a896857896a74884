// "Shop.snw": the shop's own data and the point-service rules, one value per line.
#include "store/helpers.h"
#include "store/settingfiles.h"
#include "store/textfile.h"

#include <QFileInfo>

#include <array>

namespace
{

constexpr int kReadErrorCode = 3;
constexpr int kWriteErrorCode = 15;
const QString kReadError = QStringLiteral("店舗ファイル読み込みエラー");
const QString kWriteError = QStringLiteral("店舗ファイル書き込みエラー");

// Lines 1-9 have always been in the file; lines 10-15 came with the point service, so
// files written before it lack them and must still load.
constexpr int kRequiredLines = 9;

// The fifteen values in file order, as pointers into the table.
std::array<QString *, 15> FileOrder(ShopSettings &s)
{
    return {&s.ShopName,     &s.ShopZip,       &s.ShopAddress, &s.ShopTel[0],   &s.ShopTel[1],
            &s.ShopTel[2],   &s.TaxRate,       &s.NoticeLine,  &s.NoteText,     &s.PointService,
            &s.PointYenUnit, &s.PointsPerUnit, &s.PointStep,   &s.PointStepYen, &s.PointValidMonths};
}

void ApplyDefaults(ShopSettings &s)
{
    const auto orDefault = [](QString &value, const QString &fallback) {
        if (value.isEmpty())
            value = fallback;
    };
    const QString zero = QStringLiteral("0");
    orDefault(s.TaxRate, zero);
    orDefault(s.NoticeLine, kDefaultNoticeLine);
    orDefault(s.PointService, zero);
    orDefault(s.PointYenUnit, zero);
    orDefault(s.PointsPerUnit, zero);
    orDefault(s.PointStep, zero);
    orDefault(s.PointStepYen, zero);
    orDefault(s.PointValidMonths, zero);
}

} // namespace

bool LoadShopSettings(SettingTables &t)
{
    t.Shop = ShopSettings{};
    if (QFileInfo::exists(SettingFiles::kShop)) {
        const std::optional<QStringList> lines = ReadCp932Lines(SettingFiles::kShop);
        const auto values = FileOrder(t.Shop);
        const int available = lines ? int(lines->size()) : 0;
        for (int i = 0; i < int(values.size()) && i < available; ++i)
            *values[i] = lines->at(i);
        // A short file is damaged: report it and keep what was read, without defaults, so
        // the damage stays visible instead of being papered over.
        if (!lines || available < kRequiredLines) {
            ShowErrorBox(kReadErrorCode, kReadError);
            return false;
        }
    }
    ApplyDefaults(t.Shop);
    return true;
}

bool SaveShopSettings(const SettingTables &t)
{
    ShopSettings copy = t.Shop;
    QStringList lines;
    for (QString *value : FileOrder(copy)) {
        // A line break inside a value would shift every following line of the file.
        QString line = *value;
        line.remove(QLatin1Char('\r'));
        line.remove(QLatin1Char('\n'));
        lines << line;
    }
    if (!WriteCp932Lines(SettingFiles::kShop, lines)) {
        ShowErrorBox(kWriteErrorCode, kWriteError);
        return false;
    }
    return true;
}
