#include "customers/customersearch.h"

#include "store/helpers.h"
#include "store/numbertext.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace
{

// ｦ is the first half-width katakana in both CP932 and Unicode; the two run in parallel.
constexpr char16_t kFirstKanaUnicode = 0xFF66;

// The full-width forms of codes 166..223 in code order; the long-vowel key shows "-".
constexpr char16_t kFullWidth[] =
    u"ヲァィゥェォャュョッ-"
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(sizeof(kFullWidth) / sizeof(char16_t) == kKeypadKeys + 1);

CustomerHit hitOf(const std::vector<CustomerIndexEntry> &index, size_t pos)
{
    const CustomerIndexEntry &e = index[pos];
    return CustomerHit{e.CustomerId, e.Tel, e.NameKana, int(pos)};
}

void enable(KeypadCodes &codes, QChar ch)
{
    const int code = KeypadCode(ch);
    if (code >= 0)
        codes.set(size_t(code - kFirstKeypadCode));
}

// Reorders `hits` by the permutation `order` (order[i] = old position of the new row i).
void applyOrder(std::vector<CustomerHit> &hits, const std::vector<int> &order)
{
    std::vector<CustomerHit> sorted;
    sorted.reserve(hits.size());
    for (int i : order)
        sorted.push_back(std::move(hits[size_t(i)]));
    hits = std::move(sorted);
}

std::u16string_view utf16(const QString &s)
{
    return {reinterpret_cast<const char16_t *>(s.utf16()), size_t(s.size())};
}

template <typename Less> void stableSortBy(std::vector<CustomerHit> &hits, SortOrder direction, Less less)
{
    std::vector<int> order(hits.size());
    std::iota(order.begin(), order.end(), 0);
    auto cmp = [&](int a, int b) { return direction == SortOrder::Ascending ? less(a, b) : less(b, a); };
    if (std::is_sorted(order.begin(), order.end(), cmp))
        return; // the usual case: ids in table order
    std::stable_sort(order.begin(), order.end(), cmp);
    applyOrder(hits, order);
}

// The place of every name seen so far in 50-sound order (ties broken by the text, so equal
// ranks mean equal names). A name not seen before joins, and all places are handed out again.
class NameRanks
{
  public:
    int rankOf(const QString &name)
    {
        const auto it = m_rank.find(name);
        if (it != m_rank.end())
            return it->second;
        m_names.push_back({name, m_collator.sortKey(name)});
        m_rank.emplace(name, 0); // placed properly by grew()
        m_stale = true;
        return 0;
    }
    // Re-ranks after new names joined; true when the ranks handed out since the last call are
    // no longer valid.
    bool grew()
    {
        if (!m_stale)
            return false;
        m_stale = false;
        std::sort(m_names.begin(), m_names.end(), [](const Entry &a, const Entry &b) {
            const int r = a.key.compare(b.key);
            return r != 0 ? r < 0 : QString::compare(a.name, b.name) < 0;
        });
        ++m_generation;
        m_rank.clear();
        m_rank.reserve(m_names.size());
        for (size_t i = 0; i < m_names.size(); ++i)
            m_rank.emplace(m_names[i].name, int(i));
        return true;
    }

    // Changes whenever the ranks are handed out again.
    unsigned generation() const { return m_generation; }
    // Ranks run from 0 to count() - 1.
    int count() const { return int(m_names.size()); }

  private:
    struct Entry {
        QString name;
        QCollatorSortKey key;
    };
    unsigned m_generation = 0;
    QCollator m_collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    std::vector<Entry> m_names;
    // A plain FNV hash: names are a few characters, and Qt's string hash costs several times more
    // per lookup, which a keystroke listing 90,000 names feels.
    struct NameHash {
        size_t operator()(const QString &s) const
        {
            size_t h = 1469598103934665603ull;
            for (QChar c : s) {
                h ^= c.unicode();
                h *= 1099511628211ull;
            }
            return h;
        }
    };
    std::unordered_map<QString, int, NameHash> m_rank;
    bool m_stale = false;
};

// The rank of the name found at one index position, and that name (a copy, which keeps its
// characters where they are while the index holds the same string).
struct PosRank {
    QString name;
    int rank = 0;
    unsigned generation = 0;
};

} // namespace

int KeypadCode(QChar ch)
{
    const int offset = int(ch.unicode()) - int(kFirstKanaUnicode);
    if (offset < 0 || offset >= kKeypadKeys)
        return -1;
    return kFirstKeypadCode + offset;
}

QString KeypadCaption(int code)
{
    if (code < kFirstKeypadCode || code > kLastKeypadCode)
        return {};
    return QString(QChar(kFullWidth[code - kFirstKeypadCode]));
}

NameSearchResult SearchByName(const std::vector<CustomerIndexEntry> &index, const QString &prefix)
{
    NameSearchResult result;
    const qsizetype length = prefix.size();
    for (size_t pos = 1; pos < index.size(); ++pos) {
        const QString &name = index[pos].NameKana;
        if (length == 0) {
            if (!name.isEmpty())
                enable(result.enabled, name.at(0));
            continue;
        }
        if (!name.startsWith(prefix))
            continue;
        result.hits.push_back(hitOf(index, pos));
        if (name.size() > length)
            enable(result.enabled, name.at(length));
    }
    return result;
}

std::vector<CustomerHit> SearchByTel(const std::vector<CustomerIndexEntry> &index, const QString &prefix)
{
    std::vector<CustomerHit> hits;
    if (prefix.isEmpty())
        return hits;
    for (size_t pos = 1; pos < index.size(); ++pos) {
        if (index[pos].Tel.startsWith(prefix))
            hits.push_back(hitOf(index, pos));
    }
    return hits;
}

std::vector<CustomerHit> SearchById(const std::vector<CustomerIndexEntry> &index, qint64 id)
{
    for (size_t pos = 1; pos < index.size(); ++pos) {
        if (index[pos].CustomerId == id)
            return {hitOf(index, pos)};
    }
    return {};
}

std::optional<qint64> CustomerIdOfText(const QString &text)
{
    const std::optional<qint64> currency = ParseCurrencyText(text);
    if (!currency)
        return std::nullopt;
    // Currency holds 1/10000 steps; round the fraction half away from zero.
    const qint64 whole = *currency / kCurrencyScale;
    const qint64 rest = *currency % kCurrencyScale;
    if (rest >= kCurrencyScale / 2)
        return whole + 1;
    if (rest <= -kCurrencyScale / 2)
        return whole - 1;
    return whole;
}

QString HitText(const CustomerHit &hit, HitColumn column)
{
    switch (column) {
    case HitColumn::Id:
        return FormatCustomerNo(hit.CustomerId);
    case HitColumn::Tel:
        return hit.Tel;
    case HitColumn::Name:
        break;
    }
    return hit.NameKana;
}

void SortHits(std::vector<CustomerHit> &hits, HitColumn column, SortOrder order)
{
    switch (column) {
    case HitColumn::Id:
        stableSortBy(hits, order,
                     [&](int a, int b) { return hits[size_t(a)].CustomerId < hits[size_t(b)].CustomerId; });
        return;
    case HitColumn::Tel: {
        // Code unit by code unit, as QString orders them. The numbers are copied side by side
        // first: comparing through each hit's own string costs a cache miss a step.
        constexpr size_t kKey = 16;
        std::vector<std::array<char16_t, kKey>> keys(hits.size());
        for (size_t i = 0; i < hits.size(); ++i) {
            const std::u16string_view tel = utf16(hits[i].Tel);
            std::copy_n(tel.begin(), std::min(tel.size(), kKey), keys[i].begin());
        }
        stableSortBy(hits, order, [&](int a, int b) {
            const int r = std::char_traits<char16_t>::compare(keys[size_t(a)].data(), keys[size_t(b)].data(), kKey);
            if (r != 0)
                return r < 0;
            return utf16(hits[size_t(a)].Tel) < utf16(hits[size_t(b)].Tel);
        });
        return;
    }
    case HitColumn::Name:
        break;
    }
    // Kana in 50-sound order (ｶﾞ beside ｶ). Collation keys are dear (about 1 µs a name), so
    // every name seen gets a rank once; a keystroke then sorts integers. The rank of the name at
    // each index position is kept beside a copy of that name: while the index still holds the
    // very same string, the rank is read without hashing.
    static NameRanks ranks;
    static std::vector<PosRank> byPos;
    const auto rankOfHit = [&](const CustomerHit &h) {
        const size_t p = size_t(std::max(h.IndexPos, 0));
        if (p > 0 && p < byPos.size() && byPos[p].generation == ranks.generation() &&
            byPos[p].name.constData() == h.NameKana.constData())
            return byPos[p].rank;
        const int r = ranks.rankOf(h.NameKana);
        if (p > 0) {
            if (p >= byPos.size())
                byPos.resize(p + 1);
            byPos[p] = {h.NameKana, r, ranks.generation()};
        }
        return r;
    };
    std::vector<int> rank;
    rank.reserve(hits.size());
    for (const CustomerHit &h : hits)
        rank.push_back(rankOfHit(h));
    if (ranks.grew()) {
        rank.clear();
        for (const CustomerHit &h : hits)
            rank.push_back(rankOfHit(h));
    }
    // Ranks are small whole numbers: a counting sort places every hit in one pass, keeping equal
    // names in their order.
    const int ranksInUse = ranks.count();
    std::vector<int> start(size_t(ranksInUse) + 1, 0);
    const auto slot = [&](size_t i) {
        return size_t(order == SortOrder::Ascending ? rank[i] : ranksInUse - 1 - rank[i]);
    };
    for (size_t i = 0; i < hits.size(); ++i)
        ++start[slot(i) + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    std::vector<int> sorted(hits.size());
    bool moved = false;
    for (size_t i = 0; i < hits.size(); ++i) {
        const int to = start[slot(i)]++;
        sorted[size_t(to)] = int(i);
        moved = moved || to != int(i);
    }
    if (moved)
        applyOrder(hits, sorted);
}
