#pragma once
// An on-screen keypad of the 58 half-width katakana (CP932 codes 166..223: ｦ, the small kana,
// ｰ, ｱ to ﾝ and the voicing marks). Each window chooses how its keys are laid out, what they
// show and how they are named; a key is identified by its code. Keys start disabled.
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>

class QPushButton;

struct KanaKeypadLayout {
    // The grid row by row; "・" leaves a cell empty.
    QStringList rows;
    // The text a key shows for its half-width character.
    std::function<QString(QChar)> caption;
    // objectName of a key: prefix followed by its code.
    QString namePrefix;
    QSize keySize{26, 24};
};

class KanaKeypad : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int kFirstCode = 166;
    static constexpr int kLastCode = 223;
    static inline const QColor kHighlight{255, 128, 128};

    // The CP932 code of a half-width katakana, -1 for any other character.
    static int CodeOf(QChar ch);
    static QChar CharacterOf(int code);

    explicit KanaKeypad(const KanaKeypadLayout &layout, QWidget *parent = nullptr);

    // Disables every key, then enables the keys of `characters` (others are ignored); enabled
    // keys are highlighted when highlighting is on.
    void setNextCharacters(const QString &characters);
    // Enables exactly the keys whose code `enabled` accepts.
    void setEnabledCodes(const std::function<bool(int code)> &enabled);
    void disableAll();
    void setHighlighting(bool on) { m_highlighting = on; }

    // The key of a code 166..223, nullptr outside the range.
    QPushButton *key(int code) const;
    bool isHighlighted(int code) const;

  signals:
    // The half-width character of the key pressed.
    void characterPressed(const QString &character);

  private:
    void setHighlighted(QPushButton *button, bool on);

    std::map<int, QPushButton *> m_keys;
    bool m_highlighting = true;
};
