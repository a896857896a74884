#include "directmail/dmpaper.h"

#include "store/helpers.h"
#include "store/preferences.h"

#include <vector>

namespace
{

constexpr PrefKey kKeys[5] = {PrefKey::LabelTop, PrefKey::LabelLeft, PrefKey::LabelWidth, PrefKey::LabelHeight,
                              PrefKey::LabelRows};
constexpr int kHeightField = 3;

double ValueOf(const QString &text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char(','));
    return plain.toDouble();
}

} // namespace

DmPaperTexts ReadDmPaperTexts()
{
    DmPaperTexts out;
    for (int i = 0; i < 5; ++i) {
        const QString stored = prefvalue::Text(kKeys[i]);
        out[size_t(i)] = stored.isEmpty() ? QString::fromLatin1(PrefEntryOf(kKeys[i]).defaultText) : stored;
    }
    return out;
}

void StoreDmPaperTexts(const DmPaperTexts &texts)
{
    for (int i = 0; i < 5; ++i)
        prefvalue::Store(kKeys[i], texts[size_t(i)]);
}

DmPaperTexts DefaultDmPaperTexts()
{
    return {QStringLiteral("23.5"), QStringLiteral("7"), QStringLiteral("64"), QStringLiteral("33.9"),
            QStringLiteral("7")};
}

std::vector<DmPaperRefusal> CheckDmPaperField(int field, const QString &text)
{
    if (text.isEmpty())
        return {};
    if (!IsNumericInput(text))
        return {{kNotNumericTitle, kNotNumericText}};
    std::vector<DmPaperRefusal> out;
    const double v = ValueOf(text);
    if (v < 0 || v > 200)
        out.push_back({QStringLiteral("不正な値"), QStringLiteral("不正な数値が入力されました。")});
    if (field == kHeightField && v < 24.6)
        out.push_back({QStringLiteral("不正な値"), QStringLiteral("24.6mm未満は設定できません。")});
    return out;
}

std::vector<DmPaperRefusal> CheckDmPaperSheet(const DmPaperTexts &t)
{
    const double up = ValueOf(t[0]), left = ValueOf(t[1]), width = ValueOf(t[2]), height = ValueOf(t[3]),
                 rows = ValueOf(t[4]);
    // A hair of tolerance: 7 + 3 x 67.6 is 209.8 and must not come out above 210 by rounding.
    constexpr double kEps = 1e-9;
    if (left + 3 * width > 210 + kEps)
        return {{QStringLiteral("不正な設定"), QStringLiteral("横幅がA4サイズ（210mm）を超えています。")}};
    if (up + height * rows > 297 + kEps)
        return {{QStringLiteral("不正な設定"), QStringLiteral("縦幅がA4サイズ（297mm）を超えています。")}};
    return {};
}
