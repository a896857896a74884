#pragma once
// The menu catalogue as the catalogue window edits it: groups in order, each with its items in
// order, and the sub-item list. The tables keep a group without items as one placeholder row;
// here such a group is simply a group with no items.
#include "store/settingtables.h"

#include <QStringList>

#include <vector>

namespace MenuCatalogue
{
inline constexpr int kGroupMaxLength = 200;
inline constexpr int kNameMaxLength = 15;
inline constexpr int kPriceMaxLength = 5;
inline constexpr int kSubItemMaxLength = 30;
// The menu files are counted with 16-bit row numbers by every program that reads them.
inline constexpr int kMaxRows = 32767;

struct Item {
    QString name;
    QString priceText; // as typed; becomes a number only when saved
    QString kana;
};

struct Group {
    QString name;
    std::vector<Item> items;
};

using Groups = std::vector<Group>;

// The groups of a 1-based `MenuTable`: a new group starts wherever the group name changes.
Groups FromTable(const std::vector<MenuEntry> &table);
// The 1-based table of `groups`; a group without items becomes one placeholder row.
std::vector<MenuEntry> ToTable(const Groups &groups);

// The refusal shown when the catalogue is full (groups and items share the menu table's rows).
QString MenuRowsFullText();
QString SubItemsFullText();
inline const QString kRowsFullTitle = QStringLiteral("登録数の上限");

// "かけそば (¥500)": the item as the catalogue tree shows it, price text as typed.
QString ItemText(const QString &name, const QString &priceText);

// Exact comparison in every duplicate check: "そば" and "ソバ" are two names.
bool IsTaken(const QStringList &names, const QString &name);
// True when `name` is used by an item of `group` other than the one at `except` (-1: none).
bool IsItemTaken(const Group &group, const QString &name, int except = -1);

// Ascending in the Japanese collation, ignoring case; equal texts keep their order.
void SortByReading(QStringList &texts);

// Rebuilds `MenuTable` and `MenuOptionList` and rewrites "Menu.snw" and "MenuSub.snw"; a file
// whose table came out empty is deleted. When a write fails (the writer has shown its message)
// that table and any not yet written keep their old contents, and false is returned.
bool Save(SettingTables &tables, const Groups &groups, const QStringList &subItems);
} // namespace MenuCatalogue
