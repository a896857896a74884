#include "customers/postalsearch.h"

#include "customers/zipnofinder.h"
#include "platform/prompt.h"
#include "store/helpers.h"

std::optional<ZipDirection> LookupDirection(const QString &zipField, const QString &addressField)
{
    if (zipField.isEmpty())
        return ZipDirection::AddressToZip;
    if (addressField.isEmpty())
        return ZipDirection::ZipToAddress;
    return std::nullopt;
}

QString LookupKey(ZipDirection direction, const QString &text)
{
    if (direction == ZipDirection::ZipToAddress) {
        QString digits = text;
        digits.remove(QLatin1Char('-'));
        return TrimField(digits);
    }
    return TrimField(text);
}

QStringList SearchPostalCodes(ZipNoFinder &finder)
{
    QStringList lines;
    if (!finder.IsOpen()) {
        ShowErrorBox(50, QStringLiteral("郵便番号データベースの読み込みエラー"));
        return lines;
    }
    const int count = finder.ResultCount();
    switch (count) {
    case 0:
        Prompt().ask({PromptIcon::Warning, QStringLiteral("検索エラー"),
                      QStringLiteral("該当する郵便番号・住所がございません。\r\n"
                                     "郵便番号を検索する時は、都道府県名・番地を省いて下さい。"),
                      PromptButtons::Ok});
        return lines;
    case -1:
        ShowErrorBox(50, QStringLiteral("郵便番号データベースの読み込みエラーです。"));
        return lines;
    case -2:
        Prompt().ask({PromptIcon::None, QString(), QStringLiteral("検索条件を設定して下さい"), PromptButtons::Ok});
        return lines;
    case -3:
        Prompt().ask(
            {PromptIcon::None, QString(), QStringLiteral("検索用のエリアを確保できません"), PromptButtons::Ok});
        return lines;
    default:
        break;
    }
    if (count < 0)
        return lines;
    if (finder.IsTruncated())
        ShowWarning(QStringLiteral("該当住所が絞れません"), QStringLiteral("全てを検索出来なかった可能性があります"));
    for (int i = 0; i < count; ++i)
        lines << LookupLine(finder, i);
    return lines;
}

QString LookupLine(ZipNoFinder &finder, int i)
{
    QString zip = finder.ResultZip(i);
    const bool office = zip.endsWith(QLatin1Char('*'));
    if (office)
        zip.chop(1);
    return zip + QLatin1Char(' ') + finder.ResultAddress(i) + (office ? QStringLiteral(" [×]") : QString());
}

std::pair<QString, QString> LookupChoice(const QString &line)
{
    return {line.mid(0, 3) + line.mid(4, 4), line.mid(9)};
}
