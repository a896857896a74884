#pragma once
// The menu board as the board settings window edits it: a working copy of the 125 slots, the
// caption rules of the grid, and the row operations. Slots 121..125 are carried along but never
// shown or written.
#include "store/settingtables.h"

#include <QString>

#include <array>
#include <optional>

namespace MenuBoardLayout
{

using Slots = std::array<MenuBoardSlot, kMenuBoardSlots + 1>;

constexpr int kButtons = kMenuBoardWrittenSlots;
constexpr int kColumns = 5;
constexpr int kRows = kButtons / kColumns;
// The mark of an empty name or caption.
inline const QString kEmpty = QStringLiteral("00000");

int RowOf(int k);    // 1..24
int ColumnOf(int k); // 1..5
// The first column is wide enough for 6 characters, the others for 3.
QString CutCaption(const QString &text, int k);

bool IsEmptyName(const MenuBoardSlot &slot);
// The text the settings grid shows for a slot: none for an empty caption.
QString ShownCaption(const MenuBoardSlot &slot);

// Puts an item on button k, its caption cut by k's column.
void Assign(Slots &board, int k, const QString &name, qint64 price, const QString &caption);
void EmptySlot(Slots &board, int k);
void EmptyRow(Slots &board, int row);
// Exchanges two rows column by column.
void ExchangeRows(Slots &board, int rowA, int rowB);

// What a catalogue item carries when dragged: name TAB price TAB reading.
QString ItemTag(const MenuEntry &entry);
struct DroppedItem {
    QString name;
    QString priceText;
};
// The item a drop carries; nullopt for anything that is not an item (not three TAB-separated
// parts, or an empty name or price).
std::optional<DroppedItem> ParseDrop(const QString &text);

// The price as the dialogs show it: "1,280".
QString PriceText(qint64 currency);

// What saving does: the working copy becomes the board, an empty name or caption becomes
// "00000" there too, and the file is rewritten. False when the file could not be written.
bool Save(const Slots &working, SettingTables &tables);

} // namespace MenuBoardLayout
