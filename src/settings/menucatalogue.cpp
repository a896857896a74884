#include "settings/menucatalogue.h"

#include "store/numbertext.h"
#include "store/settingfiles.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace MenuCatalogue
{

Groups FromTable(const std::vector<MenuEntry> &table)
{
    Groups groups;
    for (size_t i = 1; i < table.size(); ++i) {
        const MenuEntry &e = table[i];
        if (groups.empty() || groups.back().name != e.Group)
            groups.push_back({e.Group, {}});
        if (!e.MenuName.isEmpty())
            groups.back().items.push_back({e.MenuName, CurrencyPlainText(e.Price), e.MenuKana});
    }
    return groups;
}

QString MenuRowsFullText()
{
    return QStringLiteral("メニューの登録数が上限（%1行）に達しているため、これ以上追加できません。").arg(kMaxRows);
}

QString SubItemsFullText()
{
    return QStringLiteral("補助項目の登録数が上限（%1件）に達しているため、これ以上追加できません。").arg(kMaxRows);
}

std::vector<MenuEntry> ToTable(const Groups &groups)
{
    std::vector<MenuEntry> table(1);
    for (const Group &g : groups) {
        if (g.items.empty()) {
            table.push_back({g.name, QString(), 0, QString()});
            continue;
        }
        for (const Item &item : g.items)
            table.push_back({g.name, item.name, ParseCurrencyText(item.priceText).value_or(0), item.kana});
    }
    return table;
}

QString ItemText(const QString &name, const QString &priceText)
{
    return name + QStringLiteral(" (") + QChar(0xA5) + priceText + QLatin1Char(')');
}

bool IsTaken(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseSensitive);
}

bool IsItemTaken(const Group &group, const QString &name, int except)
{
    for (int i = 0; i < static_cast<int>(group.items.size()); ++i) {
        if (i != except && group.items[i].name == name)
            return true;
    }
    return false;
}

void SortByReading(QStringList &texts)
{
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texts.begin(), texts.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

bool Save(SettingTables &tables, const Groups &groups, const QStringList &subItems)
{
    // A table whose file could not be written keeps what its file still holds, so order entry
    // and the write-back at exit do not pass on changes the staff may still decline to save.
    const std::vector<MenuEntry> oldMenu = tables.MenuTable;
    const QStringList oldSub = tables.MenuOptionList;
    tables.MenuTable = ToTable(groups);
    tables.MenuOptionList = QStringList{QString()} + subItems;
    if (!SaveMenuTable(tables, true)) {
        tables.MenuTable = oldMenu;
        tables.MenuOptionList = oldSub;
        return false;
    }
    if (!SaveMenuOptionList(tables, true)) {
        tables.MenuOptionList = oldSub;
        return false;
    }
    return true;
}

} // namespace MenuCatalogue
