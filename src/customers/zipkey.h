#pragma once
// How postal codes and addresses are compared. The database stores every address in the form
// NormaliseAddressKey gives, and a search key is brought to the same form, so that the clerk may
// type full-width or half-width digits and letters, half-width katakana, blanks, "２丁目１番地"
// or "2-1" and still find the place.
#include <QString>

// Digits of a postal-code key: full-width digits become ASCII, "〒", blanks and every kind of
// hyphen are dropped. Any other character is kept, so a caller can tell a key that is not a code.
QString NormaliseZipKey(const QString &text);
// True when `key` (already normalised) is 3 to 7 ASCII digits: an exact code or a code prefix.
bool IsZipSearchKey(const QString &key);

// The comparable form of an address:
//  - NFKC: full-width ASCII to ASCII, half-width katakana to full-width, compatibility forms
//    ("①", "㈱") to plain ones;
//  - blanks dropped, ASCII letters in lower case, "ヶ"/"ヵ" read as "ケ"/"カ";
//  - every hyphen-like sign ("−", "－", "‐", "―", and "ー" between digits) becomes "-";
//  - block numbers in one form: "1丁目" / "一丁目" -> "1-", "2番地" / "2番" -> "2-", "3号" -> "3",
//    "の" between digits -> "-"; a trailing "-" is dropped.
QString NormaliseAddressKey(const QString &text);
// The key cut before its first digit ("千代田区千代田1-1" -> "千代田区千代田"): the town part of
// an address that carries a street number. Empty when the key starts with a digit.
QString TownPart(const QString &normalisedKey);
