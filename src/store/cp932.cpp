#include "store/cp932.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace
{

// One converter for the whole program; the program has one thread, the lock only keeps the
// headless tool and tests honest should they ever convert from two threads.
struct Converter {
    UConverter *cnv = nullptr;
    std::mutex lock;
    Converter()
    {
        UErrorCode status = U_ZERO_ERROR;
        cnv = ucnv_open("windows-31j", &status);
        if (U_FAILURE(status)) {
            status = U_ZERO_ERROR;
            cnv = ucnv_open("Shift_JIS", &status);
        }
        status = U_ZERO_ERROR;
        // Windows maps a few characters (¥, 〜, −) by fallback; so do we.
        ucnv_setFallback(cnv, true);
        const char sub = '?';
        ucnv_setSubstChars(cnv, &sub, 1, &status);
    }
    ~Converter() { ucnv_close(cnv); }
};

Converter &converter()
{
    static Converter c;
    return c;
}

// The converter's table swaps three control bytes (0x1A -> U+001C, 0x1C -> U+007F,
// 0x7F -> U+001A and back); Windows maps every byte below 0x80 to itself, and so does the
// plain-ASCII shortcut below. Undoing the swap keeps a field that holds one of them unchanged
// however often it is read and written.
char16_t toIcuControl(char16_t u)
{
    switch (u) {
    case 0x1A:
        return 0x1C;
    case 0x1C:
        return 0x7F;
    case 0x7F:
        return 0x1A;
    default:
        return u;
    }
}

char16_t fromIcuControl(char16_t u)
{
    switch (u) {
    case 0x1C:
        return 0x1A;
    case 0x7F:
        return 0x1C;
    case 0x1A:
        return 0x7F;
    default:
        return u;
    }
}

bool isSwappedControl(char16_t u)
{
    return u == 0x1A || u == 0x1C || u == 0x7F;
}

bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

QByteArray ToCp932(const QString &text)
{
    if (text.isEmpty())
        return {};
    Converter &c = converter();
    std::lock_guard<std::mutex> guard(c.lock);
    QString source = text;
    if (std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return isSwappedControl(ch.unicode()); })) {
        for (QChar &ch : source)
            ch = QChar(toIcuControl(ch.unicode()));
    }
    QByteArray out(source.size() * 2 + 8, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(c.cnv);
    int32_t n = ucnv_fromUChars(c.cnv, out.data(), out.size(), reinterpret_cast<const UChar *>(source.utf16()),
                                source.size(), &status);
    if (U_FAILURE(status))
        return QByteArray(text.size(), '?');
    out.resize(n);
    return out;
}

QString FromCp932(const char *bytes, int length)
{
    if (length <= 0)
        return {};
    // Plain ASCII (dates, digits) needs no converter.
    bool ascii = true;
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes, length);
    Converter &c = converter();
    std::lock_guard<std::mutex> guard(c.lock);
    QString out(length + 4, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetToUnicode(c.cnv);
    int32_t n = ucnv_toUChars(c.cnv, reinterpret_cast<UChar *>(out.data()), out.size(), bytes, length, &status);
    if (U_FAILURE(status))
        return QString(length, QChar(0xFFFD));
    out.resize(n);
    for (QChar &ch : out) {
        if (isSwappedControl(ch.unicode()))
            ch = QChar(fromIcuControl(ch.unicode()));
    }
    return out;
}

QString FromCp932(const QByteArray &bytes)
{
    return FromCp932(bytes.constData(), bytes.size());
}

QByteArray Cp932Field(const QString &text, int width)
{
    QByteArray bytes = ToCp932(text);
    if (bytes.size() > width) {
        // Walk the characters so a double-byte character is never split at the edge.
        int end = 0;
        while (end < width) {
            int step = isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
            if (end + step > width)
                break;
            end += step;
        }
        bytes.truncate(end);
    }
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

void PutCp932Field(char *out, const QString &text, int width)
{
    const QByteArray field = Cp932Field(text, width);
    std::memcpy(out, field.constData(), width);
}

QString GetCp932Field(const char *in, int width)
{
    char buf[256];
    int n = 0;
    for (int i = 0; i < width && n < int(sizeof buf); ++i) {
        if (in[i] != '\0')
            buf[n++] = in[i];
    }
    while (n > 0 && buf[n - 1] == ' ')
        --n;
    return FromCp932(buf, n);
}

int Cp932Length(const QString &text)
{
    return ToCp932(text).size();
}
