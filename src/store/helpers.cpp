#include "platform/prompt.h"
#include "store/helpers.h"
#include "store/cp932.h"

QString ErrorBoxText(int code, const QString &message)
{
    // A non-negative number is written with a leading blank, as the shop's staff know it.
    const QString number = code >= 0 ? QStringLiteral(" ") + QString::number(code) : QString::number(code);
    return QStringLiteral("ErrorNo:") + number + QStringLiteral("\r\r") + message;
}

void ShowErrorBox(int code, const QString &message)
{
    Prompt().ask({PromptIcon::Warning, QStringLiteral("エラー"), ErrorBoxText(code, message), PromptButtons::Ok});
}

QString TrimField(const QString &text)
{
    QString out = text;
    out.remove(QChar(0));
    int n = out.size();
    while (n > 0 && out.at(n - 1) == QLatin1Char(' '))
        --n;
    out.truncate(n);
    return out;
}

int ByteLength(const QString &text)
{
    return Cp932Length(text);
}
