#pragma once
// The kana keyboard of the search by reading: one button per half-width katakana (Shift-JIS
// codes 166..223), laid out as the 50-sound table, read from the right (ｱ column on the right).
// Keys worth pressing next are enabled and light red; every other key is disabled.
#include <QColor>
#include <QString>
#include <QWidget>

#include <map>

class QPushButton;

class KanaKeyboard : public QWidget
{
    Q_OBJECT
  public:
    static inline const QColor kHighlight{255, 128, 128};

    explicit KanaKeyboard(QWidget *parent = nullptr);

    // Disables every key and gives it the normal colour, then enables and highlights the keys
    // of `characters` (characters without a key are ignored).
    void setNextCharacters(const QString &characters);
    // Every key disabled with the normal colour (the search panel is off).
    void disableAll();

    // The key of a code 166..223 (objectName "cmdMoji" + code), nullptr outside the range.
    QPushButton *key(int code) const;
    bool isHighlighted(int code) const;

  signals:
    // The character of the key pressed.
    void characterPressed(const QString &character);

  private:
    void setHighlighted(QPushButton *button, bool on);

    std::map<int, QPushButton *> m_keys;
};
