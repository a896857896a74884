#pragma once
#include "platform/prompt.h"

// The prompt service of the window program: real message boxes and file dialogs.
class MessageBoxPrompt final : public PromptService
{
  public:
    PromptAnswer ask(const PromptRequest &request) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &path, const QString &filter) override;
    QString folderName(const QString &title, const QString &folder) override;
};
