#include "store/helpers.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace
{

icu::Transliterator *transliterator()
{
    static const std::unique_ptr<icu::Transliterator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Fullwidth-Halfwidth", UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            t.reset();
        return t;
    }();
    return instance.get();
}

} // namespace

QString ToHalfWidth(const QString &text)
{
    icu::Transliterator *t = transliterator();
    if (text.isEmpty() || !t)
        return text;
    icu::UnicodeString s(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
    t->transliterate(s);
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}
