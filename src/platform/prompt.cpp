#include "platform/prompt.h"

#include <cstdio>

namespace
{

class ConsolePrompt final : public PromptService
{
  public:
    PromptAnswer ask(const PromptRequest &request) override
    {
        QString text = request.text;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        std::fprintf(stderr, "%s: %s\n", request.title.toUtf8().constData(), text.toUtf8().constData());
        switch (request.buttons) {
        case PromptButtons::Ok:
        case PromptButtons::OkCancel:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel:
            return PromptAnswer::No;
        case PromptButtons::RetryCancel:
            return PromptAnswer::Cancel;
        }
        return PromptAnswer::Cancel;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }
};

ConsolePrompt consolePrompt;
PromptService *current = nullptr;

} // namespace

PromptService &Prompt()
{
    return current ? *current : consolePrompt;
}

void SetPromptService(PromptService *service)
{
    current = service;
}

void ShowWarning(const QString &title, const QString &text)
{
    Prompt().ask({PromptIcon::Warning, title, text, PromptButtons::Ok});
}

void ShowInformation(const QString &title, const QString &text)
{
    Prompt().ask({PromptIcon::Information, title, text, PromptButtons::Ok});
}

bool AskYesNo(const QString &title, const QString &text, PromptIcon icon)
{
    return Prompt().ask({icon, title, text, PromptButtons::YesNo}) == PromptAnswer::Yes;
}

PromptAnswer AskYesNoCancel(const QString &title, const QString &text, PromptIcon icon)
{
    return Prompt().ask({icon, title, text, PromptButtons::YesNoCancel});
}
