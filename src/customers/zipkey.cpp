#include "customers/zipkey.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace
{

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHyphenLike(QChar c)
{
    switch (c.unicode()) {
    case u'-':
    case 0x2010: // ‐
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014: // —
    case 0x2015: // ―
    case 0x2212: // −
    case 0xFE63:
    case 0xFF0D: // －
    case 0xFF70: // ｰ
        return true;
    default:
        return false;
    }
}

bool isBlank(QChar c)
{
    return c.isSpace() || c == QChar(0x3000) || c.unicode() < 0x20;
}

QString nfkc(const QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *n = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status) || !n)
        return text;
    const icu::UnicodeString in(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    // Most stored addresses are already in this form; skipping them keeps building fast.
    if (n->isNormalized(in, status) && U_SUCCESS(status))
        return text;
    status = U_ZERO_ERROR;
    const icu::UnicodeString out = n->normalize(in, status);
    if (U_FAILURE(status))
        return text;
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

int kanjiDigit(QChar c)
{
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    return int(digits.indexOf(c));
}

// "二十三" -> 23 for the small numbers that name a 丁目; -1 when the text is not one.
int kanjiNumber(QStringView s)
{
    if (s.isEmpty() || s.size() > 3)
        return -1;
    int value = 0, current = 0;
    for (QChar c : s) {
        if (c == QChar(u'十')) {
            value += (current == 0 ? 1 : current) * 10;
            current = 0;
            continue;
        }
        const int d = kanjiDigit(c);
        if (d < 0)
            return -1;
        current = current * 10 + d;
    }
    return value + current;
}

bool isKanjiNumeral(QChar c)
{
    return c == QChar(u'十') || kanjiDigit(c) >= 0;
}

// Block numbers in one form; `s` has ASCII digits and "-" already.
QString unifyBlockNumbers(const QString &s)
{
    QString out;
    out.reserve(s.size());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s.at(i);
        const bool afterDigit = !out.isEmpty() && isDigit(out.back());
        if (c == QChar(u'丁') && i + 1 < n && s.at(i + 1) == QChar(u'目')) {
            // "一丁目" written in kanji numerals: the numerals just before become digits.
            qsizetype k = out.size();
            while (k > 0 && out.size() - k < 3 && isKanjiNumeral(out.at(k - 1)))
                --k;
            if (k < out.size()) {
                const int number = kanjiNumber(QStringView(out).mid(k));
                if (number > 0) {
                    out.truncate(k);
                    out += QString::number(number);
                }
            }
            if (!out.isEmpty() && isDigit(out.back())) {
                out += QLatin1Char('-');
                ++i;
                continue;
            }
        }
        if (afterDigit && c == QChar(u'番')) {
            out += QLatin1Char('-');
            if (i + 1 < n && s.at(i + 1) == QChar(u'地'))
                ++i;
            continue;
        }
        if (afterDigit && c == QChar(u'号'))
            continue;
        if (afterDigit && c == QChar(u'の') && i + 1 < n && isDigit(s.at(i + 1))) {
            out += QLatin1Char('-');
            continue;
        }
        if (c == QLatin1Char('-') && !out.isEmpty() && out.back() == QLatin1Char('-'))
            continue;
        out += c;
    }
    while (out.endsWith(QLatin1Char('-')))
        out.chop(1);
    return out;
}

} // namespace

QString NormaliseZipKey(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (isBlank(c) || isHyphenLike(c) || c == QChar(u'ー') || c == QChar(u'〒'))
            continue;
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19))
            c = QChar(u'0' + (c.unicode() - 0xFF10));
        out += c;
    }
    return out;
}

bool IsZipSearchKey(const QString &key)
{
    if (key.size() < 3 || key.size() > 7)
        return false;
    for (QChar c : key) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

QString NormaliseAddressKey(const QString &text)
{
    const QString folded = nfkc(text);
    QString out;
    out.reserve(folded.size());
    const qsizetype n = folded.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = folded.at(i);
        if (isBlank(c))
            continue;
        if (c == QChar(u'ー')) {
            // The long-vowel mark stays in names; between digits the clerk meant a hyphen.
            const bool digitBefore = !out.isEmpty() && isDigit(out.back());
            const bool digitAfter = i + 1 < n && isDigit(folded.at(i + 1));
            if (digitBefore && digitAfter)
                c = QLatin1Char('-');
        } else if (isHyphenLike(c)) {
            c = QLatin1Char('-');
        } else if (c == QChar(u'ヶ')) {
            c = QChar(u'ケ');
        } else if (c == QChar(u'ヵ')) {
            c = QChar(u'カ');
        } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            c = QChar(c.unicode() + 32);
        }
        out += c;
    }
    return unifyBlockNumbers(out);
}

QString TownPart(const QString &normalisedKey)
{
    for (qsizetype i = 0; i < normalisedKey.size(); ++i) {
        if (isDigit(normalisedKey.at(i)))
            return normalisedKey.left(i);
    }
    return normalisedKey;
}
