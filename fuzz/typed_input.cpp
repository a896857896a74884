// What a user types into the page field, the copies field and the numeric boxes.
#include "fuzzsupport.h"

#include "printing/pagerange.h"
#include "store/helpers.h"
#include "store/numbertext.h"
#include "store/saleamounts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    const int pageCount = in.byte();
    const QString text = QString::fromUtf8(in.rest());
    if (const auto range = ParsePageRange(text, pageCount)) {
        Fuzz::Check(range->First >= 1 && range->First <= range->Last && range->Last <= pageCount,
                    "page range outside the document");
    }
    if (const auto copies = ParseCopies(text))
        Fuzz::Check(*copies >= 1 && *copies <= 99, "copies outside 1..99");
    const bool numeric = IsNumericInput(text);
    if (IsPhoneInput(text))
        Fuzz::Check(numeric && !text.contains(QLatin1Char('-')), "phone box takes what the numeric box refuses");
    bool ok = false;
    AmountNumber(text, &ok);
    ParseCurrencyText(text);
    WholeNumberOf(text);
    return 0;
}
