#include "settings/menuimport.h"

#include "settings/menucatalogue.h"

#include "store/numbertext.h"

#include <algorithm>

namespace MenuImport
{

QStringList TargetCaptions()
{
    return {QStringLiteral("グループ名"), QStringLiteral("メニュー名"), QStringLiteral("値段"),
            QStringLiteral("ﾒﾆｭｰﾌﾘｶﾞﾅ（半角ｶﾅ）")};
}

ReadStatus ReadSource(const QString &path, CsvTable &rows)
{
    rows.clear();
    return ImportSource::ReadSource(path, rows);
}

QString MappingError(const Mapping &mapping)
{
    if (mapping[GroupTarget] == 0)
        return QStringLiteral("グループ名は必ず設定して下さい。");
    if (mapping[MenuNameTarget] == 0)
        return QStringLiteral("メニュー名は必ず設定して下さい。");
    return {};
}

using ImportSource::Cell;

Outcome ImportRows(const CsvTable &rows, const Mapping &mapping, std::vector<MenuEntry> &menuTable,
                   const std::function<void(int)> &progress)
{
    Outcome outcome;
    outcome.total = int(rows.size());
    std::vector<MenuEntry> accepted;
    // The table's rows are numbered with 16 bits wherever the menu file is read.
    const int rowsBefore = std::max(0, int(menuTable.size()) - 1);
    for (int i = 0; i < outcome.total; ++i) {
        const QStringList &row = rows[size_t(i)];
        MenuEntry entry;
        entry.Group = Cell(row, mapping[GroupTarget]);
        entry.MenuName = Cell(row, mapping[MenuNameTarget]);
        QString refusal;
        if (rowsBefore + int(accepted.size()) >= MenuCatalogue::kMaxRows) {
            refusal = QStringLiteral("登録数の上限を超過：");
        } else if (entry.Group.isEmpty()) {
            refusal = QStringLiteral("グループ名が空白：");
        } else if (entry.MenuName.isEmpty()) {
            refusal = QStringLiteral("メニュー名が空白：");
        } else if (mapping[PriceTarget] != 0) {
            const std::optional<qint64> price = ParseCurrencyText(ToHalfWidth(Cell(row, mapping[PriceTarget])));
            if (price)
                entry.Price = *price;
            else
                refusal = QStringLiteral("値段が不正：");
        }
        if (refusal.isEmpty()) {
            if (mapping[MenuKanaTarget] != 0)
                entry.MenuKana = ToHalfWidth(Cell(row, mapping[MenuKanaTarget]));
            accepted.push_back(std::move(entry));
        } else {
            outcome.failures << refusal + ImportSource::FirstColumns(rows, row);
        }
        if (progress)
            progress(i + 1);
    }
    outcome.accepted = int(accepted.size());
    if (menuTable.empty())
        menuTable.resize(1);
    std::move(accepted.begin(), accepted.end(), std::back_inserter(menuTable));
    SortByGroup(menuTable);
    return outcome;
}

namespace
{

// Maximum group rank over positions, to find the next position holding a greater group.
class MaxTree
{
  public:
    explicit MaxTree(int n)
    {
        while (m_size < n)
            m_size <<= 1;
        m_max.assign(size_t(2 * m_size), -1);
    }
    void set(int pos, int value)
    {
        size_t node = size_t(pos + m_size);
        m_max[node] = value;
        for (node /= 2; node >= 1; node /= 2)
            m_max[node] = std::max(m_max[2 * node], m_max[2 * node + 1]);
    }
    // First position >= from whose value is greater than `value`, or -1.
    int firstGreater(int from, int value) const { return find(1, 0, m_size, from, value); }

  private:
    int find(int node, int lo, int hi, int from, int value) const
    {
        if (hi <= from || m_max[size_t(node)] <= value)
            return -1;
        if (hi - lo == 1)
            return lo;
        const int mid = (lo + hi) / 2;
        const int left = find(2 * node, lo, mid, from, value);
        return left >= 0 ? left : find(2 * node + 1, mid, hi, from, value);
    }
    int m_size = 1;
    std::vector<int> m_max;
};

} // namespace

void SortByGroup(std::vector<MenuEntry> &t)
{
    const int n = int(t.size()) - 1;
    if (n < 2)
        return;
    // QString's operator< compares code unit by code unit, as the exchange sort does.
    std::vector<QString> names;
    names.reserve(size_t(n));
    for (int i = 1; i <= n; ++i)
        names.push_back(t[size_t(i)].Group);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::vector<int> rank(size_t(n) + 1, -1);
    MaxTree tree(n + 1);
    for (int i = 1; i <= n; ++i) {
        rank[size_t(i)] = int(std::lower_bound(names.begin(), names.end(), t[size_t(i)].Group) - names.begin());
        tree.set(i, rank[size_t(i)]);
    }
    // Pass i of the exchange sort swaps row i with every later row that is greater than what
    // row i then holds: those rows form a chain of ever greater groups, and the pass rotates
    // the rows along that chain. Finding the chain through the tree gives the same order.
    std::vector<int> chain;
    for (int i = 1; i < n; ++i) {
        chain.clear();
        int value = rank[size_t(i)];
        for (int j = tree.firstGreater(i + 1, value); j >= 0; j = tree.firstGreater(j + 1, value)) {
            chain.push_back(j);
            value = rank[size_t(j)];
        }
        for (int j : chain) {
            std::swap(t[size_t(i)], t[size_t(j)]);
            std::swap(rank[size_t(i)], rank[size_t(j)]);
            tree.set(j, rank[size_t(j)]);
        }
        tree.set(i, rank[size_t(i)]);
    }
}

QString ResultText(const Outcome &outcome)
{
    return ImportSource::ResultText(outcome.total, outcome.accepted);
}

bool WriteErrorLog(const QStringList &failures)
{
    return ImportSource::WriteErrorLog(failures);
}

} // namespace MenuImport
