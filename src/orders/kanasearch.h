#pragma once
// Search by reading with the kana keyboard: the candidates whose reading begins with the typed
// text, the keys worth pressing next, and the auto-completion of the text when every candidate
// continues with the same character.
#include "store/settingtables.h"

#include <QString>

#include <vector>

class RecordStore;

// The keyboard has one key per half-width katakana of the Shift-JIS codes 166..223 (ｦ..ﾟ).
constexpr int kFirstKanaKey = 166;
constexpr int kLastKanaKey = 223;
// The character of a key code (a null QChar outside 166..223).
QChar KanaKeyCharacter(int code);
// The key code of a character, -1 when the keyboard has no key for it.
int KanaKeyCode(QChar ch);

// One searchable reading and what it stands for (a table position, an index position).
struct KanaReading {
    QString Reading;
    int Payload = 0;
};

struct KanaSearchResult {
    // The search text after auto-completion (the typed text when nothing was completed).
    QString Text;
    // Payloads of the readings that begin with Text, in list order (none for an empty text).
    std::vector<int> Matches;
    // The characters whose keys are enabled and highlighted, each once, in order of first
    // appearance: the first characters of all readings for an empty text, otherwise the
    // characters that follow the text in the matching readings.
    QString NextCharacters;
    // "<" and "<<": enabled while the text is not empty.
    bool ClearEnabled = false;
    // True when auto-completion added characters to the text.
    bool Completed = false;
};

// The search run on every change of the search text. `previousLength` is the length of the
// text at the previous change; the text is auto-completed only when it did not get shorter
// (so deleting a character never puts it straight back).
KanaSearchResult KanaSearch(const QString &text, int previousLength, const std::vector<KanaReading> &readings);
// The same search without auto-completion (customer search by name).
KanaSearchResult KanaSearchNoCompletion(const QString &text, const std::vector<KanaReading> &readings);

// Readings of the menu catalogue (MenuKana, payload = MenuTable position 1..n).
std::vector<KanaReading> MenuReadings(const std::vector<MenuEntry> &menuTable);
// Readings of the customers (NameKana, payload = CustomerIndex position 1..n).
std::vector<KanaReading> CustomerReadings(const RecordStore &records);
