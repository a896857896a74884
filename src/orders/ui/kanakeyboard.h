#pragma once
// The kana keyboard of the search by reading: one button per half-width katakana (Shift-JIS
// codes 166..223), laid out as the 50-sound table, read from the right (ｱ column on the right).
// Keys worth pressing next are enabled and light red; every other key is disabled.
#include "platform/ui/kanakeypad.h"

class KanaKeyboard : public KanaKeypad
{
    Q_OBJECT
  public:
    explicit KanaKeyboard(QWidget *parent = nullptr);
};
