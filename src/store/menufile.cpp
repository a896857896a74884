// "Menu.snw": one catalogue entry per line, Group TAB MenuName TAB Price TAB MenuKana.
// A group without items is kept as one line with an empty name, price 0 and no reading.
#include "store/numbertext.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"
#include "store/helpers.h"

namespace
{
const FileMessage kReadError{4, QStringLiteral("メニューファイル読み込みエラー")};
const FileMessage kWriteError{16, QStringLiteral("メニューファイル書き込みエラー")};
} // namespace

bool LoadMenuTable(SettingTables &t)
{
    t.MenuTable.assign(1, MenuEntry());
    bool failed = false;
    const auto lines = ReadSettingLines(SettingFiles::kMenu, kReadError, &failed);
    if (!lines)
        return !failed;
    for (const QString &line : *lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const auto price = fields.size() >= 4 ? ParseCurrencyText(fields.at(2)) : std::nullopt;
        if (!price) {
            // The entries before the broken line stay loaded.
            ShowErrorBox(kReadError.code, kReadError.text);
            return false;
        }
        t.MenuTable.push_back({fields.at(0), fields.at(1), *price, fields.at(3)});
    }
    return true;
}

bool SaveMenuTable(const SettingTables &t, bool deleteWhenEmpty)
{
    QStringList lines;
    for (size_t i = 1; i < t.MenuTable.size(); ++i) {
        const MenuEntry &e = t.MenuTable[i];
        lines << OneField(e.Group) + QLatin1Char('\t') + OneField(e.MenuName) + QLatin1Char('\t') +
                     CurrencyPlainText(e.Price) + QLatin1Char('\t') + OneField(e.MenuKana);
    }
    return SaveSettingList(SettingFiles::kMenu, lines, deleteWhenEmpty, kWriteError);
}
