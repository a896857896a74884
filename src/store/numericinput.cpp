#include "platform/prompt.h"
#include "store/helpers.h"
#include "store/numbertext.h"

bool IsNumericInput(const QString &text)
{
    return text.isEmpty() || IsNumberText(text);
}

bool IsPhoneInput(const QString &text)
{
    return IsNumericInput(text) && !text.contains(QLatin1Char('-'));
}

void ShowNotNumericWarning()
{
    ShowWarning(kNotNumericTitle, kNotNumericText);
}
