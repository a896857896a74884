#include "orders/kanasearch.h"

#include "store/recordstore.h"

namespace
{

// Half-width katakana in Unicode follow the order of their Shift-JIS codes: U+FF66 is code 166.
constexpr char16_t kFirstKanaUnicode = 0xFF66;

struct SearchPass {
    std::vector<int> matches;
    QString next; // distinct next characters, in order of first appearance
    bool readingEndsAtText = false;
};

SearchPass searchOnce(const QString &text, const std::vector<KanaReading> &readings)
{
    SearchPass pass;
    const qsizetype n = text.size();
    for (const KanaReading &r : readings) {
        if (n == 0) {
            if (!r.Reading.isEmpty() && !pass.next.contains(r.Reading.at(0)))
                pass.next += r.Reading.at(0);
            continue;
        }
        if (!r.Reading.startsWith(text))
            continue;
        pass.matches.push_back(r.Payload);
        if (r.Reading.size() == n) {
            pass.readingEndsAtText = true;
            continue;
        }
        const QChar c = r.Reading.at(n);
        if (!pass.next.contains(c))
            pass.next += c;
    }
    return pass;
}

KanaSearchResult run(QString text, int previousLength, const std::vector<KanaReading> &readings, bool complete)
{
    KanaSearchResult result;
    for (;;) {
        const bool notShorter = text.size() >= previousLength;
        previousLength = int(text.size());
        SearchPass pass = searchOnce(text, readings);
        result.Text = text;
        result.Matches = std::move(pass.matches);
        result.NextCharacters = pass.next;
        result.ClearEnabled = !text.isEmpty();
        // Completion needs every candidate to continue with the same character and none to end
        // right at the text (that reading itself is a complete choice).
        if (!complete || text.isEmpty() || pass.next.size() != 1 || pass.readingEndsAtText || !notShorter)
            return result;
        // Each round adds one character of a matching reading, so the loop ends at the
        // reading's end at the latest.
        text += pass.next;
        result.Completed = true;
    }
}

} // namespace

QChar KanaKeyCharacter(int code)
{
    if (code < kFirstKanaKey || code > kLastKanaKey)
        return {};
    return QChar(char16_t(kFirstKanaUnicode + (code - kFirstKanaKey)));
}

int KanaKeyCode(QChar ch)
{
    const int offset = int(ch.unicode()) - int(kFirstKanaUnicode);
    if (offset < 0 || offset > kLastKanaKey - kFirstKanaKey)
        return -1;
    return kFirstKanaKey + offset;
}

KanaSearchResult KanaSearch(const QString &text, int previousLength, const std::vector<KanaReading> &readings)
{
    return run(text, previousLength, readings, true);
}

KanaSearchResult KanaSearchNoCompletion(const QString &text, const std::vector<KanaReading> &readings)
{
    return run(text, int(text.size()), readings, false);
}

std::vector<KanaReading> MenuReadings(const std::vector<MenuEntry> &menuTable)
{
    std::vector<KanaReading> out;
    out.reserve(menuTable.size());
    for (size_t i = 1; i < menuTable.size(); ++i)
        out.push_back({menuTable[i].MenuKana, int(i)});
    return out;
}

std::vector<KanaReading> CustomerReadings(const RecordStore &records)
{
    std::vector<KanaReading> out;
    out.reserve(records.CustomerIndex.size());
    for (size_t i = 1; i < records.CustomerIndex.size(); ++i)
        out.push_back({records.CustomerIndex[i].NameKana, int(i)});
    return out;
}
