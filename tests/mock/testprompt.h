#pragma once
// A prompt service for tests: records every box and returns scripted answers.
#include "platform/prompt.h"

#include <QList>

#include <deque>

class TestPrompt final : public PromptService
{
  public:
    TestPrompt();           // installs itself
    ~TestPrompt() override; // restores the previous (console) service

    PromptAnswer ask(const PromptRequest &request) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &path, const QString &filter) override;
    QString folderName(const QString &title, const QString &folder) override;

    // Queues the answer of the next box; without one a box is answered Ok / Yes.
    void answerNext(PromptAnswer answer) { answers.push_back(answer); }
    // Queues the result of the next file or folder dialog.
    void fileNext(const QString &path) { files.push_back(path); }

    QList<PromptRequest> asked;
    QStringList fileDialogTitles;
    std::deque<PromptAnswer> answers;
    std::deque<QString> files;

    // Convenience for assertions.
    int count() const { return asked.size(); }
    const PromptRequest &last() const { return asked.last(); }
    void clear() { asked.clear(); }
};
