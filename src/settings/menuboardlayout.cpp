#include "settings/menuboardlayout.h"

#include "store/numbertext.h"
#include "store/settingfiles.h"

#include <QLocale>
#include <QStringList>

#include <utility>

namespace MenuBoardLayout
{

int RowOf(int k)
{
    return (k - 1) / kColumns + 1;
}

int ColumnOf(int k)
{
    return (k - 1) % kColumns + 1;
}

QString CutCaption(const QString &text, int k)
{
    return text.left(ColumnOf(k) == 1 ? 6 : 3);
}

bool IsEmptyName(const MenuBoardSlot &slot)
{
    // A board never saved holds blank board; they are as empty as "00000".
    return slot.BoardMenuName == kEmpty || slot.BoardMenuName.isEmpty();
}

QString ShownCaption(const MenuBoardSlot &slot)
{
    return slot.BoardCaption == kEmpty ? QString() : slot.BoardCaption;
}

void Assign(Slots &board, int k, const QString &name, qint64 price, const QString &caption)
{
    board[k] = {name, price, CutCaption(caption, k)};
}

void EmptySlot(Slots &board, int k)
{
    board[k] = {kEmpty, 0, kEmpty};
}

void EmptyRow(Slots &board, int row)
{
    for (int c = 1; c <= kColumns; ++c)
        EmptySlot(board, (row - 1) * kColumns + c);
}

void ExchangeRows(Slots &board, int rowA, int rowB)
{
    for (int c = 1; c <= kColumns; ++c)
        std::swap(board[(rowA - 1) * kColumns + c], board[(rowB - 1) * kColumns + c]);
}

QString ItemTag(const MenuEntry &entry)
{
    return entry.MenuName + QLatin1Char('\t') + CurrencyPlainText(entry.Price) + QLatin1Char('\t') + entry.MenuKana;
}

std::optional<DroppedItem> ParseDrop(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.size() != 3 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
        return std::nullopt;
    return DroppedItem{parts.at(0), parts.at(1)};
}

QString PriceText(qint64 currency)
{
    // Whole yen, rounded half away from zero as the currency display does.
    const qint64 yen = (currency >= 0 ? currency + 5000 : currency - 5000) / 10000;
    return QLocale(QLocale::English).toString(yen);
}

bool Save(const Slots &working, SettingTables &tables)
{
    tables.MenuBoard = working;
    for (int k = 1; k <= kButtons; ++k) {
        MenuBoardSlot &s = tables.MenuBoard[k];
        if (s.BoardMenuName.isEmpty())
            s.BoardMenuName = kEmpty;
        if (s.BoardCaption.isEmpty())
            s.BoardCaption = kEmpty;
    }
    return SaveMenuBoard(tables);
}

} // namespace MenuBoardLayout
