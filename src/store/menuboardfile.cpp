// "menub.snw": the menu board, one button per line, BoardMenuName TAB BoardPrice TAB BoardCaption.
// Memory holds 125 slots; only the 120 buttons are written back.
#include "store/helpers.h"
#include "store/numbertext.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"

namespace
{

const FileMessage kReadError{19, QStringLiteral("メニューボードファイル読み込みエラー")};
const QString kEmptySlot = QStringLiteral("00000");

} // namespace

bool LoadMenuBoard(SettingTables &t)
{
    t.MenuBoard.fill(MenuBoardSlot());
    bool failed = false;
    const auto lines = ReadSettingLines(SettingFiles::kMenuBoard, kReadError, &failed);
    if (!lines)
        return !failed;
    int slot = 0;
    for (const QString &line : *lines) {
        // The whole line is read first, so a comma in a name is part of the name.
        const QStringList fields = line.split(QLatin1Char('\t'));
        const auto price = fields.size() >= 3 ? ParseCurrencyText(fields.at(1)) : std::nullopt;
        if (++slot > kMenuBoardSlots || !price) {
            ShowErrorBox(kReadError.code, kReadError.text);
            return false;
        }
        t.MenuBoard[slot] = {fields.at(0), *price, fields.at(2)};
    }
    return true;
}

bool SaveMenuBoard(const SettingTables &t)
{
    QStringList lines;
    for (int k = 1; k <= kMenuBoardWrittenSlots; ++k) {
        const MenuBoardSlot &s = t.MenuBoard[k];
        lines << (s.BoardMenuName.isEmpty() ? kEmptySlot : OneField(s.BoardMenuName)) + QLatin1Char('\t') +
                     CurrencyPlainText(s.BoardPrice) + QLatin1Char('\t') +
                     (s.BoardCaption.isEmpty() ? kEmptySlot : OneField(s.BoardCaption));
    }
    // The menu-board window reports a failure itself.
    return WriteSettingLines(SettingFiles::kMenuBoard, lines, {19, QString()});
}
