// Readings (furigana) of menu names in half-width katakana, for order entry's search by reading.
#pragma once

#include <QString>

#include <memory>
#include <mutex>
#include <optional>

// Where the analyser's dictionaries are. The user dictionary of menu words is compiled against
// the system dictionary, so the two always travel together.
struct MenuReadingDictionary {
    QString systemDir; // the MeCab system dictionary folder (IPA dictionary, UTF-8)
    QString userDic;   // the compiled menu-word dictionary; empty for none
};

// Derives readings with the MeCab analyser. The analyser is loaded on the first reading asked
// for, never before, so holding a reader costs nothing at start-up.
class MenuReader
{
  public:
    explicit MenuReader(MenuReadingDictionary where);
    ~MenuReader();
    MenuReader(const MenuReader &) = delete;
    MenuReader &operator=(const MenuReader &) = delete;

    // The reading of a menu name: kana and ASCII keep their own characters (made half-width),
    // words with kanji are read by the analyser. No value when the analyser or its dictionary is
    // missing, or when a kanji word is unknown to it; an empty name reads as "".
    std::optional<QString> reading(const QString &name);

    // Loads the analyser when not yet loaded; false when it cannot be loaded.
    bool load();
    bool loaded() const;

  private:
    struct Analyser;
    bool loadLocked();
    mutable std::mutex lock_;
    MenuReadingDictionary where_;
    std::unique_ptr<Analyser> analyser_;
    bool tried_ = false;
};

// The reader of the running program: the system dictionary it was built against and the menu-word
// dictionary beside the executable.
MenuReader &ProgramMenuReader();

// The reading to fill in when the staff have not typed one: the reading the input method reported
// (made half-width katakana) when there is one, otherwise the analyser's. A typed reading is the
// caller's to keep; this is only asked when the field is left to the program.
std::optional<QString> MenuNameReading(const QString &name, const QString &inputMethodReading, MenuReader &reader);

// Half-width katakana of kana text; ASCII and half-width characters stay as they are.
QString KanaToHalfWidthKatakana(const QString &text);

// What a composition the input method committed adds to the reading: the committed text itself
// when it is single-byte once made half-width (ASCII, half-width katakana), otherwise the reading
// of it, in half-width katakana. Empty when the committed text is empty, or when it needs a
// reading and none was reported.
QString CommittedReading(const QString &committed, const QString &reading);
// A directly typed character as the reading gets it (made half-width katakana); empty when the
// character has no sound of its own in half-width form (a kanji typed without the input method).
QString TypedReading(const QString &typed);
// The composition text while the staff are still writing the sound of a word (kana, maybe with
// a romaji letter not yet turned into kana), before it is converted to kanji.
bool IsReadingComposition(const QString &preedit);
