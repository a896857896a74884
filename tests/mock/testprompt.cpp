#include "testprompt.h"

TestPrompt::TestPrompt()
{
    SetPromptService(this);
}

TestPrompt::~TestPrompt()
{
    SetPromptService(nullptr);
}

PromptAnswer TestPrompt::ask(const PromptRequest &request)
{
    asked.append(request);
    if (!answers.empty()) {
        PromptAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (request.buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Yes;
    case PromptButtons::RetryCancel:
        return PromptAnswer::Cancel;
    default:
        return PromptAnswer::Ok;
    }
}

static QString nextFile(std::deque<QString> &files)
{
    if (files.empty())
        return {};
    QString f = files.front();
    files.pop_front();
    return f;
}

QString TestPrompt::openFileName(const QString &title, const QString &, const QString &)
{
    fileDialogTitles << title;
    return nextFile(files);
}

QString TestPrompt::saveFileName(const QString &title, const QString &, const QString &)
{
    fileDialogTitles << title;
    return nextFile(files);
}

QString TestPrompt::folderName(const QString &title, const QString &)
{
    fileDialogTitles << title;
    return nextFile(files);
}
