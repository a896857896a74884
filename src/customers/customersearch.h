#pragma once
// Finding customers outside an order: by the first digits of the phone number, by the first
// kana of the name, or by the customer number. Every search runs over the in-memory customer
// index (table order) and never reads the customer file. A hit is a copy of the listed values,
// so a list keeps showing what was found while the index changes underneath.
#include "store/recordstore.h"
#include "store/sortkind.h"

#include <QString>

#include <bitset>
#include <vector>

struct CustomerHit {
    qint32 CustomerId = 0;
    QString Tel;
    QString NameKana;
    // The index position the hit was found at: a hint for sorting, never used to read a record.
    int IndexPos = 0;
};

// The keypad's 58 keys: the half-width katakana of CP932 codes 166..223.
constexpr int kFirstKeypadCode = 166;
constexpr int kLastKeypadCode = 223;
constexpr int kKeypadKeys = kLastKeypadCode - kFirstKeypadCode + 1;
using KeypadCodes = std::bitset<kKeypadKeys>;

// The CP932 code of a half-width katakana, -1 for any other character.
int KeypadCode(QChar ch);
// What a key shows: the full-width kana of its code; the long-vowel mark shows "-".
QString KeypadCaption(int code);

struct NameSearchResult {
    std::vector<CustomerHit> hits;
    // Keys that lead somewhere: with an empty prefix the first letters of every name, otherwise
    // the letter after the prefix in every listed name.
    KeypadCodes enabled;
    bool isEnabled(int code) const
    {
        return code >= kFirstKeypadCode && code <= kLastKeypadCode && enabled.test(size_t(code - kFirstKeypadCode));
    }
};

// An empty prefix lists nothing and offers the first letters. Width and case count.
NameSearchResult SearchByName(const std::vector<CustomerIndexEntry> &index, const QString &prefix);
// Every customer whose phone number begins with `prefix`; an empty prefix lists nothing.
std::vector<CustomerHit> SearchByTel(const std::vector<CustomerIndexEntry> &index, const QString &prefix);
// The first customer with that number, or nothing.
std::vector<CustomerHit> SearchById(const std::vector<CustomerIndexEntry> &index, qint64 id);

// The customer number the id field asks for: a number, fractions rounded half away from zero;
// nullopt when the text is not a number.
std::optional<qint64> CustomerIdOfText(const QString &text);

// The list's columns: 0 customer number, 1 phone, 2 name.
enum class HitColumn { Id = 0, Tel = 1, Name = 2 };
QString HitText(const CustomerHit &hit, HitColumn column);
// Sorts by the text of one column (numbers by value, names in 50-sound order); rows of equal
// text keep their order.
void SortHits(std::vector<CustomerHit> &hits, HitColumn column, SortOrder order);
