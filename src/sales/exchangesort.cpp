// The per-item table's order. The table is sorted by exchange: for each position i, every later
// entry whose amount is larger than the one now at i is swapped into i. One such pass moves the
// chain of successive larger entries (each the first one after the previous that is larger) one
// link down the chain, the last of them into i. Equal amounts end in the order this produces,
// which no ordinary sort gives, so the passes are replayed: a maximum tree finds each next link in
// logarithmic time instead of scanning the rest of the table.
#include "sales/salestotals.h"

#include <limits>

namespace
{

class MaxTree
{
  public:
    explicit MaxTree(const std::vector<qint64> &values)
    {
        n = int(values.size());
        while (size < n)
            size *= 2;
        tree.assign(size_t(2 * size), std::numeric_limits<qint64>::min());
        for (int i = 0; i < n; ++i)
            tree[size_t(size + i)] = values[size_t(i)];
        for (int i = size - 1; i >= 1; --i)
            tree[size_t(i)] = std::max(tree[size_t(2 * i)], tree[size_t(2 * i + 1)]);
    }

    void set(int pos, qint64 value)
    {
        int i = size + pos;
        tree[size_t(i)] = value;
        for (i /= 2; i >= 1; i /= 2)
            tree[size_t(i)] = std::max(tree[size_t(2 * i)], tree[size_t(2 * i + 1)]);
    }

    // The first position at or after `from` holding a value larger than `v`; -1 when none.
    int firstGreater(int from, qint64 v) const { return find(1, 0, size - 1, from, v); }

  private:
    int find(int node, int lo, int hi, int from, qint64 v) const
    {
        if (hi < from || tree[size_t(node)] <= v)
            return -1;
        if (lo == hi)
            return lo;
        const int mid = (lo + hi) / 2;
        const int left = find(2 * node, lo, mid, from, v);
        return left >= 0 ? left : find(2 * node + 1, mid + 1, hi, from, v);
    }

    int n = 0;
    int size = 1;
    std::vector<qint64> tree;
};

} // namespace

void ExchangeSortByAmount(std::vector<ItemTotal> &items)
{
    const int n = int(items.size());
    if (n < 2)
        return;
    std::vector<qint64> amount(static_cast<size_t>(n));
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        amount[size_t(i)] = items[size_t(i)].Amount;
        order[size_t(i)] = i;
    }
    MaxTree tree(amount);
    std::vector<int> chain;
    for (int i = 0; i < n - 1; ++i) {
        chain.assign(1, i);
        qint64 v = amount[size_t(i)];
        for (int q = tree.firstGreater(i + 1, v); q >= 0; q = tree.firstGreater(q + 1, v)) {
            chain.push_back(q);
            v = amount[size_t(q)];
        }
        if (chain.size() == 1)
            continue;
        const int lastOrder = order[size_t(chain.back())];
        const qint64 lastAmount = amount[size_t(chain.back())];
        for (size_t m = chain.size() - 1; m >= 1; --m) {
            order[size_t(chain[m])] = order[size_t(chain[m - 1])];
            amount[size_t(chain[m])] = amount[size_t(chain[m - 1])];
            tree.set(chain[m], amount[size_t(chain[m])]);
        }
        order[size_t(i)] = lastOrder;
        amount[size_t(i)] = lastAmount;
    }
    std::vector<ItemTotal> sorted;
    sorted.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        sorted.push_back(std::move(items[size_t(order[size_t(i)])]));
    items = std::move(sorted);
}
